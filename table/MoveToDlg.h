#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class MoveToDlg;
}

// Asks for the row a PLU is to be moved to; hands the typed text out through sendData().
class MoveToDlg : public QDialog
{
    Q_OBJECT
public:
    explicit MoveToDlg(QWidget *parent = nullptr);
    ~MoveToDlg() override;

signals:
    void sendData(const QString &text);

private:
    void onOkClicked();

    std::unique_ptr<Ui::MoveToDlg> m_ui;
};
