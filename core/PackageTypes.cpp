#include "core/PackageTypes.h"

#include <QCoreApplication>
#include <QHash>

namespace {
const char *const kNames[PackageTypes::Count] = {
    QT_TRANSLATE_NOOP("MainWindow", "Normal"),      QT_TRANSLATE_NOOP("MainWindow", "Fixed Weight"),
    QT_TRANSLATE_NOOP("MainWindow", "Fixed Price"), QT_TRANSLATE_NOOP("MainWindow", "Both Fixed"),
    QT_TRANSLATE_NOOP("MainWindow", "QR Code"),     QT_TRANSLATE_NOOP("MainWindow", "PT"),
};

QStringList &table()
{
    static QStringList names = PackageTypes::untranslatedNames();
    return names;
}

// The names of every language used in this run: a cell or an undo step written before the
// language changed still reads as its package type.
QHash<QString, int> &earlierNames()
{
    static QHash<QString, int> names;
    return names;
}
} // namespace

QStringList PackageTypes::untranslatedNames()
{
    QStringList list;
    for (const char *n : kNames)
        list << QString::fromLatin1(n);
    return list;
}

QStringList PackageTypes::names()
{
    return table();
}

QString PackageTypes::name(int code)
{
    return code >= 0 && code < Count ? table().at(code) : table().at(0);
}

int PackageTypes::code(const QString &name)
{
    const int i = table().indexOf(name);
    return i >= 0 ? i : earlierNames().value(name, 0);
}

void PackageTypes::retranslate()
{
    QStringList list;
    for (int code = 0; code < Count; ++code) {
        earlierNames().insert(table().at(code), code);
        list << QCoreApplication::translate("MainWindow", kNames[code]);
    }
    table() = list;
}
