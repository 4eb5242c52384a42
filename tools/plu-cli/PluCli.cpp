#include "PluCli.h"

#include "comm/ScaleJobRunner.h"
#include "comm/TransferJob.h"
#include "comm/TransferSnapshot.h"
#include "comm/TransferTarget.h"
#include "core/AppPaths.h"
#include "core/ZQConfig.h"
#include "document/PluDocument.h"
#include "document/PluFile.h"
#include "document/PluFileSet.h"

#include <QCommandLineParser>
#include <QEventLoop>
#include <QFileInfo>
#include <cstdio>
#include <memory>

namespace {
const char *const kDescription = QT_TRANSLATE_NOOP(
    "PluCli", "Sends PLU file sets to label scales, reads them back and converts PLU files.\n"
              "\n"
              "Commands:\n"
              "  send FILE --scale ADDR [--scale ADDR ...] [--update] [--parts LIST]\n"
              "      Loads the file set FILE (the main file with its .Info, .Msg and .RSC side files)\n"
              "      and sends it to every scale at once. LIST is a comma-separated choice of\n"
              "      plu, hotkey, info, message, schedule (default: plu). Sending PLUs clears the\n"
              "      scale's PLUs first; --update sends the PLUs without clearing, so the scale keeps\n"
              "      the articles the file does not hold.\n"
              "  fetch --scale ADDR -o FILE\n"
              "      Reads the PLUs, advertising, messages and discount schedules of one scale and\n"
              "      writes them as the file set FILE.\n"
              "  convert IN OUT\n"
              "      Reads IN (.txp, .txu or .csv, with its side files) and writes the file set OUT.\n"
              "  import SHEET OUT [--rows F-L] [--to T] [--columns LIST]\n"
              "      Reads the first sheet of SHEET (.xlsx, .xls, .ods or the editor's tab-separated\n"
              "      export) in the table's column order and writes its rows as the file set OUT.\n"
              "      Rows with fewer than 19 cells are not counted. --rows takes rows F to L of\n"
              "      those (default: all; \"2-\" skips a title row), --to puts the first at table row\n"
              "      T (default 1), --columns chooses the properties taken (default: all) from\n"
              "      name, lfcode, code, barcode, price, unit, qty, dept, tare, shelf, package,\n"
              "      pkgweight, tolerance, msg1, msg2, label, rebate, nutrition, ngtolerance.\n"
              "  export IN OUT.xlsx|OUT.xls\n"
              "      Writes the shown columns of the file set IN as a workbook (.xlsx) or as\n"
              "      tab-separated text (.xls), as the editor's \"Export to Excel\" does.\n"
              "  import-text FOREIGN.txt OUT\n"
              "      Reads a foreign vendor's text file by the custom import layout stored in the\n"
              "      settings file and writes its articles as the file set OUT.\n"
              "\n"
              "ADDR is an IPv4 address (TCP, port from the settings file), a.b.c.d:port, or a serial\n"
              "device path such as /dev/ttyUSB0 or COM3 (at --baud).\n"
              "\n"
              "stdout: one line per scale, \"ADDR: ok\" or \"ADDR: failed: REASON\".\n"
              "stderr: progress, one line per status or packet count, prefixed with the scale.\n"
              "Exit status: 0 success, 1 a transfer or a file failed, 2 bad arguments.");

QString optionName(const char *name)
{
    return QString::fromLatin1(name);
}
} // namespace

void PluCli::printOut(const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void PluCli::printErr(const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

bool PluCli::parseParts(const QString &text, DownloadSelection *parts, QString *error)
{
    DownloadSelection s;
    const QStringList names = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &raw : names) {
        const QString name = raw.trimmed().toLower();
        if (name == QLatin1String("plu"))
            s.plu = true;
        else if (name == QLatin1String("hotkey"))
            s.hotkey = true;
        else if (name == QLatin1String("info"))
            s.info = true;
        else if (name == QLatin1String("message"))
            s.message = true;
        else if (name == QLatin1String("schedule"))
            s.schedule = true;
        else {
            *error = tr("unknown part \"%1\" (choose from plu, hotkey, info, message, schedule)").arg(raw);
            return false;
        }
    }
    if (!s.any()) {
        *error = tr("--parts names no part");
        return false;
    }
    *parts = s;
    return true;
}

bool PluCli::parse(const QStringList &arguments, Options *options, QString *error, bool *helpShown)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(kDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption scale(optionName("scale"), tr("A scale to talk to; send takes several."), tr("ADDR"));
    const QCommandLineOption update(optionName("update"), tr("send: the PLUs only, without clearing the scale."));
    const QCommandLineOption parts(optionName("parts"), tr("send: the parts to send (default plu)."), tr("LIST"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    tr("fetch: the file set to write."), tr("FILE"));
    const QCommandLineOption baud(optionName("baud"), tr("Baud rate of serial scales (default 115200)."), tr("N"),
                                  QString::number(ScaleAddress::DefaultBaud));
    const QCommandLineOption config(optionName("config"),
                                    tr("The settings file (code page, price decimals, link port and "
                                       "time-out); default SYSTEM.CFG in the program's data folder."),
                                    tr("FILE"));
    const QCommandLineOption quiet({QStringLiteral("q"), QStringLiteral("quiet")}, tr("No progress on stderr."));
    const QCommandLineOption rows(optionName("rows"), tr("import: the sheet rows to take, F-L."), tr("F-L"));
    const QCommandLineOption to(optionName("to"), tr("import: the table row of the first (default 1)."), tr("T"));
    const QCommandLineOption columns(optionName("columns"), tr("import: the properties to take (default all)."),
                                     tr("LIST"));
    parser.addOptions({scale, update, parts, output, baud, config, quiet, rows, to, columns});
    parser.addPositionalArgument(QStringLiteral("command"), tr("send, fetch, convert, import, export or import-text."));
    parser.addPositionalArgument(QStringLiteral("files"), tr("The command's files."), tr("[FILE...]"));

    *helpShown = false;
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        printOut(parser.isSet(help)
                     ? parser.helpText()
                     : QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion());
        *helpShown = true;
        return true;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        *error = tr("no command given (send, fetch, convert, import, export or import-text)");
        return false;
    }
    options->command = positional.takeFirst();
    options->positional = positional;
    options->update = parser.isSet(update);
    options->output = parser.value(output);
    options->config = parser.value(config);
    options->quiet = parser.isSet(quiet);
    options->rows = parser.value(rows);
    options->to = parser.value(to);
    options->columns = parser.value(columns);
    if (!options->config.isEmpty() && !QFileInfo(options->config).isFile()) {
        *error = tr("settings file \"%1\" not found").arg(options->config);
        return false;
    }

    bool baudOk = false;
    const int baudRate = parser.value(baud).toInt(&baudOk);
    if (!baudOk) {
        *error = tr("--baud takes a number, not \"%1\"").arg(parser.value(baud));
        return false;
    }
    for (const QString &text : parser.values(scale)) {
        ScaleAddress address;
        if (!ScaleAddress::parse(text, baudRate, &address, error))
            return false;
        options->scales.append(address);
    }

    const QString &cmd = options->command;
    if (isSheetCommand(cmd))
        return checkSheetCommand(*options, parser.isSet(output) || parser.isSet(update) || parser.isSet(parts), error);
    if (parser.isSet(rows) || parser.isSet(to) || parser.isSet(columns)) {
        *error = tr("--rows, --to and --columns apply to import only");
        return false;
    }
    const bool isSend = cmd == QLatin1String("send");
    const bool isFetch = cmd == QLatin1String("fetch");
    const bool isConvert = cmd == QLatin1String("convert");
    if (!isSend && !isFetch && !isConvert) {
        *error = tr("unknown command \"%1\" (send, fetch, convert, import, export or import-text)").arg(cmd);
        return false;
    }
    const int wantedFiles = isSend ? 1 : isFetch ? 0 : 2;
    if (positional.size() != wantedFiles) {
        *error = isSend    ? tr("send takes one file set")
                 : isFetch ? tr("fetch takes no file argument; name the output with -o FILE")
                           : tr("convert takes an input and an output file");
        return false;
    }
    if (isConvert && !options->scales.isEmpty()) {
        *error = tr("convert talks to no scale; --scale does not apply");
        return false;
    }
    if (isSend && options->scales.isEmpty()) {
        *error = tr("send needs at least one --scale ADDR");
        return false;
    }
    if (isFetch && options->scales.size() != 1) {
        *error = tr("fetch reads from exactly one --scale ADDR");
        return false;
    }
    if (isFetch && options->output.isEmpty()) {
        *error = tr("fetch needs -o FILE");
        return false;
    }
    if (!isFetch && parser.isSet(output)) {
        *error = tr("-o applies to fetch only");
        return false;
    }
    if (!isSend && (parser.isSet(update) || parser.isSet(parts))) {
        *error = tr("--update and --parts apply to send only");
        return false;
    }
    if (options->update && parser.isSet(parts)) {
        *error = tr("--update sends the PLUs only; it takes no --parts");
        return false;
    }
    options->parts = DownloadSelection{};
    options->parts.plu = true;
    if (parser.isSet(parts) && !parseParts(parser.value(parts), &options->parts, error))
        return false;
    // The main file of a set is always written tab-separated; a .csv name would be read back
    // as a comma-separated list.
    const QString written = isFetch ? options->output : isConvert ? positional.at(1) : QString();
    if (!written.isEmpty() && PluFile::kindOf(written) == PluFile::Kind::CommaSeparated) {
        *error = tr("\"%1\": a file set is written tab-separated; name it .txp").arg(written);
        return false;
    }
    return true;
}

int PluCli::run(const QStringList &arguments)
{
    Options options;
    QString error;
    bool helpShown = false;
    if (!parse(arguments, &options, &error, &helpShown)) {
        printErr(tr("plu-cli: %1").arg(error));
        printErr(tr("Try \"plu-cli --help\"."));
        return BadUsage;
    }
    if (helpShown)
        return Success;

    // The settings decide the code page and price decimals of the files, and the link library
    // reads its port and time-out from the same file.
    if (!options.config.isEmpty())
        AppPaths::setSettingsFileOverride(QFileInfo(options.config).absoluteFilePath());
    ZQConfig config(AppPaths::settingsFile());

    if (options.command == QLatin1String("send"))
        return send(options);
    if (options.command == QLatin1String("fetch"))
        return fetch(options);
    if (isSheetCommand(options.command))
        return runSheetCommand(options);
    return convert(options);
}

bool PluCli::runAll(const QVector<ScaleJobRunner *> &runners, bool quiet)
{
    QEventLoop loop;
    int running = runners.size();
    for (ScaleJobRunner *runner : runners) {
        const QString name = runner->address().text();
        if (!quiet) {
            QObject::connect(runner, &ScaleJobRunner::statusChanged, runner,
                             [name](const QString &text, bool) { printErr(name + QLatin1String(": ") + text); });
            QObject::connect(runner, &ScaleJobRunner::progressChanged, runner, [name](int current, int total) {
                printErr(QStringLiteral("%1: %2/%3").arg(name).arg(current).arg(total));
            });
        }
        QObject::connect(runner, &ScaleJobRunner::ended, &loop, [&loop, &running] {
            if (--running == 0)
                loop.quit();
        });
    }
    for (ScaleJobRunner *runner : runners)
        runner->start();
    if (running > 0)
        loop.exec();

    bool allOk = true;
    for (ScaleJobRunner *runner : runners) {
        const QString name = runner->address().text();
        if (runner->succeeded()) {
            printOut(tr("%1: ok").arg(name));
        } else {
            allOk = false;
            const QString reason = runner->lastStatus().isEmpty() ? tr("no answer") : runner->lastStatus();
            printOut(tr("%1: failed: %2").arg(name, reason));
        }
    }
    return allOk;
}

int PluCli::send(const Options &options)
{
    const QString file = options.positional.at(0);
    if (!QFileInfo(file).isFile()) {
        printErr(tr("plu-cli: \"%1\": no such file").arg(file));
        return Failed;
    }
    PluDocument doc;
    QString error, warning;
    if (PluFileSet::load(&doc, file, &error, &warning) != PluFileSet::LoadResult::Loaded) {
        printErr(tr("plu-cli: \"%1\": %2").arg(file, error));
        return Failed;
    }
    if (!warning.isEmpty())
        printErr(tr("plu-cli: \"%1\": %2").arg(file, warning));

    TransferSnapshot snapshot = TransferSnapshot::take(&doc);
    snapshot.selection = options.parts;
    if (options.scales.size() > 1)
        snapshot.preparePluPackets();
    const int job = options.update ? JobUpdatePlu : JobDownloadPlu;
    std::vector<std::unique_ptr<ScaleJobRunner>> owned;
    QVector<ScaleJobRunner *> runners;
    for (const ScaleAddress &address : options.scales) {
        owned.push_back(std::make_unique<ScaleJobRunner>(address, job, snapshot, nullptr));
        runners.append(owned.back().get());
    }
    return runAll(runners, options.quiet) ? Success : Failed;
}

int PluCli::fetch(const Options &options)
{
    PluDocument doc;
    TransferTarget target(&doc);
    ScaleJobRunner runner(options.scales.first(), JobUploadPlu, TransferSnapshot::take(&doc), &target);
    if (!runAll({&runner}, options.quiet))
        return Failed;
    QString error;
    if (!PluFileSet::save(&doc, options.output, PluFileSet::sidePathsForSaveAs(options.output), &error)) {
        printErr(tr("plu-cli: \"%1\": %2").arg(options.output, error));
        return Failed;
    }
    return Success;
}

int PluCli::convert(const Options &options)
{
    const QString in = options.positional.at(0);
    const QString out = options.positional.at(1);
    if (!QFileInfo(in).isFile()) {
        printErr(tr("plu-cli: \"%1\": no such file").arg(in));
        return Failed;
    }
    PluDocument doc;
    QString error, warning;
    if (PluFileSet::load(&doc, in, &error, &warning) != PluFileSet::LoadResult::Loaded) {
        printErr(tr("plu-cli: \"%1\": %2").arg(in, error));
        return Failed;
    }
    if (!warning.isEmpty())
        printErr(tr("plu-cli: \"%1\": %2").arg(in, warning));
    if (!PluFileSet::save(&doc, out, PluFileSet::sidePathsForSaveAs(out), &error)) {
        printErr(tr("plu-cli: \"%1\": %2").arg(out, error));
        return Failed;
    }
    return Success;
}
