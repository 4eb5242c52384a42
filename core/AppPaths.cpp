#include "core/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString g_override;
QString g_settingsOverride;
} // namespace

QString AppPaths::programDir()
{
    return QCoreApplication::applicationDirPath();
}

QString AppPaths::imagePath(const QString &file)
{
    const QString local = QStringLiteral("./Images/") + file;
    if (QFileInfo::exists(local))
        return local;
    return programDir() + QStringLiteral("/Images/") + file;
}

QString AppPaths::dataDir()
{
    if (!g_override.isEmpty())
        return g_override;
    static const QString dir = [] {
        const QString program = programDir();
        if (QFileInfo(program).isWritable())
            return program;
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
