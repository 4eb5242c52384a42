#include "PluCli.h"

#include "comm/ScaleJobRunner.h"
#include "comm/SendCheck.h"
#include "comm/SendJournal.h"
#include "comm/TransferJob.h"
#include "comm/TransferSnapshot.h"
#include "comm/TransferTarget.h"
#include "core/AppPaths.h"
#include "core/AtomicFile.h"
#include "core/ZQConfig.h"
#include "document/PluDocument.h"
#include "document/PluFile.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"
#include "editors/BarcodeLayout.h"
#include "editors/BarcodePainter.h"
#include "hotkey/HotkeyCard.h"
#include "hotkey/HotkeySheet.h"
#include "hotkey/HotkeySheetFile.h"
#include "hotkey/HotkeySheetTypes.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace {
const char *const kDescription = QT_TRANSLATE_NOOP(
    "PluCli", "Sends PLU file sets to label scales, reads them back, converts PLU files, prints\n"
              "hotkey cards, draws barcodes, and imports and exports spreadsheets and foreign text files.\n"
              "\n"
              "Commands:\n"
              "  send FILE --scale ADDR [--scale ADDR ...] [--update] [--parts LIST]\n"
              "      Loads the file set FILE (the main file with its .Info, .Msg and .RSC side files)\n"
              "      and sends it to every scale at once. LIST is a comma-separated choice of\n"
              "      plu, hotkey, info, message, schedule, nutrition, department, packtype (default:\n"
              "      plu). Nutrition comes from the element table and per-PLU values the editor keeps\n"
              "      for FILE; the last two send the installation's department table and package\n"
              "      types. Sending PLUs clears the scale's PLUs first; --update sends the PLUs\n"
              "      without clearing, so the scale keeps the articles the file does not hold.\n"
              "      A file without any PLU row is not sent (it would empty the scales) unless\n"
              "      --allow-empty is given.\n"
              "  send FILE --group NAME|--all [--changed] [--verify]\n"
              "      Sends to the scales of the scale list (one group, or all of them). --changed sends\n"
              "      only the PLUs added or changed since the last send to each scale (everything when\n"
              "      PLUs were removed or the last send failed); --verify reads the PLUs back and\n"
              "      compares them with the file. --verify also works with --scale.\n"
              "  scales add NAME ADDR [--group G] [--baud N] | scales list | scales remove NAME |\n"
              "  scales test NAME|--group G\n"
              "      Keeps the scale list of the data folder; test connects and disconnects.\n"
              "  fetch --scale ADDR -o FILE [--parts department,packtype]\n"
              "      Reads the PLUs, advertising, messages, discount schedules and nutrition of one\n"
              "      scale and writes them as the file set FILE (nutrition into the editor's stores\n"
              "      for FILE); --parts also replaces the installation's department table and\n"
              "      package types with the scale's.\n"
              "  convert IN OUT\n"
              "      Reads IN (.txp, .txu or .csv, with its side files) and writes the file set OUT.\n"
              "  hotkey-sheet SOURCE [--type N] [--portrait] -o CARD.pdf\n"
              "      Writes the hotkey card of SOURCE as a one-page A4 PDF. SOURCE is a .Hotk sheet, or a\n"
              "      PLU file whose PLUs are laid out by their hotkeys as the sheet editor does. N is the\n"
              "      sheet type 0..4 (default: the type stored in the settings).\n"
              "  barcode FILE --row N [--weight KG] [-o OUT.png]\n"
              "      Prints the digits the scale puts into the barcode of row N (counted from 1, as\n"
              "      the grid's row numbers) for an article of KG kilograms (default 1), GS1-128\n"
              "      symbols with their application identifier 90 first, and draws the barcode into\n"
              "      OUT.png. A value that does not fit the layout is an error: nothing is printed\n"
              "      or drawn.\n"
              "  import SHEET OUT [--rows F-L] [--to T] [--columns LIST] [--skip-bad]\n"
              "      Reads the first sheet of SHEET (.xlsx, .xls, .ods or the editor's tab-separated\n"
              "      export) in the table's column order and writes its rows as the PLU rows of OUT;\n"
              "      the .Info, .Msg and .RSC files of an existing set OUT stay as they are. Rows\n"
              "      with fewer than 19 cells and empty rows are not counted. --rows takes rows F to\n"
              "      L of those (default: all, after a row of the export's captions), --to puts the\n"
              "      first at table row T (default 1), --columns chooses the properties taken\n"
              "      (default: all; name is required) from name, lfcode, code, barcode, price,\n"
              "      unit, qty, dept, tare, shelf, package, pkgweight, tolerance, msg1, msg2, label,\n"
              "      rebate, nutrition, ngtolerance; the others are those of a new row.\n"
              "      Every cell taken is checked as the grid checks it; each problem is printed as\n"
              "      \"row N, COLUMN: VALUE: REASON\" (N the sheet's own row) and nothing is written,\n"
              "      unless --skip-bad leaves those rows out.\n"
              "  import SHEET OUT --match lfcode [--columns LIST] [--add-new] [--skip-bad]\n"
              "      Updates the existing file set OUT: each article whose LF code a row of the\n"
              "      sheet has takes the chosen properties of that row (e.g. --columns price);\n"
              "      everything else stays. Rows that match no article are listed, and added after\n"
              "      the last article with --add-new (with the chosen properties: include name).\n"
              "      Prints how many articles were updated and unchanged, and rows added and\n"
              "      unmatched.\n"
              "  export IN OUT.xlsx|OUT.xls\n"
              "      Writes the shown columns of the file set IN as a workbook (.xlsx) or as\n"
              "      tab-separated text (.xls), as the editor's \"Export to Excel\" does.\n"
              "  import-text FOREIGN.txt OUT [--skip-bad]\n"
              "      Reads a foreign vendor's text file by the custom import layout stored in the\n"
              "      settings file and writes its articles as the PLU rows of OUT, checked as import\n"
              "      checks them (N the file's line); side files of an existing OUT stay.\n"
              "\n"
              "ADDR is an IPv4 address (TCP, port from the settings file), a.b.c.d:port, or a serial\n"
              "port as the system lists it (ttyUSB0, COM3) or its device path (/dev/ttyUSB0), at --baud.\n"
              "\n"
              "stdout: one line per scale, \"ADDR: ok\" or \"ADDR: failed: REASON\" (listed scales as\n"
              "\"NAME (ADDR)\").\n"
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

void PluCli::printFileError(const QString &path, const QString &error)
{
    // Most messages name the file they are about (a side file, perhaps); the fixed ones do not.
    if (error.contains(QFileInfo(path).fileName()))
        printErr(tr("plu-cli: %1").arg(error));
    else
        printErr(tr("plu-cli: \"%1\": %2").arg(path, error));
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
        else if (name == QLatin1String("nutrition"))
            s.nutrition = true;
        else {
            *error = tr("unknown part \"%1\" (choose from plu, hotkey, info, message, schedule, nutrition, "
                        "department, packtype)")
                         .arg(raw);
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
                                    tr("fetch: the file set to write; hotkey-sheet: the PDF; barcode: the image."),
                                    tr("FILE"));
    const QCommandLineOption row(optionName("row"), tr("barcode: the row, counted from 1."), tr("N"));
    const QCommandLineOption weight(optionName("weight"), tr("barcode: the article's weight in kg (default 1)."),
                                    tr("KG"), QStringLiteral("1"));
    const QCommandLineOption baud(optionName("baud"), tr("Baud rate of serial scales (default 115200)."), tr("N"),
                                  QString::number(ScaleAddress::DefaultBaud));
    const QCommandLineOption config(optionName("config"),
                                    tr("The settings file (code page, price decimals, link port and "
                                       "time-out); default SYSTEM.CFG in the program's data folder."),
                                    tr("FILE"));
    const QCommandLineOption timeout(optionName("timeout"),
                                     tr("How long to wait for each answer of a scale (0.1 to 600; default "
                                        "from the settings file, else 3)."),
                                     tr("SECONDS"));
    const QCommandLineOption quiet({QStringLiteral("q"), QStringLiteral("quiet")}, tr("No progress on stderr."));
    const QCommandLineOption type(optionName("type"), tr("hotkey-sheet: the sheet type 0..4."), tr("N"));
    const QCommandLineOption portrait(optionName("portrait"), tr("hotkey-sheet: a portrait page."));
    const QCommandLineOption rows(optionName("rows"), tr("import: the sheet rows to take, F-L."), tr("F-L"));
    const QCommandLineOption to(optionName("to"), tr("import: the table row of the first (default 1)."), tr("T"));
    const QCommandLineOption columns(optionName("columns"), tr("import: the properties to take (default all)."),
                                     tr("LIST"));
    const QCommandLineOption match(
        optionName("match"), tr("import: update the articles of OUT whose LF code a row has (lfcode)."), tr("lfcode"));
    const QCommandLineOption addNew(optionName("add-new"), tr("import --match: add the rows no article matches."));
    const QCommandLineOption skipBad(optionName("skip-bad"),
                                     tr("import, import-text: leave out the rows with problems and go on."));
    const QCommandLineOption group(optionName("group"), tr("send, scales: a group of the scale list."), tr("NAME"));
    const QCommandLineOption all(optionName("all"), tr("send: every scale of the scale list."));
    const QCommandLineOption changed(optionName("changed"), tr("send: only what changed since the last send."));
    const QCommandLineOption verify(optionName("verify"), tr("send: read the PLUs back and compare."));
    const QCommandLineOption since(optionName("since"), tr("history: sends from this day or time on."), tr("DATE"));
    const QCommandLineOption failed(optionName("failed"), tr("history: the sends that did not end well."));
    const QCommandLineOption retry(
        optionName("retry"), tr("watch: the first pause before a scale is tried again (default 60)."), tr("SECONDS"));
    const QCommandLineOption dataDir(optionName("data-dir"),
                                     tr("The folder of the scale list, the send history and the settings file "
                                        "instead of the program's data folder."),
                                     tr("DIR"));
    const QCommandLineOption allowEmpty(optionName("allow-empty"),
                                        tr("send: send a file without PLUs, which empties the scales."));
    parser.addOptions({scale, update, parts,    output, row,   weight,  baud,  config,  timeout,
                       quiet, type,   portrait, rows,   to,    columns, match, addNew,  skipBad,
                       group, all,    changed,  verify, since, failed,  retry, dataDir, allowEmpty});
    parser.addPositionalArgument(
        QStringLiteral("command"),
        tr("send, scales, fetch, convert, hotkey-sheet, barcode, import, export, import-text, history or watch."));
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
        *error = tr("no command given (send, fetch, convert, hotkey-sheet, barcode, import, export or import-text)");
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
    options->match = parser.value(match);
    options->addNew = parser.isSet(addNew);
    options->skipBad = parser.isSet(skipBad);
    options->group = parser.value(group);
    options->all = parser.isSet(all);
    options->changed = parser.isSet(changed);
    options->verify = parser.isSet(verify);
    options->allowEmpty = parser.isSet(allowEmpty);
    options->since = parser.value(since);
    options->failed = parser.isSet(failed);
    options->dataDir = parser.value(dataDir);
    if (!options->dataDir.isEmpty() && !QFileInfo(options->dataDir).isDir()) {
        *error = tr("--data-dir \"%1\" is not a folder").arg(options->dataDir);
        return false;
    }
    if (options->command == QLatin1String("watch"))
        return checkWatchCommand(*options, parser.value(retry), parser.isSet(parts) ? parser.value(parts) : QString(),
                                 error);
    if (parser.isSet(retry)) {
        *error = tr("--retry applies to watch only");
        return false;
    }
    if (options->command == QLatin1String("history"))
        return checkHistoryCommand(*options, parser.values(scale), error);
    if (parser.isSet(since) || parser.isSet(failed)) {
        *error = tr("--since and --failed apply to history only");
        return false;
    }
    if (!options->config.isEmpty() && !QFileInfo(options->config).isFile()) {
        *error = tr("settings file \"%1\" not found").arg(options->config);
        return false;
    }

    if (parser.isSet(timeout)) {
        bool ok = false;
        const double seconds = parser.value(timeout).toDouble(&ok);
        if (!ok || !(seconds >= 0.1 && seconds <= 600)) {
            *error = tr("--timeout takes seconds from 0.1 to 600, not \"%1\"").arg(parser.value(timeout));
            return false;
        }
        options->timeoutMs = qRound(seconds * 1000);
    }

    bool baudOk = false;
    const int baudRate = parser.value(baud).toInt(&baudOk);
    if (!baudOk) {
        *error = tr("--baud takes a number, not \"%1\"").arg(parser.value(baud));
        return false;
    }
    options->baud = baudRate;
    for (const QString &text : parser.values(scale)) {
        ScaleAddress address;
        if (!ScaleAddress::parse(text, baudRate, &address, error))
            return false;
        options->scales.append(address);
    }

    const QString &cmd = options->command;
    if (cmd == QLatin1String("scales"))
        return checkScalesCommand(*options, error);
    const bool listed = parser.isSet(group) || options->all;
    if (cmd != QLatin1String("send") && (listed || options->changed || options->verify)) {
        *error = tr("--group, --all, --changed and --verify apply to send and scales only");
        return false;
    }
    if (isSheetCommand(cmd))
        return checkSheetCommand(*options,
                                 parser.isSet(output) || parser.isSet(update) || parser.isSet(parts) ||
                                     parser.isSet(type) || parser.isSet(portrait) || parser.isSet(row) ||
                                     parser.isSet(weight) || options->allowEmpty,
                                 error);
    if (parser.isSet(rows) || parser.isSet(to) || parser.isSet(columns) || parser.isSet(match) ||
        parser.isSet(addNew) || parser.isSet(skipBad)) {
        *error = tr("--rows, --to, --columns, --match, --add-new and --skip-bad apply to import only");
        return false;
    }
    const bool isSend = cmd == QLatin1String("send");
    const bool isFetch = cmd == QLatin1String("fetch");
    const bool isConvert = cmd == QLatin1String("convert");
    const bool isHotkeySheet = cmd == QLatin1String("hotkey-sheet");
    const bool isBarcode = cmd == QLatin1String("barcode");
    if (!isSend && !isFetch && !isConvert && !isHotkeySheet && !isBarcode) {
        *error =
            tr("unknown command \"%1\" (send, fetch, convert, hotkey-sheet, barcode, import, export or import-text)")
                .arg(cmd);
        return false;
    }
    if (!isBarcode && (parser.isSet(row) || parser.isSet(weight))) {
        *error = tr("--row and --weight apply to barcode only");
        return false;
    }
    const int wantedFiles = isSend || isHotkeySheet || isBarcode ? 1 : isFetch ? 0 : 2;
    if (positional.size() != wantedFiles) {
        *error = isSend          ? tr("send takes one file set")
                 : isHotkeySheet ? tr("hotkey-sheet takes one sheet or PLU file")
                 : isBarcode     ? tr("barcode takes one PLU file")
                 : isFetch       ? tr("fetch takes no file argument; name the output with -o FILE")
                                 : tr("convert takes an input and an output file");
        return false;
    }
    if (isHotkeySheet) {
        bool typeOk = true;
        if (parser.isSet(type))
            options->sheetType = parser.value(type).toInt(&typeOk);
        if (!typeOk || options->sheetType < -1 || options->sheetType >= HotkeySheetTypes::Count ||
            (parser.isSet(type) && options->sheetType < 0)) {
            *error = tr("--type takes a sheet type from 0 to 4, not \"%1\"").arg(parser.value(type));
            return false;
        }
        options->portrait = parser.isSet(portrait);
        if (options->output.isEmpty() || !options->scales.isEmpty()) {
            *error = tr("hotkey-sheet needs -o CARD.pdf and talks to no scale");
            return false;
        }
    } else if (parser.isSet(type) || parser.isSet(portrait)) {
        *error = tr("--type and --portrait apply to hotkey-sheet only");
        return false;
    }
    if ((isConvert || isBarcode) && !options->scales.isEmpty()) {
        *error = tr("%1 talks to no scale; --scale does not apply").arg(cmd);
        return false;
    }
    if (isSend && (options->scales.isEmpty() == !listed || (parser.isSet(group) && options->all))) {
        *error = tr("send needs --scale ADDR (one or more), --group NAME or --all");
        return false;
    }
    if (isSend && options->changed && (!listed || options->update || parser.isSet(parts))) {
        *error = tr("--changed sends PLUs to the scales of the list: use it with --group or --all, without "
                    "--update or --parts");
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
    if (!isFetch && !isHotkeySheet && !isBarcode && parser.isSet(output)) {
        *error = tr("-o applies to fetch, hotkey-sheet and barcode only");
        return false;
    }
    if (!isSend && (parser.isSet(update) || options->allowEmpty || (parser.isSet(parts) && !isFetch))) {
        *error = tr("--update, --parts and --allow-empty apply to send only");
        return false;
    }
    if (options->update && parser.isSet(parts)) {
        *error = tr("--update sends the PLUs only; it takes no --parts");
        return false;
    }
    options->parts = DownloadSelection{};
    options->parts.plu = true;
    QString partList = parser.value(parts);
    takeRefDataParts(&partList, options);
    const bool onlyRefData = (options->departments || options->packTypes) && partList.trimmed().isEmpty();
    if (listed && (options->departments || options->packTypes)) {
        *error = tr("department and packtype go to the scales named with --scale");
        return false;
    }
    if (isFetch && parser.isSet(parts) && !onlyRefData) {
        *error = tr("fetch always reads the file set; its --parts adds department and packtype only");
        return false;
    }
    if (onlyRefData)
        options->parts = DownloadSelection{};
    else if (parser.isSet(parts) && !parseParts(partList, &options->parts, error))
        return false;
    // The main file of a set is always written tab-separated; a .csv name would be read back
    // as a comma-separated list, and another suffix not at all.
    const QString written = isFetch ? options->output : isConvert ? positional.at(1) : QString();
    if (!written.isEmpty() && PluFile::kindOf(written) != PluFile::Kind::TabSeparated) {
        *error = tr("\"%1\": a file set is written tab-separated; name it .txp").arg(written);
        return false;
    }
    if (isBarcode && !parseBarcode(parser, row, weight, options, error))
        return false;
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

    SendJournal::setProgram(QStringLiteral("plu-cli"));
    if (!options.dataDir.isEmpty())
        AppPaths::setDataDirOverride(QFileInfo(options.dataDir).absoluteFilePath());
    // The settings decide the code page and price decimals of the files, and the link library
    // reads its port and time-out from the same file.
    if (!options.config.isEmpty())
        AppPaths::setSettingsFileOverride(QFileInfo(options.config).absoluteFilePath());
    // The link library reads its time-out from the settings file: --timeout goes into a copy,
    // so that the user's file keeps its own.
    QTemporaryDir scratch;
    if (options.timeoutMs > 0) {
        // Named as the original, so that messages about the settings name the file the user keeps.
        const QString copy = scratch.filePath(QFileInfo(AppPaths::settingsFile()).fileName());
        QFile original(AppPaths::settingsFile());
        const QByteArray bytes = original.open(QIODevice::ReadOnly) ? original.readAll() : QByteArray();
        QString error;
        if (!scratch.isValid() || !AtomicFile::write(copy, bytes, &error)) {
            printErr(tr("plu-cli: cannot prepare the settings for --timeout: %1").arg(error));
            return Failed;
        }
        AppPaths::setSettingsFileOverride(copy);
    }
    ZQConfig config(AppPaths::settingsFile());
    // Files read or written in the wrong code page lose their names: stop before touching any.
    const QStringList problems = config.problems();
    if (!problems.isEmpty()) {
        for (const QString &problem : problems)
            printErr(tr("plu-cli: %1").arg(problem));
        return BadUsage;
    }
    if (options.timeoutMs > 0) {
        config.setValue(ZQConfig::LinkTimeoutMs, options.timeoutMs);
        config.sync();
    }

    if (options.command == QLatin1String("send"))
        return send(options);
    if (options.command == QLatin1String("scales"))
        return runScalesCommand(options);
    if (options.command == QLatin1String("history"))
        return history(options);
    if (options.command == QLatin1String("watch"))
        return watch(options);
    if (options.command == QLatin1String("fetch"))
        return fetch(options);
    if (options.command == QLatin1String("hotkey-sheet"))
        return hotkeySheet(options);
    if (options.command == QLatin1String("barcode"))
        return barcode(options);
    if (isSheetCommand(options.command))
        return runSheetCommand(options);
    return convert(options);
}

bool PluCli::runAll(const QVector<ScaleJobRunner *> &runners, bool quiet, bool sayOk)
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
            if (sayOk)
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
        printFileError(file, error);
        return Failed;
    }
    if (!warning.isEmpty())
        printFileError(file, warning);

    TransferSnapshot snapshot = TransferSnapshot::take(&doc);
    snapshot.selection = options.parts;
    const bool sendsFile = options.parts.any() || options.update;
    const int job = options.update ? JobUpdatePlu : JobDownloadPlu;
    // Nothing goes to any scale while a record of any part would be cut, changed or refused on
    // the way: the file set's, the department table's and the package types'.
    QVector<SendProblem> problems;
    if (sendsFile)
        problems = SendCheck::check(snapshot, job, options.changed);
    if (options.departments)
        problems += SendCheck::check(snapshot, JobDownloadDepartments);
    if (options.packTypes) {
        QString error;
        if (!readPackTypes(&snapshot, &error)) {
            printErr(tr("plu-cli: %1").arg(error));
            return Failed;
        }
        problems += SendCheck::check(snapshot, JobDownloadPackageTypes);
    }
    if (!problems.isEmpty()) {
        for (const SendProblem &p : problems)
            printErr(p.line());
        printErr(tr("plu-cli: \"%1\": nothing was sent (problems: %2)").arg(file).arg(problems.size()));
        return Failed;
    }
    if (!sendsFile)
        return sendRefData(options, snapshot) ? Success : Failed;
    // A damaged export fed to a nightly send must not empty every scale of the shop.
    if (!options.allowEmpty && SendCheck::sendsEmptyList(snapshot, job, options.changed)) {
        printErr(tr("plu-cli: \"%1\": the file holds no PLU row; sending it would remove every PLU from the "
                    "scale. Nothing was sent (--allow-empty sends it anyway).")
                     .arg(file));
        return Failed;
    }
    if (!options.changed && SendCheck::dropsMessages(snapshot, job))
        printErr(tr("plu-cli: warning: %1").arg(SendCheck::dropsMessagesText()));
    const int sent = sendToMany(options, snapshot, job);
    if (sent != Success)
        return sent;
    return sendRefData(options, snapshot) ? Success : Failed;
}

int PluCli::fetch(const Options &options)
{
    PluDocument doc;
    TransferTarget target(&doc);
    const QString name = options.scales.first().text();
    ScaleJobRunner runner(options.scales.first(), JobUploadPlu, TransferSnapshot::take(&doc), &target);
    // "ok" only once every file is written: the reads alone do not make a fetch.
    if (!runAll({&runner}, options.quiet, false))
        return Failed;
    target.commit();
    if (!fetchNutrition(options.scales.first(), &doc, options.output))
        return Failed;
    QString error;
    if (!PluFileSet::save(&doc, options.output, PluFileSet::sidePathsForSaveAs(options.output), &error)) {
        printFileError(options.output, error);
        printOut(tr("%1: failed: %2").arg(name, error));
        return Failed;
    }
    if (!fetchRefData(options))
        return Failed;
    printOut(tr("%1: ok").arg(name));
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
        printFileError(in, error);
        return Failed;
    }
    if (!warning.isEmpty())
        printFileError(in, warning);
    if (doc.recomputeRowCount() == 0) {
        printErr(tr("plu-cli: \"%1\": no PLU row was read; nothing was written").arg(in));
        return Failed;
    }
    if (!PluFileSet::save(&doc, out, PluFileSet::sidePathsForSaveAs(out), &error)) {
        printFileError(out, error);
        return Failed;
    }
    return Success;
}

int PluCli::hotkeySheet(const Options &options)
{
    const QString in = options.positional.at(0);
    if (!QFileInfo(in).isFile()) {
        printErr(tr("plu-cli: \"%1\": no such file").arg(in));
        return Failed;
    }
    const int type = options.sheetType >= 0 ? options.sheetType : HotkeySheetTypes::stored();
    HotkeySheet sheet;
    sheet.newSheet(type);
    QString error, warning;
    if (in.endsWith(QLatin1String(".hotk"), Qt::CaseInsensitive)) {
        QVector<HotkeyKey> keys;
        if (HotkeySheetFile::read(in, sheet.keyCount(), &keys, &error) != HotkeySheetFile::Result::Ok) {
            printErr(tr("plu-cli: %1").arg(error));
            return Failed;
        }
        sheet.setKeys(keys);
    } else {
        PluDocument doc;
        if (PluFileSet::load(&doc, in, &error, &warning) != PluFileSet::LoadResult::Loaded) {
            printErr(tr("plu-cli: \"%1\": %2").arg(in, error));
            return Failed;
        }
        TPLUList plus;
        for (int r = 0; r < doc.rowCount(); ++r)
            plus.append(doc.model()->rowToPlu(r));
        sheet.fill(type, plus, {});
    }
    const auto orientation = options.portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
    if (!HotkeyCard::writePdf(options.output, sheet.keys(), type, orientation, &error)) {
        printErr(tr("plu-cli: \"%1\": %2").arg(options.output, error));
        return Failed;
    }
    return Success;
}

bool PluCli::drawsImages(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "barcode") == 0 || qstrcmp(argv[i], "hotkey-sheet") == 0)
            return true;
    }
    return false;
}

bool PluCli::parseBarcode(const QCommandLineParser &parser, const QCommandLineOption &row,
                          const QCommandLineOption &weight, Options *options, QString *error)
{
    if (!parser.isSet(row)) {
        *error = tr("barcode needs --row N");
        return false;
    }
    bool ok = false;
    const int n = parser.value(row).toInt(&ok);
    if (!ok || n < 1 || n > PluColumns::RowCount) {
        *error =
            tr("--row takes a row number from 1 to %1, not \"%2\"").arg(PluColumns::RowCount).arg(parser.value(row));
        return false;
    }
    const double kg = parser.value(weight).toDouble(&ok);
    if (!ok || kg < 0 || kg >= 100) {
        *error = tr("--weight takes kilograms from 0 to 99.999, not \"%1\"").arg(parser.value(weight));
        return false;
    }
    if (!options->output.isEmpty() &&
        QFileInfo(options->output).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0) {
        *error = tr("\"%1\": the barcode is drawn as a PNG image; name it .png").arg(options->output);
        return false;
    }
    options->row = n - 1;
    options->weightKg = kg;
    return true;
}

int PluCli::barcode(const Options &options)
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
    const PluTableModel &model = *doc.model();
    if (model.text(options.row, PluColumns::PluName).isEmpty()) {
        printErr(tr("plu-cli: \"%1\": row %2 holds no PLU").arg(file).arg(options.row + 1));
        return Failed;
    }
    const int type = model.text(options.row, PluColumns::BarCode).trimmed().toInt();
    const BarcodeLayout layout(type);
    if (!layout.isKnown()) {
        printErr(tr("plu-cli: barcode type %1: the scale decides what it prints").arg(type));
        return Failed;
    }
    const BarcodeLayout::Composed composed =
        layout.compose(BarcodeSample::fromRow(model, options.row, options.weightKg));
    for (const QString &problem : composed.problems)
        printErr(tr("plu-cli: row %1: %2").arg(options.row + 1).arg(problem));
    // Digits that are not the symbol's would be taken for it: none are printed or drawn.
    if (!composed.drawable)
        return Failed;
    printOut(composed.heldDigits());
    if (options.output.isEmpty())
        return Success;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!BarcodePainter::render(composed, QSize(480, 240), &error).save(&buffer, "PNG")) {
        printErr(tr("plu-cli: barcode type %1: %2").arg(type).arg(error));
        return Failed;
    }
    if (!AtomicFile::write(options.output, png, &error)) {
        printErr(tr("plu-cli: \"%1\": %2").arg(options.output, error));
        return Failed;
    }
    return Success;
}
