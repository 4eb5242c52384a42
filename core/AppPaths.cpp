#include "core/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// Set by the build: the shared data folder seen from the installed program folder.
#ifndef PLU_RESOURCES_FROM_PROGRAMS
#define PLU_RESOURCES_FROM_PROGRAMS "../../share/plu-manager"
#endif

namespace {
QString g_override;
QString g_settingsOverride;
} // namespace

QString AppPaths::programDir()
{
    return QCoreApplication::applicationDirPath();
}

bool AppPaths::isInstalled()
{
    static const bool installed =
        QFileInfo(programDir() + QStringLiteral("/" PLU_RESOURCES_FROM_PROGRAMS "/Lang")).isDir();
    return installed;
}

QString AppPaths::resourceDir()
{
    if (!isInstalled())
        return programDir();
    return QDir::cleanPath(programDir() + QStringLiteral("/" PLU_RESOURCES_FROM_PROGRAMS));
}

QString AppPaths::imagePath(const QString &file)
{
    const QString local = QStringLiteral("./Images/") + file;
    if (QFileInfo::exists(local))
        return local;
    return resourceDir() + QStringLiteral("/Images/") + file;
}

QString AppPaths::dataDir()
{
    if (!g_override.isEmpty())
        return g_override;
    static const QString dir = [] {
        if (!isInstalled())
            return programDir();
        const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(user);
        return user;
    }();
    return dir;
}

void AppPaths::setDataDirOverride(const QString &dir)
{
    g_override = dir;
}

QString AppPaths::localDatabaseFile()
{
    const QString dir = dataFile(QStringLiteral("DB"));
    QDir().mkpath(dir);
    return dir + QStringLiteral("/KVB2600.db");
}

QString AppPaths::recoveryDir()
{
    const QString base =
        g_override.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : g_override;
    return base + QStringLiteral("/Recovery");
}

QString AppPaths::settingsFile()
{
    return g_settingsOverride.isEmpty() ? dataFile(QStringLiteral("SYSTEM.CFG")) : g_settingsOverride;
}

void AppPaths::setSettingsFileOverride(const QString &path)
{
    g_settingsOverride = path;
}
