#pragma once

#include "hotkey/HotkeyFunctionStore.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class QSqlQuery;

// The package type codes (PackTypeFun) and the function codes of hotkey layers (HotkeyFunDetail)
// in the installation's database "KVB2600.db", reached through its one owner (InstallationDb).
// Replacements are one transaction each, so a failure keeps the previous rows.
class LocalDatabase : public HotkeyFunctionStore
{
    Q_DECLARE_TR_FUNCTIONS(LocalDatabase)
public:
    LocalDatabase() = default;
    ~LocalDatabase() override;
    LocalDatabase(const LocalDatabase &) = delete;
    LocalDatabase &operator=(const LocalDatabase &) = delete;

    // Creates the folder, opens the file and creates both tables when missing. On failure the
    // error names the file and SQLite's reason.
    bool openLocalDatabase(const QString &path);
    void close();
    bool isOpen() const;
    QString fileName() const { return m_path; }
    // Why the last operation failed, or why the database is unavailable.
    QString lastError() const override { return m_error; }
    // The connection, for models that show a table.
    QSqlDatabase database() const;

    bool selectPackTypes(QSqlQuery &query);
    QStringList packTypeKeyValues();
    // Deletes every row, then inserts one per element's "KeyValue" (as text), in order.
    bool replacePackTypes(const QJsonArray &array);
    bool replacePackTypes(const QStringList &keyValues);

    bool selectHotkeyFunctions(QSqlQuery &query);
    HotkeyFunctionRows hotkeyFunctions() const override;
    bool insertHotkeyFunction(int hotKey, int keyValue);
    bool clearHotkeyFunctions();
    // Elements' "HotKey" and "KeyValue" as integers (missing gives 0).
    bool replaceHotkeyFunctions(const QJsonArray &array);
    bool replaceHotkeyFunctions(const HotkeyFunctionRows &rows) override;

private:
    bool fail(const QString &what, const QString &reason) const;
    bool ready() const;
    // Runs fill inside one transaction after deleting the table's rows; rolls back on failure.
    template <typename Fill> bool replaceAll(const char *table, Fill fill);

    QString m_path;
    bool m_open = false;
    mutable QString m_error;
};
