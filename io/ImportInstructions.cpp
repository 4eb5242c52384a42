#include "io/ImportInstructions.h"

#include "core/AppPaths.h"
#include "core/AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextCodec>

// The resources live in a static library: nothing would pull them in otherwise. Outside any
// namespace, as the macro wants.
static void initResources()
{
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(io);
        done = true;
    }
}

QString ImportInstructions::fileName(const QString &language)
{
    return language.contains(QLatin1String("zh_CN")) ? QStringLiteral("ImportReadMe_cn.txt")
                                                     : QStringLiteral("ImportReadMe_ENG.txt");
}

QString ImportInstructions::ensureFile(const QString &language, QString *error)
{
    const QString name = fileName(language);
    const QString path = AppPaths::dataFile(name);
    if (QFile::exists(path))
        return path;
    initResources();
    QFile resource(QStringLiteral(":/file/") + name);
    if (!resource.open(QIODevice::ReadOnly)) {
        *error = ImportInstructions::tr("The instructions are missing from the program.");
        return QString();
    }
    // The Chinese text is kept in GBK, the English one is ASCII.
    QTextCodec *source = QTextCodec::codecForName(name.contains(QLatin1String("_cn")) ? "GBK" : "UTF-8");
    const QString text = source->toUnicode(resource.readAll());
    if (!AtomicFile::write(path, QTextCodec::codecForLocale()->fromUnicode(text), error))
        return QString();
    return path;
}
