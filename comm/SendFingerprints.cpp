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

bool SendFingerprints::read(const QString &scale, History *out, QString *error) const
{
    QSqlDatabase db;
    if (!FleetDatabase::open(&db, error))
        return false;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT FullSent, LastOk, InProgress, PluCount, Capacity, Token FROM SendState WHERE Scale = ?"));
    q.addBindValue(scale);
    if (!exec(q, error))
        return false;
    History h;
    if (q.next()) {
        h.fullSent = q.value(0).toBool();
        h.lastOk = q.value(1).toBool();
        h.inProgress = q.value(2).toBool();
        h.memory.plus = q.value(3).toInt();
        h.memory.capacity = q.value(4).toInt();
        h.memory.token = q.value(5).toString();
    }
    q.prepare(QStringLiteral("SELECT Prints FROM SendPrints WHERE Scale = ?"));
    q.addBindValue(scale);
    if (!exec(q, error))
        return false;
    if (q.next()) {
        const QByteArray blob = q.value(0).toByteArray();
        if (blob.size() % kPairSize != 0) {
            *error = tr("the send history of %1 is damaged").arg(scale);
            return false;
        }
        h.prints.reserve(blob.size() / kPairSize);
        for (int at = 0; at < blob.size(); at += kPairSize)
            h.prints.insert(qFromLittleEndian<qint64>(blob.constData() + at),
                            qFromLittleEndian<qint64>(blob.constData() + at + 8));
    }
    *out = h;
    return true;
}

bool SendFingerprints::plan(const QString &scale, const TPLUList &plus, const QVector<qint64> &prints, Plan *out,
                            QString *error) const
{
    History h;
    if (!read(scale, &h, error))
        return false;
    Plan p;
    p.recorded = h.memory;
    p.rows.reserve(plus.size());
    auto everything = [&](const QString &reason) {
        p.full = true;
        p.reason = reason;
        p.rows.clear();
        *out = p;
        return true;
    };
    if (h.inProgress)
        return everything(tr("sending everything: the last send did not finish"));
    if (!h.fullSent)
        return everything(tr("sending everything: the scale never had a full send from this installation"));
    if (!h.lastOk)
        return everything(tr("sending everything: the last send to the scale failed"));
    QSet<qint64> present;
    for (int i = 0; i < plus.size(); ++i) {
        const TPLU &plu = plus.at(i);
        present.insert(plu.LFCode);
        const auto it = h.prints.constFind(plu.LFCode);
        if (it == h.prints.constEnd() || it.value() != prints.at(i))
            p.rows.append(i);
    }
    int removed = 0;
    for (auto it = h.prints.constBegin(); it != h.prints.constEnd(); ++it) {
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
bool writePrints(QSqlDatabase &db, const QString &scale, const QHash<qint64, qint64> &prints, QString *error)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO SendPrints(Scale, Prints) VALUES(?, ?)"));
    q.addBindValue(scale);
    q.addBindValue(encodePrints(prints));
    return exec(q, error);
}

// The scale's row of SendState; fullSent -1 keeps what the row had (0 for a new one).
bool writeState(QSqlDatabase &db, const QString &scale, int fullSent, bool lastOk, bool inProgress,
                const ScaleMemoryState &memory, QString *error)
{
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("INSERT INTO SendState(Scale, FullSent, LastOk, InProgress, PluCount, Capacity, Token) "
                       "VALUES(:scale, MAX(:full, 0), :ok, :busy, :count, :capacity, :token) "
                       "ON CONFLICT(Scale) DO UPDATE SET FullSent = CASE WHEN :full < 0 THEN FullSent ELSE :full END, "
                       "LastOk = :ok, InProgress = :busy, PluCount = :count, Capacity = :capacity, Token = :token"));
    q.bindValue(QStringLiteral(":scale"), scale);
    q.bindValue(QStringLiteral(":full"), fullSent);
    q.bindValue(QStringLiteral(":ok"), lastOk ? 1 : 0);
    q.bindValue(QStringLiteral(":busy"), inProgress ? 1 : 0);
    q.bindValue(QStringLiteral(":count"), memory.plus);
    q.bindValue(QStringLiteral(":capacity"), memory.capacity);
    q.bindValue(QStringLiteral(":token"), memory.token.isNull() ? QString(QLatin1String("")) : memory.token);
    return exec(q, error);
}

void addPrints(QHash<qint64, qint64> &to, const TPLUList &plus, const QVector<qint64> &prints)
{
    for (int i = 0; i < plus.size(); ++i)
        to.insert(plus.at(i).LFCode, prints.at(i));
}

// A scale that keeps no token still has a count: the PLUs the history says it holds.
ScaleMemoryState afterSend(ScaleMemoryState after, const QHash<qint64, qint64> &prints)
{
    if (!after.known())
        after.plus = prints.size();
    return after;
}
} // namespace

bool SendFingerprints::markInProgress(const QString &scale, QString *error)
{
    QSqlDatabase db;
    if (!FleetDatabase::open(&db, error))
        return false;
    return writeState(db, scale, -1, false, true, ScaleMemoryState(), error);
}

bool SendFingerprints::recordFull(const QString &scale, const TPLUList &plus, const QVector<qint64> &prints,
                                  const ScaleMemoryState &after, QString *error)
{
    QSqlDatabase db;
    if (!FleetDatabase::open(&db, error))
        return false;
    QHash<qint64, qint64> all;
    all.reserve(plus.size());
    addPrints(all, plus, prints);
    return FleetDatabase::transaction(db, error, [&] {
        return writePrints(db, scale, all, error) &&
               writeState(db, scale, 1, true, false, afterSend(after, all), error);
    });
}

bool SendFingerprints::recordUpdate(const QString &scale, const TPLUList &sent, const QVector<qint64> &prints,
                                    const ScaleMemoryState &after, QString *error)
{
    QSqlDatabase db;
    if (!FleetDatabase::open(&db, error))
        return false;
    History h;
    if (!read(scale, &h, error))
        return false;
    addPrints(h.prints, sent, prints);
    return FleetDatabase::transaction(db, error, [&] {
        return writePrints(db, scale, h.prints, error) &&
               writeState(db, scale, -1, true, false, afterSend(after, h.prints), error);
    });
}

bool SendFingerprints::recordFailure(const QString &scale, QString *error)
{
    QSqlDatabase db;
    if (!FleetDatabase::open(&db, error))
        return false;
    return writeState(db, scale, -1, false, false, ScaleMemoryState(), error);
}
