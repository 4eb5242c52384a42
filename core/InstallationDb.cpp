#include "core/InstallationDb.h"

#include "core/AppPaths.h"
#include "core/SqliteOptions.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {
const char *const kConnection = "plu-installation";

const char *const kSchema[] = {
    // Package type codes and hotkey layer functions, as the scales know them.
    "CREATE TABLE IF NOT EXISTS PackTypeFun(ID INTEGER PRIMARY KEY,FunName varchar(30) NULL,KeyValue varchar(30) "
    "NULL,remark varchar(60) NULL)",
    "CREATE TABLE IF NOT EXISTS HotkeyFunDetail(ID INTEGER PRIMARY KEY,iHotKey integer ,KeyValue integer)",
    // The scale list and what was last sent to each scale.
    "CREATE TABLE IF NOT EXISTS ScaleList(Name TEXT PRIMARY KEY, GroupName TEXT NOT NULL DEFAULT '', "
    "Address TEXT NOT NULL, Baud INTEGER NOT NULL, TimeoutMs INTEGER NOT NULL DEFAULT 0, Position INTEGER)",
    // One row per scale: a row per PLU would cost a send to many scales more than the sending.
    "CREATE TABLE IF NOT EXISTS SendPrints(Scale TEXT PRIMARY KEY, Prints BLOB NOT NULL)",
    "CREATE TABLE IF NOT EXISTS SendState(Scale TEXT PRIMARY KEY, FullSent INTEGER NOT NULL, "
    "LastOk INTEGER NOT NULL)",
    // Every send to a scale, newest last; times in milliseconds since 1970, UTC.
    "CREATE TABLE IF NOT EXISTS SendJournal(Id INTEGER PRIMARY KEY AUTOINCREMENT, At INTEGER NOT NULL, "
    "Program TEXT NOT NULL, File TEXT NOT NULL, Digest TEXT NOT NULL, Scale TEXT NOT NULL, Parts TEXT NOT NULL, "
    "Plus INTEGER NOT NULL, Result TEXT NOT NULL, Reason TEXT NOT NULL, DurationMs INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS SendJournalAt ON SendJournal(At)",
    // The watcher's work: the files it took from an inbox, and the scales each still has to reach.
    "CREATE TABLE IF NOT EXISTS WatchFiles(Id INTEGER PRIMARY KEY AUTOINCREMENT, Inbox TEXT NOT NULL, "
    "Name TEXT NOT NULL, Path TEXT NOT NULL, State TEXT NOT NULL, TakenAt INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS WatchTargets(FileId INTEGER NOT NULL, Scale TEXT NOT NULL, State TEXT NOT NULL, "
    "Attempts INTEGER NOT NULL DEFAULT 0, NextTry INTEGER NOT NULL DEFAULT 0, LastError TEXT NOT NULL DEFAULT '', "
    "PRIMARY KEY(FileId, Scale))",
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

bool layOut(QSqlDatabase &db, QString *failed)
{
    QSqlQuery q(db);
    // One transaction: a new file is synced to disk once, not once per table. SQLite opens a damaged
    // or foreign file lazily, so the first statement is where that shows.
    if (!db.transaction()) {
        *failed = db.lastError().text();
        return false;
    }
    for (const char *statement : kSchema) {
        if (!q.exec(QString::fromLatin1(statement))) {
            *failed = q.lastError().text();
            db.rollback();
            return false;
        }
    }
    for (const AddedColumn &c : kAddedColumns) {
        if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(c.table)))) {
            *failed = q.lastError().text();
            db.rollback();
            return false;
        }
        bool present = false;
        while (q.next())
            present = present || q.value(1).toString() == QLatin1String(c.column);
        if (!present &&
            !q.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                        .arg(QLatin1String(c.table), QLatin1String(c.column), QLatin1String(c.definition)))) {
            *failed = q.lastError().text();
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        *failed = db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}
} // namespace

QString InstallationDb::lastError(const QSqlDatabase &db)
{
    return db.lastError().text();
}

bool InstallationDb::open(QSqlDatabase *db, QString *error, const QString &path)
{
    const QString name = QString::fromLatin1(kConnection);
    const QString file = path.isEmpty() ? AppPaths::localDatabaseFile() : path;
    QSqlDatabase found = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                      : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    if (found.isOpen() && found.databaseName() == file) {
        *db = found;
        return true;
    }
    found.close();
    found.setDatabaseName(file);
    found.setConnectOptions(QString::fromLatin1(kSqliteConnectOptions));
    if (!found.open()) {
        *error =
            QCoreApplication::translate("InstallationDb", "cannot open \"%1\": %2").arg(file, found.lastError().text());
        return false;
    }
    QString failed;
    // Write-ahead logging: a send to two hundred scales records each of them without a flush to the
    // disk per record, and readers do not wait for writers. A power cut may lose the last records;
    // every record here errs towards more work when it is missing (a send is in progress until
    // recorded as ended, and the scale is asked before its history is trusted).
    QSqlQuery(found).exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    QSqlQuery(found).exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    if (!layOut(found, &failed)) {
        *error = QCoreApplication::translate("InstallationDb", "cannot lay out \"%1\": %2").arg(file, failed);
        found.close();
        return false;
    }
    *db = found;
    return true;
}
