#include "core/Language.h"

#include "core/AppPaths.h"
#include "core/PackageTypes.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {
std::unique_ptr<QTranslator> g_program;
std::unique_ptr<QTranslator> g_qt;
QString g_current;

void replace(std::unique_ptr<QTranslator> &slot, std::unique_ptr<QTranslator> next)
{
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::move(next);
    if (slot)
        QCoreApplication::installTranslator(slot.get());
}
} // namespace

const QVector<Language::Choice> &Language::choices()
{
    static const QVector<Choice> list = {
        {QStringLiteral("en_US"), QStringLiteral("English")},
        {QStringLiteral("zh_CN"), QStringLiteral("中文")},
    };
    return list;
}

bool Language::install(const QString &code)
{
    auto program = std::make_unique<QTranslator>();
    const QString qm = QStringLiteral("Lang/PLU_%1.qm").arg(code);
    const bool found =
        program->load(QStringLiteral("./") + qm) || program->load(AppPaths::resourceDir() + QLatin1Char('/') + qm);
    auto qt = std::make_unique<QTranslator>();
    const bool qtFound =
        qt->load(QLatin1String("qtbase_") + code, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    replace(g_program, found ? std::move(program) : nullptr);
    replace(g_qt, qtFound ? std::move(qt) : nullptr);
    g_current = code;
    PackageTypes::retranslate();
    return found;
}

QString Language::current()
{
    return g_current;
}
