#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class SetHotkeyStyle;
}
class QButtonGroup;

// "Parameter set": the choice of the hotkey sheet type, stored in the settings. An open sheet
// editor takes the new type the next time it is shown.
class SetHotkeyStyle : public QDialog
{
    Q_OBJECT
public:
    explicit SetHotkeyStyle(QWidget *parent = nullptr);
    ~SetHotkeyStyle() override;

    int checkedType() const;

    // Named after its widget but connected explicitly: as a plain function, the form's by-name
    // wiring does not connect it a second time.
    void on_YESButton_clicked();

private:
    std::unique_ptr<Ui::SetHotkeyStyle> ui;
    QButtonGroup *m_types;
};
