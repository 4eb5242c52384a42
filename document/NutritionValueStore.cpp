#include "document/NutritionValueStore.h"

#include "core/SqliteOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

namespace {
std::atomic<int> g_connectionNumber{0};
std::atomic<int> g_failAfterInserts{-1};

QString tr(const char *text)
{
    return QCoreApplication::translate("NutritionValueStore", text);
}

const QString kTable = QStringLiteral("NutritionInfo");
} // namespace

NutritionValueStore::NutritionValueStore(const QString &path)
    : m_path(path), m_connection(QStringLiteral("nutrition-values-%1").arg(++g_connectionNumber))
{
}

NutritionValueStore::~NutritionValueStore()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

void NutritionValueStore::failAfterInserts(int inserts)
{
    g_failAfterInserts = inserts;
}

QString NutritionValueStore::failure(const QString &reason) const
{
    return tr("\"%1\": %2").arg(QDir::toNativeSeparators(m_path), reason);
}

bool NutritionValueStore::open(QString *error)
{
    if (m_path.isEmpty()) {
        *error = tr("the PLU file has no name");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? QSqlDatabase::database(m_connection, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QString::fromLatin1(kSqliteConnectOptions));
    if (!db.open()) {
        *error = failure(db.lastError().text());
        return false;
    }
    // A file that is not a database opens, and fails at its first statement.
    const QStringList tables = db.tables();
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master"))) {
        *error = failure(probe.lastError().text());
        db.close();
        return false;
    }
    if (!tables.contains(kTable)) {
        QSqlQuery create(db);
        if (!create.exec(QStringLiteral(
                "Create table NutritionInfo(Flag INTEGER,LFCode TEXT,ItemId INTEGER,content REAL,NRV REAL)"))) {
            *error = failure(create.lastError().text());
            db.close();
            return false;
        }
    }
    return true;
}

bool NutritionValueStore::load(const QString &lfCode, QVector<NutritionValue> *values, QString *error)
{
    values->clear();
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("Select ItemId, content, NRV from NutritionInfo where LFCode = ?"));
    q.addBindValue(lfCode);
    if (!q.exec()) {
        *error = failure(q.lastError().text());
        return false;
    }
    while (q.next())
        values->append({q.value(0).toInt(), q.value(1).toDouble(), q.value(2).toDouble()});
    return true;
}

bool NutritionValueStore::loadAll(QHash<QString, QVector<NutritionValue>> *values, QString *error)
{
    values->clear();
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("Select LFCode, ItemId, content, NRV from NutritionInfo"))) {
        *error = failure(q.lastError().text());
        return false;
    }
    while (q.next())
        (*values)[q.value(0).toString()].append({q.value(1).toInt(), q.value(2).toDouble(), q.value(3).toDouble()});
    return true;
}

bool NutritionValueStore::save(const QString &lfCode, const QVector<NutritionValue> &values, QString *error)
{
    return replaceRows(&lfCode, {{lfCode, values}}, error);
}

bool NutritionValueStore::replaceAll(const QHash<QString, QVector<NutritionValue>> &values, QString *error)
{
    return replaceRows(nullptr, values, error);
}

bool NutritionValueStore::replaceRows(const QString *lfCode, const QHash<QString, QVector<NutritionValue>> &values,
                                      QString *error)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction()) {
        *error = failure(db.lastError().text());
        return false;
    }
    auto rollBack = [&](const QString &reason) {
        db.rollback();
        *error = failure(reason);
        return false;
    };
    QSqlQuery q(db);
    if (lfCode) {
        q.prepare(QStringLiteral("delete from NutritionInfo where LFCode = ?"));
        q.addBindValue(*lfCode);
    } else {
        q.prepare(QStringLiteral("delete from NutritionInfo"));
    }
    if (!q.exec())
        return rollBack(q.lastError().text());
    q.prepare(QStringLiteral("insert into NutritionInfo(Flag, LFCode, ItemId,content,NRV) values(0, ?, ?, ?, ?)"));
    int inserted = 0;
    for (auto it = values.begin(); it != values.end(); ++it) {
        for (const NutritionValue &v : it.value()) {
            if (g_failAfterInserts >= 0 && inserted >= g_failAfterInserts)
                return rollBack(tr("disk full"));
            q.addBindValue(it.key());
            q.addBindValue(v.itemId);
            q.addBindValue(v.content);
            q.addBindValue(v.nrv);
            if (!q.exec())
                return rollBack(q.lastError().text());
            ++inserted;
        }
    }
    if (!db.commit())
        return rollBack(db.lastError().text());
    return true;
}
