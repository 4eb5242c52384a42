#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVector>

struct DownloadSelection;

// Every send to a scale, from the editor, plu-cli or the watcher, in the installation database:
// what went where, when, and how it ended. The newest entries are kept (Limit); writing one never
// holds up or fails a send.
class SendJournal
{
    Q_DECLARE_TR_FUNCTIONS(SendJournal)
public:
    static constexpr int Limit = 100000;

    struct Entry
    {
        QDateTime at; // when the send to this scale ended, UTC
        QString program;
        QString file;
        QString digest; // of the PLUs sent, whatever file they came from
        QString scale;  // "NAME (ADDRESS)" or the address
        QString parts;  // "plu,message", ...
        int plus = -1;  // PLUs sent; -1 when the send carries none
        QString result; // "ok", "failed" or "cancelled"
        QString reason;
        qint64 durationMs = 0;
    };
    // Who sends: "editor" unless a program says otherwise at its start.
    static void setProgram(const QString &name);
    static QString program();

    // keep: how many of the newest entries stay (Limit but in tests).
    static bool record(const Entry &entry, QString *error, int keep = Limit);

    struct Filter
    {
        QString scale;   // part of the scale's name or address; empty: every scale
        QDateTime since; // invalid: from the first
        QDateTime until; // invalid: to the last
        bool failedOnly = false;
    };
    // Newest first.
    static bool read(const Filter &filter, QVector<Entry> *entries, QString *error);
    // The last send that ended well and the last that did not, per scale (as the journal names it).
    struct Summary
    {
        QDateTime lastOk;
        QString lastOkFile;
        QDateTime lastFailure;
        QString lastFailureReason;
    };
    static bool summaries(QHash<QString, Summary> *byScale, QString *error);
    // With a caption row; times in ISO 8601, UTC.
    static QByteArray toCsv(const QVector<Entry> &entries);
    // The parts a selection sends, as plu-cli's --parts names them.
    static QString partsText(const DownloadSelection &parts);
};
