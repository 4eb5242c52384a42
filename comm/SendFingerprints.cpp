#include "comm/SendFingerprints.h"

#include "comm/FleetDatabase.h"
#include "comm/ScaleRecords.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <cstring>

qint64 SendFingerprints::fingerprint(const TPLU &plu)
{
    const QByteArray bytes = QJsonDocument(ScaleRecords::pluToJson(plu)).toJson(QJsonDocument::Compact);
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    qint64 value = 0;
    std::memcpy(&value, digest.constData(), sizeof value);
    return value;
}

bool SendFingerprints::read(const QString &scale, QHash<qint64, qint64> *prints, bool *fullSent, bool *lastOk,
                            QString *error) const
{
    QSqlDatabase db;
    if (!FleetDatabase::open(&db, error))
        return false;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT FullSent, LastOk FROM SendState WHERE Scale = ?"));
    q.addBindValue(scale);
    if (!q.exec()) {
        *error = q.lastError().text();
        return false;
    }
    *fullSent = false;
    *lastOk = false;
    if (q.next()) {
        *fullSent = q.value(0).toBool();
        *lastOk = q.value(1).toBool();
    }
    prints->clear();
    q.prepare(QStringLiteral("SELECT LFCode, Fingerprint FROM SendFingerprint WHERE Scale = ?"));
    q.addBindValue(scale);
    if (!q.exec()) {
        *error = q.lastError().text();
        return false;
    }
    while (q.next())
        prints->insert(q.value(0).toLongLong(), q.value(1).toLongLong());
    return true;
}

bool SendFingerprints::plan(const QString &scale, const TPLUList &plus, Plan *out, QString *error) const
{
    QHash<qint64, qint64> prints;
    bool fullSent = false, lastOk = false;
    if (!read(scale, &prints, &fullSent, &lastOk, error))
        return false;
    Plan p;
    p.rows.reserve(plus.size());
    auto everything = [&](const QString &reason) {
        p.full = true;
        p.reason = reason;
        p.rows.clear();
        for (int i = 0; i < plus.size(); ++i)
            p.rows.append(i);
        *out = p;
        return true;
    };
    if (!fullSent)
        return everything(tr("sending everything: the scale never had a full send from this installation"));
    if (!lastOk)
        return everything(tr("sending everything: the last send to the scale failed"));
    QSet<qint64> present;
    for (int i = 0; i < plus.size(); ++i) {
        const TPLU &plu = plus.at(i);
        present.insert(plu.LFCode);
        const auto it = prints.constFind(plu.LFCode);
        if (it == prints.constEnd() || it.value() != fingerprint(plu))
            p.rows.append(i);
    }
    int removed = 0;
    for (auto it = prints.constBegin(); it != prints.constEnd(); ++it) {
        if (!present.contains(it.key()))
            ++removed;
    }
    if (removed > 0)
        return everything(tr("sending everything: %n PLU(s) were removed since the last send", nullptr, removed));
    p.full = false;
    *out = p;
    return true;
}

namespace {
bool exec(QSqlQuery &q, QString *error)
{
    if (q.exec())
        return true;
    *error = q.lastError().text();
    return false;
}

bool writeState(QSqlDatabase &db, const QString &scale, const char *sql, QString *error)
{
    QSqlQuery q(db);
    q.prepare(QString::fromLatin1(sql));
    // Every placeholder stands for the scale.
    for (int i = QByteArray(sql).count('?'); i > 0; --i)
        q.addBindValue(scale);
    return exec(q, error);
}

bool upsertPrints(QSqlDatabase &db, const QString &scale, const TPLUList &plus, QString *error)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO SendFingerprint(Scale, LFCode, Fingerprint) VALUES(?, ?, ?)"));
    for (const TPLU &plu : plus) {
        q.bindValue(0, scale);
        q.bindValue(1, qint64(plu.LFCode));
        q.bindValue(2, SendFingerprints::fingerprint(plu));
        if (!exec(q, error))
            return false;
    }
    return true;
}
} // namespace

bool SendFingerprints::recordFull(const QString &scale, const TPLUList &plus, QString *error)
{
    QSqlDatabase db;
    if (!FleetDatabase::open(&db, error))
        return false;
    return FleetDatabase::transaction(db, error, [&] {
        return writeState(db, scale, "DELETE FROM SendFingerprint WHERE Scale = ?", error) &&
               upsertPrints(db, scale, plus, error) &&
               writeState(db, scale, "INSERT OR REPLACE INTO SendState(Scale, FullSent, LastOk) VALUES(?, 1, 1)",
                          error);
    });
}

bool SendFingerprints::recordUpdate(const QString &scale, const TPLUList &sent, QString *error)
{
    QSqlDatabase db;
    if (!FleetDatabase::open(&db, error))
        return false;
    return FleetDatabase::transaction(db, error, [&] {
        return upsertPrints(db, scale, sent, error) &&
               writeState(db, scale,
                          "INSERT OR REPLACE INTO SendState(Scale, FullSent, LastOk) VALUES(?, COALESCE((SELECT "
                          "FullSent FROM SendState WHERE Scale = ?), 0), 1)",
                          error);
    });
}

bool SendFingerprints::recordFailure(const QString &scale, QString *error)
{
    QSqlDatabase db;
    if (!FleetDatabase::open(&db, error))
        return false;
    return FleetDatabase::transaction(db, error, [&] {
        return writeState(db, scale,
                          "INSERT OR REPLACE INTO SendState(Scale, FullSent, LastOk) VALUES(?, COALESCE((SELECT "
                          "FullSent FROM SendState WHERE Scale = ?), 0), 0)",
                          error);
    });
}
