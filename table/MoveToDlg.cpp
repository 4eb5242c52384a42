#include "table/MoveToDlg.h"

#include "ui_MoveToDlg.h"

MoveToDlg::MoveToDlg(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::MoveToDlg>())
{
    m_ui->setupUi(this);
    connect(m_ui->Btn_OK, &QPushButton::clicked, this, &MoveToDlg::onOkClicked);
    connect(m_ui->Btn_Cancel, &QPushButton::clicked, this, &MoveToDlg::reject);
}

MoveToDlg::~MoveToDlg() = default;

void MoveToDlg::onOkClicked()
{
    const QString text = m_ui->LE_Moye_To->text();
    if (text.isEmpty())
        return;
    emit sendData(text);
    accept();
}
