#pragma once

#include <QStringList>

// The six package types. The names are translated once the translator is installed; the
// table cells and the file readers use the translated names.
class PackageTypes
{
public:
    static constexpr int Count = 6;
    static QStringList untranslatedNames();
    static QStringList names();
    static QString name(int code);
    // Index of the name, 0 ("Normal") when none matches.
    static int code(const QString &name);
    // Called by the main window after the translator is installed.
    static void retranslate();
};
