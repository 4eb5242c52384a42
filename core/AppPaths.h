#pragma once

#include <QString>

// Decides where the installation's data live ("SYSTEM.CFG", "DB/", "DeptSet.dat"): the program's
// folder when it is writable (portable use, the build tree), else the per-user application data
// folder. Everything asks here.
class AppPaths
{
public:
    static QString programDir();
    // A picture of the program: "./Images/" in the working folder first, then beside the program.
    static QString imagePath(const QString &file);
    static QString dataDir();
    static QString dataFile(const QString &name) { return dataDir() + QLatin1Char('/') + name; }
    // The installation's database "DB/KVB2600.db" in the data folder (its folder is made when
    // missing), shared by the package types, hotkey functions and the scale list.
    static QString localDatabaseFile();
    // Where the editor keeps the recovery copies of unsaved documents: "Recovery" in the per-user
    // application data folder, whatever the layout (the work is the user's, not the
    // installation's); under the test folder while tests point the data folder there.
    static QString recoveryDir();
    // "SYSTEM.CFG" in the data folder, unless a settings file was named explicitly.
    static QString settingsFile();
    // Tests point the data folder at a temporary folder; an empty path restores the rule above.
    static void setDataDirOverride(const QString &dir);
    // The command-line tool's "--config FILE": the settings store and the link library both
    // read this file instead. Only the settings file moves; the data folder stays. An empty path
    // restores the default.
    static void setSettingsFileOverride(const QString &path);
};
