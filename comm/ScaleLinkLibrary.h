#pragma once

#include "zqslabelscale.h"

#include <QLibrary>
#include <QString>

// Loads the scale link library at run time, the way the program does: first from the program's
// folder, then by bare name through the platform's library search. Each entry point becomes a
// typed pointer named after it, null when the library lacks it. Unloads on destruction.
class ScaleLinkLibrary
{
public:
    // folder: where to look first; empty means the program's folder.
    explicit ScaleLinkLibrary(const QString &folder = QString());
    ~ScaleLinkLibrary();
    ScaleLinkLibrary(const ScaleLinkLibrary &) = delete;
    ScaleLinkLibrary &operator=(const ScaleLinkLibrary &) = delete;

    bool isLoaded() const { return m_library.isLoaded(); }
    // The file that was loaded, or the last error when none was.
    QString fileName() const { return m_library.fileName(); }
    QString errorString() const { return m_errorString; }
    int resolvedCount() const { return m_resolved; }
    static int entryPointCount();
    static QString libraryFileName();

#define ZQSCALE_DECLARE_MEMBER(name, ret, args) name##Fn name = nullptr;
    ZQSCALE_ENTRY_POINTS(ZQSCALE_DECLARE_MEMBER)
#undef ZQSCALE_DECLARE_MEMBER

private:
    void resolveAll();

    QLibrary m_library;
    QString m_errorString;
    int m_resolved = 0;
};
