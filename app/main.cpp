#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "core/Language.h"
#include "core/TextCodec.h"
#include "core/ZQConfig.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <QVector>
#include <cstdio>
#include <memory>

namespace {
int print(FILE *stream, const QString &text, int code)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    return code;
}
} // namespace

int main(int argc, char *argv[])
{
    // --help and --version answer without a display; everything else waits until Qt has taken
    // its own options.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const CommandLine early(raw);
    if (early.outcome() == CommandLine::Outcome::Print)
        return print(stdout, early.text(), 0);

    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PLU Manager"));
    QApplication::setOrganizationName(QStringLiteral("PLU Manager"));
    QApplication::setApplicationVersion(QStringLiteral(PLU_VERSION));
    // The launcher's name: the desktop shell matches the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.plumanager.PluManager"));
    const CommandLine commandLine(QCoreApplication::arguments());
    if (commandLine.outcome() == CommandLine::Outcome::Refuse)
        return print(stderr, commandLine.text(), 2);
    qRegisterMetaType<QVector<int>>("QVector<int>");
    qRegisterMetaType<TPLUList>("TPLUList");

    auto config = std::make_unique<ZQConfig>(AppPaths::settingsFile());

    Language::install(config->language());

    auto window = std::make_unique<MainWindow>();
    window->show();
    // Shown first, so that a warning about the file stands over the window it concerns.
    if (!commandLine.file().isEmpty()) {
        MainWindow *shown = window.get();
        const QString path = commandLine.file();
        QTimer::singleShot(0, shown, [shown, path] { shown->openArgument(path); });
    }
    const int code = app.exec();
    window.reset();
    config.reset();
    return code;
}
