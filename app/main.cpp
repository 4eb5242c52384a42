#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "core/TextCodec.h"
#include "core/ZQConfig.h"

#include <QApplication>
#include <QFileInfo>
#include <QTranslator>
#include <QVector>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PLU Manager"));
    QApplication::setOrganizationName(QStringLiteral("PLU Manager"));
    qRegisterMetaType<QVector<int>>("QVector<int>");
    qRegisterMetaType<TPLUList>("TPLUList");

    auto config = std::make_unique<ZQConfig>(AppPaths::settingsFile());

    const QString language = config->language();
    // The translation is looked for in the working folder first, then beside the program.
    auto translator = std::make_unique<QTranslator>();
    const QString qm = QStringLiteral("Lang/PLU_%1.qm").arg(language);
    if (translator->load(QStringLiteral("./") + qm) ||
        translator->load(QCoreApplication::applicationDirPath() + QLatin1Char('/') + qm))
        app.installTranslator(translator.get());

    auto window = std::make_unique<MainWindow>();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1)
        window->loadFile(args.at(1));
    window->show();
    const int code = app.exec();
    window.reset();
    translator.reset();
    config.reset();
    return code;
}
