// plu-xls-reader FILE: reads the first sheet of a binary Excel workbook with FreeXL and writes
// it to stdout in XlsReader's answer form. Runs apart from the program, so that a damaged file
// that upsets FreeXL takes down only this process.
#include "io/XlsReader.h"

#include <QCoreApplication>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // A hostile file may make FreeXL ask for any amount of memory or loop; neither lasts.
    rlimit memory{1024ul << 20, 1024ul << 20};
    setrlimit(RLIMIT_AS, &memory);
    alarm(150);
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fputs("usage: plu-xls-reader FILE\n", stderr);
        return 2;
    }
    Sheet sheet;
    SheetError error;
    XlsReader::readInProcess(args.at(1), &sheet, &error);
    const QByteArray answer = XlsReader::encode(sheet, error);
    return std::fwrite(answer.constData(), 1, static_cast<size_t>(answer.size()), stdout) ==
                       static_cast<size_t>(answer.size()) &&
                   std::fflush(stdout) == 0
               ? 0
               : 1;
}
