#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui {
class ZQMessageInputDialog;
}
class QStandardItemModel;

// Edits the 16 lines of one message, opened from a message cell of the PLU table.
class ZQMessageInputDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ZQMessageInputDialog(QWidget *parent = nullptr);
    ~ZQMessageInputDialog() override;

    // Numbers below 1 show message 1.
    void setMessage(int number, const QStringList &lines);
    // The 16 lines; *number is the message number the window shows.
    QStringList message(int *number) const;

private:
    std::unique_ptr<Ui::ZQMessageInputDialog> ui;
    QStandardItemModel *m_model;
};
