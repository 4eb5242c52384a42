#pragma once

#include "comm/DownloadSelection.h"
#include "comm/ScaleAddress.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

class PluDocument;
struct ImportProblem;
class ScaleJobRunner;
struct TransferSnapshot;

// The command-line tool: parses the command line, then sends a file set to scales, fetches one
// from a scale, converts a PLU file, or shows the barcode of a row. Results go to stdout, progress
// and errors to stderr.
class PluCli
{
    Q_DECLARE_TR_FUNCTIONS(PluCli)
public:
    enum ExitStatus
    {
        Success = 0,
        Failed = 1,   // a transfer, a read or a write failed
        BadUsage = 2, // the command line is wrong; nothing was done
    };

    // arguments: as QCoreApplication::arguments(), the program first. Needs a QCoreApplication.
    int run(const QStringList &arguments);
    // The barcode command draws with fonts, which need a GUI application (a headless one does).
    static bool drawsImages(int argc, char *argv[]);

private:
    struct Options
    {
        QString command;
        QStringList positional;
        QVector<ScaleAddress> scales;
        DownloadSelection parts;
        bool update = false;
        QString output;
        QString config;
        int timeoutMs = 0; // 0: the settings file's
        bool quiet = false;
        int sheetType = -1; // -1: the stored one
        bool portrait = false;
        int row = 0; // barcode: 0-based
        double weightKg = 1.0;
        QString rows;
        QString to;
        QString columns;
        QString match; // import: the property that finds the article to update ("lfcode")
        bool addNew = false;
        bool skipBad = false;
        // The installation's reference data: the department table and the package types.
        bool departments = false;
        bool packTypes = false;
        // send to the scale list, and scales (PluCliScales.cpp)
        QString group;
        bool all = false;
        bool changed = false;
        bool verify = false;
        // history (PluCliHistory.cpp)
        QStringList scaleNames;
        QString since;
        bool failed = false;
        QString dataDir;
        // watch (PluCliWatch.cpp)
        int retryMs = 60000;
        bool allowEmpty = false; // send: a list without PLUs may empty the scales
        int baud = ScaleAddress::DefaultBaud;
    };

    bool parse(const QStringList &arguments, Options *options, QString *error, bool *helpShown);
    int send(const Options &options);
    int fetch(const Options &options);
    int convert(const Options &options);
    int hotkeySheet(const Options &options);
    int barcode(const Options &options);
    bool parseBarcode(const QCommandLineParser &parser, const QCommandLineOption &row, const QCommandLineOption &weight,
                      Options *options, QString *error);
    // import, export and import-text (PluCliSheets.cpp).
    static bool isSheetCommand(const QString &command);
    static bool checkSheetCommand(const Options &options, bool scaleOptions, QString *error);
    int runSheetCommand(const Options &options);
    int importSheet(const Options &options);
    int exportSheet(const Options &options);
    int importText(const Options &options);
    static void printProblems(const QVector<ImportProblem> &problems);
    // The scale's nutrition element table and per-PLU values into the stores of the file set
    // `output` (PluCliNutrition.cpp); rows whose LF code has values get Nutrition 1.
    bool fetchNutrition(const ScaleAddress &address, PluDocument *doc, const QString &output);
    // scales add/list/remove/test, and send to the scale list (PluCliScales.cpp).
    static bool checkScalesCommand(const Options &options, QString *error);
    int runScalesCommand(const Options &options);
    int sendToMany(const Options &options, const TransferSnapshot &snapshot, int job);
    // history [--scale NAME] [--since DATE] [--failed] (PluCliHistory.cpp).
    static bool checkHistoryCommand(Options &options, const QStringList &scaleNames, QString *error);
    int history(const Options &options);
    // watch INBOX (--group G | --all) [--verify] [--parts LIST] [--retry SECONDS] (PluCliWatch.cpp).
    static bool checkWatchCommand(Options &options, const QString &retry, const QString &parts, QString *error);
    int watch(const Options &options);
    // Runs every runner at once and prints one result line each, in the order given.
    // sayOk false: only failures are printed, the caller says "ok" when its work is done.
    bool runAll(const QVector<ScaleJobRunner *> &runners, bool quiet, bool sayOk = true);

    static bool parseParts(const QString &text, DownloadSelection *parts, QString *error);
    // department and packtype of a --parts list (PluCliRefData.cpp): taken out of *list into
    // *options; the rest stays for parseParts.
    static void takeRefDataParts(QString *list, Options *options);
    // snapshot: the department table and package types as checked before the send.
    bool sendRefData(const Options &options, const TransferSnapshot &snapshot);
    static bool readPackTypes(TransferSnapshot *snapshot, QString *error);
    bool fetchRefData(const Options &options);
    static void printOut(const QString &line);
    static void printErr(const QString &line);
    // One line naming the file once.
    static void printFileError(const QString &path, const QString &error);
};
