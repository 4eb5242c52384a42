#pragma once

#include <QString>

// Where the program's files are. Two layouts, told apart by where the program is, never by what
// it may write:
// - portable (the build tree, a copied folder): pictures, translations, the guide and the data
//   ("SYSTEM.CFG", "DB/", "DeptSet.dat") all live in the program's folder;
// - installed (a package, `cmake --install`): the pictures, translations and guide are in the
//   shared data folder beside the private program folder (share/plu-manager), and the data in the
//   per-user application data folder, for root as for anyone, so that nothing is written under
//   the install prefix.
// Everything asks here.
class AppPaths
{
public:
    static QString programDir();
    static bool isInstalled();
    // The folder of "Images/", "Lang/" and "guide/".
    static QString resourceDir();
    // A picture of the program: "./Images/" in the working folder first, then the program's own.
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
