#include "comm/SendJournal.h"

#include "comm/DownloadSelection.h"
#include "core/InstallationDb.h"
#include "core/LogCategories.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {
QString &programName()
{
    static QString name = QStringLiteral("editor");
    return name;
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}
} // namespace

void SendJournal::setProgram(const QString &name)
{
    programName() = name;
}

QString SendJournal::program()
{
    return programName();
}

bool SendJournal::record(const Entry &e, QString *error, int keep)
{
    QSqlDatabase db;
    if (!InstallationDb::open(&db, error))
        return false;
    return InstallationDb::transaction(db, error, [&] {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO SendJournal(At, Program, File, Digest, Scale, Parts, Plus, Result, "
                                 "Reason, DurationMs) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        // A null text would be stored as NULL, which the columns refuse.
        auto text = [](const QString &s) { return s.isNull() ? QString(QLatin1String("")) : s; };
        for (const QVariant &v :
             {QVariant(e.at.toUTC().toMSecsSinceEpoch()), QVariant(text(e.program)), QVariant(text(e.file)),
              QVariant(text(e.digest)), QVariant(text(e.scale)), QVariant(text(e.parts)), QVariant(e.plus),
              QVariant(text(e.result)), QVariant(text(e.reason)), QVariant(e.durationMs)})
            q.addBindValue(v);
        if (!q.exec()) {
            *error = q.lastError().text();
            return false;
        }
        // Bounded: the oldest go as new ones come.
        const qint64 id = q.lastInsertId().toLongLong();
        q.prepare(QStringLiteral("DELETE FROM SendJournal WHERE Id <= ?"));
        q.addBindValue(id - keep);
        if (!q.exec()) {
            *error = q.lastError().text();
            return false;
        }
        return true;
    });
}

bool SendJournal::read(const Filter &f, QVector<Entry> *entries, QString *error)
{
    entries->clear();
    QSqlDatabase db;
    if (!InstallationDb::open(&db, error))
        return false;
    QStringList where;
    QVariantList values;
    if (!f.scale.isEmpty()) {
        where << QStringLiteral("Scale LIKE ? ESCAPE '\\'");
        QString pattern = f.scale;
        pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('%'), QLatin1String("\\%"))
            .replace(QLatin1Char('_'), QLatin1String("\\_"));
        values << QStringLiteral("%%1%").arg(pattern);
    }
    if (f.since.isValid()) {
        where << QStringLiteral("At >= ?");
        values << f.since.toUTC().toMSecsSinceEpoch();
    }
    if (f.until.isValid()) {
        where << QStringLiteral("At <= ?");
        values << f.until.toUTC().toMSecsSinceEpoch();
    }
    if (f.failedOnly)
        where << QStringLiteral("Result <> 'ok'");
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT At, Program, File, Digest, Scale, Parts, Plus, Result, Reason, DurationMs FROM "
                             "SendJournal%1 ORDER BY Id DESC")
                  .arg(where.isEmpty() ? QString() : QLatin1String(" WHERE ") + where.join(QLatin1String(" AND "))));
    for (const QVariant &v : qAsConst(values))
        q.addBindValue(v);
    if (!q.exec()) {
        *error = q.lastError().text();
        return false;
    }
    while (q.next()) {
        Entry e;
        e.at = QDateTime::fromMSecsSinceEpoch(q.value(0).toLongLong(), Qt::UTC);
        e.program = q.value(1).toString();
        e.file = q.value(2).toString();
        e.digest = q.value(3).toString();
        e.scale = q.value(4).toString();
        e.parts = q.value(5).toString();
        e.plus = q.value(6).toInt();
        e.result = q.value(7).toString();
        e.reason = q.value(8).toString();
        e.durationMs = q.value(9).toLongLong();
        entries->append(e);
    }
    return true;
}

bool SendJournal::summaries(QHash<QString, Summary> *byScale, QString *error)
{
    byScale->clear();
    QSqlDatabase db;
    if (!InstallationDb::open(&db, error))
        return false;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // SQLite takes the other columns from the row with the greatest time.
    if (!q.exec(QStringLiteral("SELECT Scale, Result = 'ok' AS Good, MAX(At), File, Reason FROM SendJournal "
                               "WHERE Scale <> '' GROUP BY Scale, Good"))) {
        *error = q.lastError().text();
        return false;
    }
    while (q.next()) {
        Summary &s = (*byScale)[q.value(0).toString()];
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(q.value(2).toLongLong(), Qt::UTC);
        if (q.value(1).toBool()) {
            s.lastOk = at;
            s.lastOkFile = q.value(3).toString();
        } else {
            s.lastFailure = at;
            s.lastFailureReason = q.value(4).toString();
        }
    }
    return true;
}

QByteArray SendJournal::toCsv(const QVector<Entry> &entries)
{
    QStringList lines{QStringLiteral("Time,Program,Scale,Result,Reason,PLUs,Parts,File,Digest,Duration (ms)")};
    for (const Entry &e : entries) {
        lines << QStringList{e.at.toUTC().toString(Qt::ISODate),
                             csvField(e.program),
                             csvField(e.scale),
                             csvField(e.result),
                             csvField(e.reason),
                             e.plus < 0 ? QString() : QString::number(e.plus),
                             csvField(e.parts),
                             csvField(e.file),
                             csvField(e.digest),
                             QString::number(e.durationMs)}
                     .join(QLatin1Char(','));
    }
    return (lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n")).toUtf8();
}

QString SendJournal::partsText(const DownloadSelection &parts)
{
    QStringList names;
    const std::pair<bool, const char *> all[] = {{parts.plu, "plu"},           {parts.hotkey, "hotkey"},
                                                 {parts.info, "info"},         {parts.message, "message"},
                                                 {parts.schedule, "schedule"}, {parts.nutrition, "nutrition"}};
    for (const auto &p : all) {
        if (p.first)
            names << QLatin1String(p.second);
    }
    return names.join(QLatin1Char(','));
}
