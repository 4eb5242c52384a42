#include "ScaleLinkLibrary.h"

#include <QCoreApplication>
#include <QDir>

QString ScaleLinkLibrary::libraryFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("zqslabelscale.dll");
#else
    return QStringLiteral("libzqslabelscale.so");
#endif
}

int ScaleLinkLibrary::entryPointCount()
{
#define ZQSCALE_COUNT(name, ret, args) +1
    return 0 ZQSCALE_ENTRY_POINTS(ZQSCALE_COUNT);
#undef ZQSCALE_COUNT
}

ScaleLinkLibrary::ScaleLinkLibrary(const QString &folder)
{
    const QString dir = folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
    m_library.setFileName(QDir(dir).filePath(libraryFileName()));
    if (!m_library.load()) {
        m_errorString = m_library.errorString();
        // Not beside the program: let the platform's search find it.
        m_library.setFileName(QStringLiteral("zqslabelscale"));
        if (!m_library.load()) {
            m_errorString += QLatin1Char('\n') + m_library.errorString();
            return;
        }
    }
    m_errorString.clear();
    resolveAll();
}

ScaleLinkLibrary::~ScaleLinkLibrary()
{
    if (m_library.isLoaded())
        m_library.unload();
}

void ScaleLinkLibrary::resolveAll()
{
#define ZQSCALE_RESOLVE(name, ret, args)                                                                               \
    name = reinterpret_cast<name##Fn>(m_library.resolve(#name));                                                       \
    if (name)                                                                                                          \
        ++m_resolved;
    ZQSCALE_ENTRY_POINTS(ZQSCALE_RESOLVE)
#undef ZQSCALE_RESOLVE
}
