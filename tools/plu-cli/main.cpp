#include "PluCli.h"

#include <QGuiApplication>
#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    // Hotkey cards need fonts, hence a GUI application, but never a display.
    bool drawsCards = false;
    for (int i = 1; i < argc; ++i)
        drawsCards = drawsCards || std::strcmp(argv[i], "hotkey-sheet") == 0;
    if (drawsCards && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app =
        drawsCards ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    // The same names as the editor, so both find the same per-user data folder.
    QCoreApplication::setApplicationName(QStringLiteral("PLU Manager"));
    QCoreApplication::setOrganizationName(QStringLiteral("PLU Manager"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLU_VERSION));
    PluCli cli;
    return cli.run(QCoreApplication::arguments());
}
