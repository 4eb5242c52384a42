// plu-cli history: the send journal of the installation.
#include "PluCli.h"

#include "comm/SendJournal.h"

#include <QDateTime>

namespace {
// "2026-12-07" (from the start of that day) or "2026-12-07T14:30" and the like, local time.
QDateTime parseSince(const QString &text)
{
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (day.isValid())
        return day.startOfDay();
    return QDateTime::fromString(text, Qt::ISODate);
}
} // namespace

bool PluCli::checkHistoryCommand(Options &options, const QStringList &scaleNames, QString *error)
{
    if (!options.positional.isEmpty()) {
        *error = tr("history takes no file argument");
        return false;
    }
    if (scaleNames.size() > 1) {
        *error = tr("history takes one --scale NAME");
        return false;
    }
    if (!options.since.isEmpty() && !parseSince(options.since).isValid()) {
        *error = tr("--since takes a date as 2026-12-07 or a time as 2026-12-07T14:30, not \"%1\"").arg(options.since);
        return false;
    }
    options.scaleNames = scaleNames;
    return true;
}

int PluCli::history(const Options &options)
{
    SendJournal::Filter filter;
    filter.scale = options.scaleNames.value(0);
    if (!options.since.isEmpty())
        filter.since = parseSince(options.since);
    filter.failedOnly = options.failed;
    QVector<SendJournal::Entry> entries;
    QString error;
    if (!SendJournal::read(filter, &entries, &error)) {
        printErr(tr("plu-cli: the send journal: %1").arg(error));
        return Failed;
    }
    // Oldest first, as a log reads.
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        const SendJournal::Entry &e = *it;
        printOut(QStringList{e.at.toLocalTime().toString(Qt::ISODate), e.program, e.scale, e.result,
                             e.plus < 0 ? QStringLiteral("-") : QString::number(e.plus), e.parts, e.file, e.reason}
                     .join(QLatin1Char('\t')));
    }
    return Success;
}
