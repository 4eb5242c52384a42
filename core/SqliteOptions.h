#pragma once

// Connect options of every SQLite connection of the program. Another program (a second editor,
// plu-cli, the watcher) may hold a lock for a moment: wait for it instead of failing at once with
// "database is locked".
constexpr const char *kSqliteConnectOptions = "QSQLITE_BUSY_TIMEOUT=5000";
