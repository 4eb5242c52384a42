#include "editors/MultiLabelDlg.h"

#include "ui_MultiLabelDlg.h"

#include <QButtonGroup>

MultiLabelDlg::MultiLabelDlg(int code, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::MultiLabelDlg>()), m_group(new QButtonGroup(this)), m_code(code)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint) &
                   ~(Qt::WindowContextHelpButtonHint | Qt::WindowMinMaxButtonsHint));
    const QPair<QRadioButton *, int> buttons[] = {
        {ui->rBtn_A0, 1},  {ui->rBtn_A1, 2},  {ui->rBtn_B0, 4},   {ui->rBtn_B1, 8}, {ui->rBtn_C0, 16},
        {ui->rBtn_C1, 32}, {ui->rBtn_D0, 64}, {ui->rBtn_D1, 128}, {ui->rBtn_E0, 3}, {ui->rBtn_E1, 12}};
    for (const auto &b : buttons)
        m_group->addButton(b.first, b.second);
    if (QAbstractButton *current = m_group->button(code))
        current->setChecked(true);
    connect(m_group, &QButtonGroup::idClicked, this, &MultiLabelDlg::onButtonGroupClicked);
    connect(ui->Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->Btn_EXIT, &QPushButton::clicked, this, &QDialog::reject);
}

MultiLabelDlg::~MultiLabelDlg() = default;

void MultiLabelDlg::onButtonGroupClicked(int id)
{
    if (id != m_code) {
        m_code = id;
        return;
    }
    // An exclusive group keeps one button checked; step out of it to clear the choice.
    m_code = 0;
    m_group->setExclusive(false);
    m_group->button(id)->setChecked(false);
    m_group->setExclusive(true);
}
