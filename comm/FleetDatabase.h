#pragma once

#include <QSqlDatabase>
#include <QString>

// The scale list and the send fingerprints in the installation's database, on a connection of
// their own so that they do not depend on who else has the file open. Used from the operator's
// thread only.
class FleetDatabase
{
public:
    // Opens (and on first use lays out) the database of the current data folder. False with
    // *error when the file cannot be opened or its tables cannot be made.
    static bool open(QSqlDatabase *db, QString *error);
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
