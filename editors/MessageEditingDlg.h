#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class MessageEditingDlg;
}
class MessageStore;
class MessageTableModel;

// The message window: every message of the document in one grid (lines down, message numbers
// across), edited in place, imported from and exported to ".Msg" files. OK and Cancel only close
// it; edits stay in the store either way.
class MessageEditingDlg : public QDialog
{
    Q_OBJECT
public:
    explicit MessageEditingDlg(MessageStore *store, QWidget *parent = nullptr);
    ~MessageEditingDlg() override;

    // Shows the store as it is now (it may have changed since the window was last open).
    void reload();
    // Whether the store changed since the last call.
    bool takeChanged();

public slots:
    void onImportMsgClicked();
    void onSaveMsgClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::MessageEditingDlg> ui;
    MessageStore *m_store;
    MessageTableModel *m_model;
    bool m_changed = false;
};
