#pragma once

#include "comm/ScaleList.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class QComboBox;
class QTableWidget;

// The "Scales" window: the named scales of the installation, with their groups. The operator
// adds, edits and removes scales, tests their connection, imports and exports the list, and
// chooses scales or whole groups to send to; the controller does the sending.
class ScaleListDlg : public QDialog
{
    Q_OBJECT
public:
    explicit ScaleListDlg(QWidget *parent = nullptr);

    ScaleList &list() { return m_list; }
    // Reads the list again and shows it; false (with a warning shown) when it cannot be read.
    bool reload();
    QVector<ScaleEntry> chosenScales() const;
    bool verifyAfterSend() const;
    // What "Send changes" would send to each scale (by name) from the open file, for the board.
    void setPendingChanges(const QHash<QString, QString> &byScale);

signals:
    // job: JobDownloadPlu, JobUpdatePlu or JobDownloadAdvertising.
    void sendReq(int job, bool changesOnly, const QVector<ScaleEntry> &scales);
    void testReq(const QVector<ScaleEntry> &scales);

private:
    void fill();
    // The board's columns: the journal's last sends, what changes would go, whether it answers.
    void fillBoard();
    void checkAll();
    void onAdd();
    void onEdit();
    void onRemove();
    void onAddLink();
    void onImport();
    void onExport();
    void onGroupChosen(int index);
    // Asks for the fields of a scale; false when cancelled.
    bool editEntry(ScaleEntry *entry, const QString &title);
    bool chosenOrWarn(QVector<ScaleEntry> *scales);
    void warn(const QString &text);

    ScaleList m_list;
    QTableWidget *m_table;
    QComboBox *m_groupBox;
    QCheckBox *m_verifyBox;
    QHash<QString, QString> m_pending;
    QHash<QString, QString> m_answers; // by scale name, from the last "Check now"
    class FleetSend *m_check = nullptr;
};
