#include "editors/ZQRebateSelectDialog.h"

#include "table/RangeIntValidator.h"
#include "ui_ZQRebateSelectDialog.h"

#include <QButtonGroup>

ZQRebateSelectDialog::ZQRebateSelectDialog(int value, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ZQRebateSelectDialog>()), m_modes(new QButtonGroup(this))
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint) &
                   ~(Qt::WindowContextHelpButtonHint | Qt::WindowMinMaxButtonsHint));
    ui->discountEdt->setValidator(new RangeIntValidator(0, 127, ui->discountEdt));
    const QList<QRadioButton *> buttons = {ui->ModeRadioBtn1, ui->ModeRadioBtn2, ui->ModeRadioBtn3, ui->ModeRadioBtn4,
                                           ui->ModeRadioBtn5, ui->ModeRadioBtn6, ui->ModeRadioBtn7, ui->ModeRadioBtn8,
                                           ui->ModeRadioBtn9, ui->ModeRadioBtn10};
    for (int i = 0; i < buttons.size(); ++i)
        m_modes->addButton(buttons.at(i), FirstMode + i);
    ui->ModeRadioBtn1->setChecked(true);
    connect(ui->discountRadioBtn, &QRadioButton::clicked, this, &ZQRebateSelectDialog::onDiscountClicked);
    connect(ui->discountPerRadioBtn, &QRadioButton::clicked, this, &ZQRebateSelectDialog::onDiscountPeriodClicked);
    connect(ui->EditBtn, &QPushButton::clicked, this, &ZQRebateSelectDialog::onEditClicked);
    connect(ui->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    if (value >= FirstMode && value <= LastMode) {
        ui->discountPerRadioBtn->setChecked(true);
        m_modes->button(value)->setChecked(true);
        onDiscountPeriodClicked();
    } else {
        ui->discountRadioBtn->setChecked(true);
        ui->discountEdt->setText(QString::number(value >= 0 && value < 128 ? value : 0));
        onDiscountClicked();
    }
}

ZQRebateSelectDialog::~ZQRebateSelectDialog() = default;

int ZQRebateSelectDialog::value() const
{
    if (ui->discountRadioBtn->isChecked())
        return ui->discountEdt->text().toInt();
    return m_modes->checkedId();
}

void ZQRebateSelectDialog::onDiscountClicked()
{
    ui->modeFrame->setEnabled(false);
    ui->EditBtn->setEnabled(false);
    ui->discountEdt->setEnabled(true);
}

void ZQRebateSelectDialog::onDiscountPeriodClicked()
{
    ui->modeFrame->setEnabled(true);
    ui->EditBtn->setEnabled(true);
    ui->discountEdt->setEnabled(false);
}

void ZQRebateSelectDialog::onEditClicked()
{
    emit editScheduleReq(value() - FirstMode);
}
