#include "core/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString g_override;
}

QString AppPaths::programDir()
{
    return QCoreApplication::applicationDirPath();
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
