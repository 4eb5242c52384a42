#pragma once

#include "core/TPLU.h"
#include "document/DepartmentRecord.h"
#include "document/PluDocument.h"
#include "document/SchedulePeriod.h"

#include <QJsonArray>
#include <QObject>
#include <QPair>
#include <QStringList>
#include <QVector>
#include <functional>

// Where the records an upload from a scale brings are kept until the job has ended. Nothing
// reaches the document while the job runs: a failed or cancelled upload leaves it as it was, and
// whoever started the job takes what came only when it ended well (the editor as one undo step,
// the command-line tool with commit()). The worker drops the stage when a job begins, the editor
// when a job failed or was cancelled. A new kind of received data gets its part in Staged (a flag
// and the value), a receive method, and is applied where the job's starter takes the stage.
//
// Lives in the operator's thread; the worker hands records over with blocking queued calls (PLUs
// in small batches), so they arrive in order and are staged before the worker goes on.
class TransferTarget : public QObject
{
    Q_OBJECT
public:
    // What the running or last job brought; a part is there only when its step delivered it.
    struct Staged
    {
        bool hasPlus = false;
        QVector<PluTableModel::Row> rows; // the whole grid: received PLUs by item number, new rows elsewhere
        int rowCount = 0;
        bool hasMessages = false;
        QStringList messages;
        bool hasPeriods = false;
        QVector<SchedulePeriod> periods;
        bool hasAdvertising = false;
        QString adHead;
        QString adTail;
        bool hasHotkeyFunctions = false;
        QJsonArray hotkeyFunctions;
        bool hasDepartments = false;
        DepartmentRecords departments;
        bool hasPackTypes = false;
        QJsonArray packTypes;
    };

    explicit TransferTarget(PluDocument *doc, QObject *parent = nullptr);

    PluDocument *document() const { return m_doc; }
    // PLUs go to the sink as they arrive instead of being staged (a read-back that compares them).
    using PluSink = std::function<void(const QVector<QPair<int, TPLU>> &batch)>;
    void setPluSink(PluSink sink) { m_pluSink = std::move(sink); }

    // A job starts: what an earlier one brought is dropped.
    void begin();
    // A batch of PLUs with their item numbers (1-based rows). The first batch, even an empty
    // one, starts an empty table: the scale's list replaces the document's.
    void receivePlus(const QVector<QPair<int, TPLU>> &batch);
    void receiveMessages(const QStringList &messages);
    void receivePeriods(int itemNo, const QVector<SchedulePeriod> &periods);
    void receiveAdvertising(const QString &head, const QString &tail);
    void receiveHotkeyFunctions(int itemNo, const QJsonArray &functions);
    // Sets: every call replaces the whole set, an empty one too.
    void receiveDepartments(int itemNo, const DepartmentRecords &departments);
    void receivePackTypes(int itemNo, const QJsonArray &packTypes);

    const Staged &staged() const { return m_staged; }
    // The document's content with every staged part in place of its own.
    PluDocument::Content stagedContent() const;
    // Writes the staged parts straight into the document, without an undo step, and forgets them.
    void commit();
    void discard() { m_staged = Staged(); }

signals:
    void updateTotalPackage(int total);
    void updateCurPackage(int current);

private:
    void stagePlus(const QVector<QPair<int, TPLU>> &batch);

    PluDocument *m_doc;
    Staged m_staged;
    PluSink m_pluSink;
};
