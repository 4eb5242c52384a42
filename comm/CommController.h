#pragma once

#include "comm/ScaleEntry.h"
#include "comm/TransferTarget.h"

#include <QHash>
#include <QObject>
#include <QVector>

class EditorHost;
class ScaleListDlg;
class ZQCommunicationConfig;

// The transfers of the Communication menu and of the side editors: the link settings dialog,
// created on first use and kept, and the note when a job ended well.
class CommController : public QObject
{
    Q_OBJECT
public:
    CommController(EditorHost *host, TransferTarget *target, QObject *parent = nullptr);

    // An upload that ended well replaces the table and its side stores as one undo step; one that
    // failed or was cancelled changes nothing.
    void startCommunication(int job);
    // The "Scales" window: the scale list, and sends to many scales at once.
    void scales();
    // Communication > Send history.
    void sendHistory();

signals:
    // A job ended well: what it brought for stores outside the document (departments, package
    // types, hotkey functions), before the stage is dropped.
    void sideDataReceived(const TransferTarget::Staged &staged);

private:
    // A problem the check before a send found, chosen in its list.
    void showCell(int row, int column);
    void sendToMany(int job, bool changesOnly, const QVector<ScaleEntry> &scales);
    void testScales(const QVector<ScaleEntry> &scales);
    // For the board of the "Scales" window: what "Send changes" would send to each scale.
    QHash<QString, QString> pendingChanges() const;

    EditorHost *m_host;
    TransferTarget *m_target;
    ZQCommunicationConfig *m_dialog = nullptr;
    ScaleListDlg *m_scales = nullptr;
};
