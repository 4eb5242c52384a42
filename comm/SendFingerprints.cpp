#include "comm/SendFingerprints.h"

#include "comm/FleetDatabase.h"
#include "comm/ScaleRecords.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtEndian>
#include <cstring>

qint64 SendFingerprints::fingerprint(const TPLU &plu)
{
    const QByteArray bytes = QJsonDocument(ScaleRecords::pluToJson(plu)).toJson(QJsonDocument::Compact);
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    qint64 value = 0;
    std::memcpy(&value, digest.constData(), sizeof value);
    return value;
}

QVector<qint64> SendFingerprints::fingerprints(const TPLUList &plus)
{
    QVector<qint64> out;
    out.reserve(plus.size());
    for (const TPLU &plu : plus)
        out.append(fingerprint(plu));
    return out;
}

namespace {
// A scale's fingerprints are kept as one value: pairs of LF code and fingerprint, 8 bytes each,
// little-endian.
constexpr int kPairSize = 16;

QByteArray encodePrints(const QHash<qint64, qint64> &prints)
{
    QByteArray out(prints.size() * kPairSize, Qt::Uninitialized);
    char *at = out.data();
    for (auto it = prints.constBegin(); it != prints.constEnd(); ++it, at += kPairSize) {
        qToLittleEndian(it.key(), at);
        qToLittleEndian(it.value(), at + 8);
    }
    return out;
}

bool exec(QSqlQuery &q, QString *error)
{
    if (q.exec())
        return true;
    *error = q.lastError().text();
    return false;
}
} // namespace

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
    if (!exec(q, error))
        return false;
    *fullSent = false;
    *lastOk = false;
    if (q.next()) {
        *fullSent = q.value(0).toBool();
        *lastOk = q.value(1).toBool();
    }
    prints->clear();
    q.prepare(QStringLiteral("SELECT Prints FROM SendPrints WHERE Scale = ?"));
    q.addBindValue(scale);
    if (!exec(q, error))
        return false;
    if (!q.next())
        return true;
    const QByteArray blob = q.value(0).toByteArray();
    if (blob.size() % kPairSize != 0) {
        *error = tr("the send history of %1 is damaged").arg(scale);
        return false;
    }
    prints->reserve(blob.size() / kPairSize);
    for (int at = 0; at < blob.size(); at += kPairSize)
        prints->insert(qFromLittleEndian<qint64>(blob.constData() + at),
                       qFromLittleEndian<qint64>(blob.constData() + at + 8));
    return true;
}

bool SendFingerprints::plan(const QString &scale, const TPLUList &plus, const QVector<qint64> &prints, Plan *out,
                            QString *error) const
{
    QHash<qint64, qint64> kept;
    bool fullSent = false, lastOk = false;
    if (!read(scale, &kept, &fullSent, &lastOk, error))
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
        const auto it = kept.constFind(plu.LFCode);
        if (it == kept.constEnd() || it.value() != prints.at(i))
            p.rows.append(i);
    }
    int removed = 0;
    for (auto it = kept.constBegin(); it != kept.constEnd(); ++it) {
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
bool writeState(QSqlDatabase &db, const QString &scale, const char *sql, QString *error)
{
    QSqlQuery q(db);
    q.prepare(QString::fromLatin1(sql));
    // Every placeholder stands for the scale.
    for (int i = QByteArray(sql).count('?'); i > 0; --i)
        q.addBindValue(scale);
    return exec(q, error);
}

bool writePrints(QSqlDatabase &db, const QString &scale, const QHash<qint64, qint64> &prints, QString *error)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO SendPrints(Scale, Prints) VALUES(?, ?)"));
    q.addBindValue(scale);
    q.addBindValue(encodePrints(prints));
    return exec(q, error);
}

void addPrints(QHash<qint64, qint64> &to, const TPLUList &plus, const QVector<qint64> &prints)
{
    for (int i = 0; i < plus.size(); ++i)
        to.insert(plus.at(i).LFCode, prints.at(i));
}
} // namespace

bool SendFingerprints::recordFull(const QString &scale, const TPLUList &plus, const QVector<qint64> &prints,
                                  QString *error)
{
    QSqlDatabase db;
    if (!FleetDatabase::open(&db, error))
        return false;
    QHash<qint64, qint64> all;
    all.reserve(plus.size());
    addPrints(all, plus, prints);
    return FleetDatabase::transaction(db, error, [&] {
        return writePrints(db, scale, all, error) &&
               writeState(db, scale, "INSERT OR REPLACE INTO SendState(Scale, FullSent, LastOk) VALUES(?, 1, 1)",
                          error);
    });
}

bool SendFingerprints::recordUpdate(const QString &scale, const TPLUList &sent, const QVector<qint64> &prints,
                                    QString *error)
{
    QSqlDatabase db;
    if (!FleetDatabase::open(&db, error))
        return false;
    QHash<qint64, qint64> all;
    bool fullSent = false, lastOk = false;
    if (!read(scale, &all, &fullSent, &lastOk, error))
        return false;
    addPrints(all, sent, prints);
    return FleetDatabase::transaction(db, error, [&] {
        return writePrints(db, scale, all, error) &&
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
