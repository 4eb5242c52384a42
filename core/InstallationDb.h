#pragma once

#include <QSqlDatabase>
#include <QString>

// The installation's database "KVB2600.db" has one owner: one connection, laid out in one place,
// through which every store in it goes (package types and hotkey functions, the scale list, the
// send history and journal, the watcher's queue). Used from the operator's thread only.
class InstallationDb
{
public:
    // Opens (and on first use lays out) the database of the current data folder, or the file at
    // `path`; follows the data folder when it moves (tests, plu-cli --data-dir). False with *error
    // when the file cannot be opened or laid out.
    static bool open(QSqlDatabase *db, QString *error, const QString &path = QString());
    // Runs fn inside one transaction: all of its writes or none. fn returns false with *error
    // set to roll back.
    template <typename F> static bool transaction(QSqlDatabase &db, QString *error, F &&fn)
    {
        if (!db.transaction()) {
            *error = lastError(db);
            return false;
        }
        if (!fn()) {
            db.rollback();
            return false;
        }
        if (!db.commit()) {
            *error = lastError(db);
            db.rollback();
            return false;
        }
        return true;
    }
    static QString lastError(const QSqlDatabase &db);
};
