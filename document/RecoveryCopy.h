#pragma once

#include "core/AtomicFile.h"
#include "document/FileSetStamp.h"
#include "document/PluDocument.h"

#include <QBitArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>
#include <QVector>

class RecoveryWorker;

// A copy of the whole unsaved document (grid and side files), kept in the per-user recovery folder
// while the document has unsaved changes, so that a crash or a power cut loses at most the last
// few seconds of work. The copy is made a moment after the edits pause (and now and then while
// they go on) without holding up the operator: the grid is coded on the operator's thread a few
// rows at a time between events, and only the rows changed since the last copy again; the coded
// lines and the side stores (shared, not copied) go to a thread of its own, which writes them.
// Each running editor writes into a folder of its own, held by a lock; the folder of an editor
// that died is what the next start offers back.
class RecoveryCopy : public QObject
{
    Q_OBJECT
public:
    explicit RecoveryCopy(PluDocument *doc, QObject *parent = nullptr);
    // Waits for the work asked for. The copy stays: a window torn down without a clean quit
    // (discard first) leaves it, as a crash would.
    ~RecoveryCopy() override;

    // How long edits must pause before a copy is written; while they go on, one is written at
    // least every `longest` milliseconds.
    void setDelay(int ms, int longest);
    // The files the document came from as they were read, kept with the copy.
    void setStamp(const FileSetStamp &stamp) { m_stamp = stamp; }
    // The document changed: a copy follows once the edits pause.
    void schedule();
    // Starts a copy now: the grid is coded a slice of rows per turn of the event loop, then written.
    void writeNow();
    // No copy is needed any more (saved, discarded, closed): removes it.
    void discard();
    // Codes what is left at once and waits until every write and removal asked for is done.
    void flush();

    // A copy in the recovery folder.
    struct Found
    {
        QString folder;
        QString original; // the document's file; empty for a list that was never saved
        QDateTime saved;  // when the copy was written
        int rows = 0;
    };
    // Copies whose editor is no longer running (it crashed, or the power went), newest first.
    static QVector<Found> orphans();
    // Loads a copy into the document: its content, under the original file name, modified, with
    // no history. *stamp receives the original files as the copy's editor had read them.
    static bool restore(const Found &found, PluDocument *doc, FileSetStamp *stamp, QString *error);
    static void remove(const Found &found);

    // One copy's data, taken on the operator's thread.
    struct Snapshot
    {
        QVector<QByteArray> lines; // the grid, coded row by row (RecoveryGrid)
        int rowCount = 0;
        MessageStore messages;
        ScheduleStore schedules;
        AdvertisingList advertising;
        QString file;
        QString info;
        QString msg;
        QString rsc;
        FileSetStamp stamp;
    };
    // The files of a copy in a folder (any thread); they are written as one set, all or nothing.
    static QVector<AtomicFile::Member> code(const QString &folder, const Snapshot &snapshot);
    // Rows coded per turn of the event loop (about a millisecond's work).
    static constexpr int SliceRows = 1000;

signals:
    void written(bool ok, const QString &error);

private:
    void rowsChanged(int first, int last);
    // Codes up to SliceRows rows that changed; once none is left, hands the copy to the thread.
    void codeSlice();

    PluDocument *m_doc;
    QVector<QByteArray> m_lines; // shared with the copy being written
    QBitArray m_stale;           // rows to code again; marked apart, so a keystroke never copies m_lines
    QTimer m_slicer;
    bool m_coding = false;
    FileSetStamp m_stamp;
    QTimer m_timer;
    QElapsedTimer m_pendingSince;
    int m_longest = 30000;
    // One write at a time: changes made while one runs go into the next, taken when it ends.
    bool m_writing = false;
    bool m_again = false;
    QThread m_thread;
    RecoveryWorker *m_worker;
};
