#include "comm/FleetDatabase.h"

#include "core/AppPaths.h"
#include "core/SqliteOptions.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {
const char *const kConnection = "plu-fleet";

const char *const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS ScaleList(Name TEXT PRIMARY KEY, GroupName TEXT NOT NULL DEFAULT '', "
    "Address TEXT NOT NULL, Baud INTEGER NOT NULL, TimeoutMs INTEGER NOT NULL DEFAULT 0, Position INTEGER)",
    // One row per scale: a row per PLU would cost a send to many scales more than the sending.
    "CREATE TABLE IF NOT EXISTS SendPrints(Scale TEXT PRIMARY KEY, Prints BLOB NOT NULL)",
    "CREATE TABLE IF NOT EXISTS SendState(Scale TEXT PRIMARY KEY, FullSent INTEGER NOT NULL, "
    "LastOk INTEGER NOT NULL)",
};

// Columns added since the tables were first laid out; older databases get them on open.
struct AddedColumn
{
    const char *table;
    const char *column;
    const char *definition;
};
const AddedColumn kAddedColumns[] = {
    {"SendState", "InProgress", "INTEGER NOT NULL DEFAULT 0"},
    {"SendState", "PluCount", "INTEGER NOT NULL DEFAULT -1"},
    {"SendState", "Capacity", "INTEGER NOT NULL DEFAULT -1"},
    {"SendState", "Token", "TEXT NOT NULL DEFAULT ''"},
};

bool addMissingColumns(QSqlDatabase &db, QString *failed)
{
    for (const AddedColumn &c : kAddedColumns) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(c.table)))) {
            *failed = q.lastError().text();
            return false;
        }
        bool present = false;
        while (q.next())
            present = present || q.value(1).toString() == QLatin1String(c.column);
        if (present)
            continue;
        if (!q.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                        .arg(QLatin1String(c.table), QLatin1String(c.column), QLatin1String(c.definition)))) {
            *failed = q.lastError().text();
            return false;
        }
    }
    return true;
}
} // namespace

QString FleetDatabase::lastError(const QSqlDatabase &db)
{
    return db.lastError().text();
}

bool FleetDatabase::open(QSqlDatabase *db, QString *error)
{
    const QString name = QString::fromLatin1(kConnection);
    const QString file = AppPaths::localDatabaseFile();
    QSqlDatabase found = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                      : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    // Tests and the command line move the data folder between runs: follow it.
    if (found.isOpen() && found.databaseName() == file) {
        *db = found;
        return true;
    }
    found.close();
    found.setDatabaseName(file);
    found.setConnectOptions(QString::fromLatin1(kSqliteConnectOptions));
    if (!found.open()) {
        *error =
            QCoreApplication::translate("FleetDatabase", "cannot open \"%1\": %2").arg(file, found.lastError().text());
        return false;
    }
    QString failed;
    for (const char *statement : kSchema) {
        QSqlQuery q(found);
        if (!q.exec(QString::fromLatin1(statement)))
            failed = q.lastError().text();
    }
    if (!failed.isEmpty() || !addMissingColumns(found, &failed)) {
        *error = QCoreApplication::translate("FleetDatabase", "cannot lay out \"%1\": %2").arg(file, failed);
        found.close();
        return false;
    }
    *db = found;
    return true;
}
