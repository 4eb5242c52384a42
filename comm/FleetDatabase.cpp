#include "comm/FleetDatabase.h"

#include "core/AppPaths.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

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
    if (!found.open()) {
        *error =
            QCoreApplication::translate("FleetDatabase", "cannot open \"%1\": %2").arg(file, found.lastError().text());
        return false;
    }
    for (const char *statement : kSchema) {
        QSqlQuery q(found);
        if (!q.exec(QString::fromLatin1(statement))) {
            *error = QCoreApplication::translate("FleetDatabase", "cannot lay out \"%1\": %2")
                         .arg(file, q.lastError().text());
            found.close();
            return false;
        }
    }
    *db = found;
    return true;
}
