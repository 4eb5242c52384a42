#include "PluCli.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

int main(int argc, char *argv[])
{
    std::unique_ptr<QCoreApplication> app;
    if (PluCli::drawsImages(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The same names as the editor, so both find the same per-user data folder.
    QCoreApplication::setApplicationName(QStringLiteral("PLU Manager"));
    QCoreApplication::setOrganizationName(QStringLiteral("PLU Manager"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLU_VERSION));
    PluCli cli;
    return cli.run(QCoreApplication::arguments());
}
