#include "PluCli.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The same names as the editor, so both find the same per-user data folder.
    QCoreApplication::setApplicationName(QStringLiteral("PLU Manager"));
    QCoreApplication::setOrganizationName(QStringLiteral("PLU Manager"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLU_VERSION));
    PluCli cli;
    return cli.run(QCoreApplication::arguments());
}
