#include "hotkey/SetHotkeyStyle.h"

#include "hotkey/HotkeySheetTypes.h"
#include "ui_SetHotkeyStyle.h"

#include <QButtonGroup>
#include <QStyle>

SetHotkeyStyle::SetHotkeyStyle(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::SetHotkeyStyle>()), m_types(new QButtonGroup(this))
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint) &
                   ~(Qt::WindowContextHelpButtonHint | Qt::WindowMinMaxButtonsHint));
    const QList<QRadioButton *> buttons{ui->radioButton, ui->radioButton_2, ui->radioButton_3, ui->radioButton_4,
                                        ui->radioButton_5};
    for (int type = 0; type < buttons.size(); ++type) {
        buttons.at(type)->setText(HotkeySheetTypes::label(type));
        m_types->addButton(buttons.at(type), type);
    }
    m_types->setExclusive(true);
    m_types->button(HotkeySheetTypes::stored())->setChecked(true);
    ui->YESButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ui->NOButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(ui->YESButton, &QToolButton::clicked, this, &SetHotkeyStyle::on_YESButton_clicked);
    connect(ui->NOButton, &QToolButton::clicked, this, &QDialog::reject);
}

SetHotkeyStyle::~SetHotkeyStyle() = default;

int SetHotkeyStyle::checkedType() const
{
    return m_types->checkedId();
}

void SetHotkeyStyle::on_YESButton_clicked()
{
    HotkeySheetTypes::store(checkedType());
    accept();
}
