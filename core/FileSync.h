#pragma once

#include <QString>

class QFileDevice;

// What it takes to make a written file durable and to put it in place, per platform.
namespace FileSync {
// Hands the file's written bytes to the disk.
bool flush(QFileDevice &file, QString *reason);
// Puts `from` in the place of `to` in one step, replacing it.
bool replace(const QString &from, const QString &to, QString *reason);
// Makes the names in a folder (renames, new and removed files) durable; nothing where the
// platform has no such step.
void syncFolder(const QString &folder);
} // namespace FileSync
