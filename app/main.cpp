#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "core/Language.h"
#include "core/TextCodec.h"
#include "core/ZQConfig.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
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

    Language::install(config->language());

    auto window = std::make_unique<MainWindow>();
    window->show();
    // Shown first, so that a warning about the file stands over the window it concerns.
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1) {
        MainWindow *shown = window.get();
        const QString path = args.at(1);
        QTimer::singleShot(0, shown, [shown, path] { shown->openArgument(path); });
    }
    const int code = app.exec();
    window.reset();
    config.reset();
    return code;
}
