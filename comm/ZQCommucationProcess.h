#pragma once

#include "comm/SendPlan.h"
#include "comm/TransferJob.h"
#include "comm/TransferSnapshot.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QPair>
#include <QPointer>
#include <QStringList>
#include <QThread>
#include <atomic>
#include <memory>

class ScaleLinkLibrary;
class TransferTarget;

// Runs one transfer job against one scale on a thread of its own: connect, the job's fixed
// sequence of library calls, disconnect. What it sends comes from a snapshot taken before the
// start; what it receives goes to the target in the target's thread, in arrival order.
class ZQCommucationProcess : public QThread
{
    Q_OBJECT
public:
    // Loads the link library (from the program folder first) and hands it the settings file.
    explicit ZQCommucationProcess(QObject *parent = nullptr);
    ~ZQCommucationProcess() override;

    void setTransferParameters(const QString &link, const QString &baud, int linkType, int job);
    void setSnapshot(const TransferSnapshot &snapshot) { m_snapshot = snapshot; }
    void setTarget(TransferTarget *target) { m_target = target; }
    // A time-out of this link's own for every exchange after the connection; 0 keeps the
    // settings file's.
    void setLinkTimeoutMs(int ms) { m_linkTimeoutMs = ms; }
    // Lets PLU packets go ahead of the scale's answers on a TCP link, up to this many frames (see
    // docs/link-protocol.md); the PLU step waits for the last answers before it reports success.
    // 0 sends one packet at a time.
    void setSendAhead(int frames) { m_sendAhead = frames; }
    // "Send changes": the worker asks the scale whether the history still holds before it sends.
    void setSendPlan(const SendPlan &plan) { m_plan = plan; }
    // After the job: whether the PLU step cleared the scale and sent the whole list, and what the
    // scale said of its memory once the PLUs were through (unknown when it does not say).
    bool sentEverything() const { return m_sentEverything; }
    ScaleMemoryState stateAfter() const { return m_stateAfter; }
    // The job was done, but the scale did not answer the goodbye that ends the session.
    bool goodbyeMissed() const { return m_goodbyeMissed; }
    // What a job that ended early may have left on the scale: whether anything that changes the
    // scale went out, whether its PLUs were cleared, and how many PLUs of how many it took.
    bool changeSent() const { return m_changeSent; }
    bool clearSent() const { return m_clearSent; }
    int plusAnswered() const { return m_plusAnswered; }
    int plusToSend() const { return m_plusToSend; }
    // A connect-only job also reads what the scale's PLU memory holds (stateAfter()).
    void setReadsState(bool reads) { m_readsState = reads; }
    // Asks the library to break off the running call. Safe from the operator's thread.
    void requestBreak();
    bool isFinished() const { return m_finished; }
    bool libraryLoaded() const;

    // Tests and the command-line tool may point at the folder that holds the library.
    static void setLibraryFolder(const QString &folder);

signals:
    void updateTotalPackage(int total);
    void updateCurPackage(int current);
    void updateStatus(bool isError, const QString &msgStr);
    void updateFinish();
    // "Send changes" decided: everything (and why) or the changed PLUs only.
    void planChosen(bool everything, const QString &why);

protected:
    void run() override;

private:
    bool runSequence();
    // Hands the library this link's own settings; false (and the link closed) when it refuses.
    bool applyLinkSettings();
    bool setLinkSettings(const QByteArray &json);
    // Waits until the scale has answered every packet sent ahead: 0, or the failure among them.
    int settleSentAhead();
    bool sendPlus(bool clearFirst);
    // ready: the list's packets when coded beforehand. stateKnown: m_stateBefore was just read.
    // snapshotList: plus is the snapshot's list, whose packets may be coded already.
    bool sendPluList(const TPLUList &plus, bool snapshotList, bool clearFirst, bool stateKnown);
    // PLUs of this link the scale answered so far (sending ahead), -1 when the library cannot say.
    qint64 answeredPlus();
    bool sendChanges();
    // Why the history of "Send changes" cannot be trusted; empty when the scale confirms it.
    QString untrustedReason(const ScaleMemoryState &now);
    // Asks the scale what its PLU memory holds. False only when the link failed; a scale or
    // library that does not say leaves *state unknown.
    bool readState(ScaleMemoryState *state);
    // Counts the scale's PLUs by reading them; -1 when that is not possible either.
    int countPlus();
    QString memoryFullText() const;
    // Job 4 fails only on a negative result, the sheet editor's job 8 on any non-zero one.
    bool sendHotkeys(const TPLUList &plus, bool strict);
    bool sendAdvertising();
    bool sendMessages();
    bool sendSchedule();
    bool sendNutritionTable();
    bool sendPluNutrition();
    // The nutrition stores as read before the job: false (and the job failed) when unreadable.
    bool nutritionReadable();
    bool uploadPlus();
    bool uploadAdvertising();
    bool uploadMessages();
    bool uploadSchedule();
    bool sendDepartments();
    bool uploadDepartments();
    bool sendPackTypes();
    bool uploadPackTypes();
    bool fail(const QString &text);
    void status(const char *text);

    // Record callbacks of the library; they run on this thread during an upload call.
    static void onPlu(const char *json, int itemNo, int reserved);
    static void onMessage(const char *json, int itemNo, int reserved);
    static void onPeriods(const char *json, int itemNo, int reserved);
    static void onHotkeyFunctions(const char *json, int itemNo, int reserved);
    static void onDepartments(const char *json, int itemNo, int reserved);
    static void onPackTypes(const char *json, int itemNo, int reserved);
    static void onState(const char *json, int itemNo, int reserved);
    static void onAnswered(const char *json, int itemNo, int reserved);
    // Runs fn in the target's thread and waits for it.
    template <typename F> void handOver(F &&fn);
    // Hands the PLUs received since the last batch to the target, in order.
    void handOverPlus();

    std::unique_ptr<ScaleLinkLibrary> m_lib;
    QString m_link;
    QString m_baud;
    int m_linkType = LinkTcp;
    int m_linkTimeoutMs = 0;
    int m_sendAhead = 0;
    bool m_sendingAhead = false; // the library took the window
    int m_job = 0;
    int m_handle = 0;
    TransferSnapshot m_snapshot;
    QPointer<TransferTarget> m_target;
    QStringList m_collectedMessages;
    // PLUs go over in batches: one blocking hand-over per record costs two thread switches,
    // which dominated uploads of a full table.
    QVector<QPair<int, TPLU>> m_pendingPlus;
    QElapsedTimer m_sinceHandOver;
    std::atomic<bool> m_finished{false};
    SendPlan m_plan;
    bool m_sentEverything = false;
    bool m_goodbyeMissed = false;
    bool m_readsState = false;
    std::atomic<bool> m_changeSent{false};
    std::atomic<bool> m_clearSent{false};
    std::atomic<int> m_plusAnswered{0};
    std::atomic<int> m_plusToSend{0};
    qint64 m_answeredRead = -1;
    ScaleMemoryState m_stateBefore;
    ScaleMemoryState m_stateAfter;
    ScaleMemoryState m_stateRead; // filled by onState
};
