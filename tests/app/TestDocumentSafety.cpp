// Nothing lost at the desk: two editors on one file, a file changed on disk, a crash. The other
// editor is a real process: this test program started again with PLU_TEST_OTHER_EDITOR set, which
// opens a file in a window of its own, edits it as an operator would, and follows commands on
// its standard input ("save", "quit").
#include "TestSupport.h"

#include "app/DocumentGuard.h"
#include "app/MainWindow.h"
#include "document/DocumentLock.h"
#include "document/PluDocument.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"
#include "document/RecoveryCopy.h"
#include "document/RecoveryGrid.h"
#include "table/PluEditCommands.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QUndoStack>
#include <cstdio>
#include <unistd.h>

using C = PluColumns;

namespace {
const char *const kOtherEditor = "PLU_TEST_OTHER_EDITOR";

QByteArray threeRows()
{
    QByteArray lines;
    for (const char *name : {"Apples", "Pears", "Figs"})
        lines +=
            "0\t" + QByteArray(name) + "\t0\t\t0\t100\t4\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t\t0\t0\t0\t0\t0\t0\r\n";
    return lines;
}

// Typed into the grid (recorded for undo, checked) and a message written in its editor.
void editAsTheOperator(MainWindow &w)
{
    QAbstractItemModel *m = w.model();
    m->setData(m->index(0, C::PluName), QStringLiteral("Changed by the first editor"));
    m->setData(m->index(1, C::UnitPrice), QStringLiteral("12.34"));
    m->setData(m->index(6, C::Tare), QStringLiteral("0.25")); // a row without a name
    w.document()->messages().setMessageLines(4, {QStringLiteral("Keep cool"), QStringLiteral("Line two")});
    w.document()->setModified(true);
}

// Every cell of the grid and every message, as text.
QByteArray tableDump(const PluDocument &doc)
{
    QByteArray out;
    for (int r = 0; r < C::RowCount; ++r) {
        for (int c = 0; c < C::Count; ++c)
            out += doc.model()->text(r, c).toUtf8() + '\x1f';
        out += '\n';
    }
    return out + doc.messages().messageList().join(QLatin1Char('\x1e')).toUtf8();
}

void say(const char *line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The other editor's process.
int runOtherEditor(const QString &dataDir, const QString &file)
{
    QDir().mkpath(dataDir);
    AppPaths::setDataDirOverride(dataDir);
    ZQConfig config(AppPaths::settingsFile());
    Prompt::setScripted(true);
    MainWindow w;
    w.loadFile(file);
    editAsTheOperator(w);
    TestEnvironment::writeFile(dataDir + QStringLiteral("/edited.dump"), tableDump(*w.document()));
    QObject::connect(w.documentGuard()->recovery(), &RecoveryCopy::written, &w, [](bool ok) {
        if (ok)
            say("kept");
    });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &w, [&w, &input] {
        char line[64] = {};
        const ssize_t n = ::read(STDIN_FILENO, line, sizeof line - 1);
        const QByteArray command = QByteArray(line, n > 0 ? int(n) : 0).trimmed();
        if (command == "save") {
            w.action(QStringLiteral("actionSave"))->trigger();
            say(w.isModified() ? "not saved" : "saved");
        } else {
            input.setEnabled(false);
            w.close();
            qApp->quit();
        }
    });
    say("ready");
    return qApp->exec();
}

class OtherEditor
{
public:
    ~OtherEditor()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    bool start(const QString &dataDir, const QString &file)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kOtherEditor), dataDir);
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QCoreApplication::applicationFilePath(), {file});
        return waitFor("ready");
    }
    bool waitFor(const QByteArray &line, int ms = 20000)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            while (m_process.canReadLine()) {
                if (m_process.readLine().trimmed() == line)
                    return true;
            }
            if (m_process.state() == QProcess::NotRunning)
                return false;
            m_process.waitForReadyRead(100);
        }
        return false;
    }
    void tell(const QByteArray &command) { m_process.write(command + '\n'); }
    // As a crash or a power cut ends it: SIGKILL, nothing cleaned up.
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    bool quit()
    {
        tell("quit");
        return m_process.waitForFinished(10000) && m_process.exitCode() == 0;
    }

private:
    QProcess m_process;
};

QStringList recoveryFolders()
{
    return QDir(AppPaths::recoveryDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}
} // namespace

class TestDocumentSafety : public QObject
{
    Q_OBJECT
private slots:
    void secondEditorIsToldAndReadsOnly();
    void saveOverAFileChangedOnDisk_data();
    void saveOverAFileChangedOnDisk();
    void crashKeepsTheEdits_data();
    void crashKeepsTheEdits();
    void recoveryGridHoldsTheWholeTable_data();
    void recoveryGridHoldsTheWholeTable();
};

void TestDocumentSafety::secondEditorIsToldAndReadsOnly()
{
    TestEnvironment env;
    const QString file = env.path(QStringLiteral("shop.txp"));
    QVERIFY(TestEnvironment::writeFile(file, threeRows()));
    OtherEditor first;
    QVERIFY(first.start(env.path(QStringLiteral("first")), file));

    MainWindow w;
    w.show();
    w.loadFile(file);
    QCOMPARE(Prompt::count(), 1);
    QCOMPARE(Prompt::last().title, QStringLiteral("File in use"));
    const QString told = Prompt::lastText();
    for (const QString &part : {file, QFileInfo(file).owner(), QSysInfo::machineHostName()})
        QVERIFY2(told.contains(part), qPrintable(told));
    // The scripted default is the box's own: open read-only.
    QCOMPARE(w.currentFile(), file);
    QCOMPARE(w.model()->text(0, C::PluName), QStringLiteral("Apples"));
    QVERIFY(w.documentGuard()->isReadOnly());
    QVERIFY(w.findChild<QLabel *>(QStringLiteral("readOnlyLabel"))->isVisible());

    // The first editor saves: this one, with nothing unsaved, is offered the new file.
    Prompt::clearScript();
    first.tell("save");
    QVERIFY(first.waitFor("saved"));
    QTRY_COMPARE_WITH_TIMEOUT(w.model()->text(0, C::PluName), QStringLiteral("Changed by the first editor"), 10000);
    QCOMPARE(Prompt::last().title, QStringLiteral("File changed on disk"));
    QVERIFY(w.documentGuard()->isReadOnly());

    // Its own save must take another name; the first editor's file stays.
    const QByteArray saved = TestEnvironment::readFile(file);
    w.model()->setData(w.model()->index(2, C::PluName), QStringLiteral("Changed by the second editor"));
    Prompt::clearScript();
    w.action(QStringLiteral("actionSave"))->trigger(); // no name given: the dialog is cancelled
    QCOMPARE(Prompt::count(), 1);
    QCOMPARE(Prompt::last().kind, QStringLiteral("save"));
    QCOMPARE(TestEnvironment::readFile(file), saved);
    QVERIFY(w.isModified());
    QVERIFY(first.quit());
    QVERIFY(!QFile::exists(DocumentLock::lockPath(file)));
}

void TestDocumentSafety::saveOverAFileChangedOnDisk_data()
{
    QTest::addColumn<bool>("sameBytes"); // the other program wrote the bytes the file had
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("fileHolds"); // row 1's name afterwards
    QTest::addColumn<bool>("elsewhere");    // this version went to other.txp
    QTest::newRow("overwrite") << false << int(DocumentGuard::Overwrite) << "Mine" << false;
    QTest::newRow("save under another name") << false << int(DocumentGuard::SaveElsewhere) << "Theirs" << true;
    QTest::newRow("cancel") << false << int(QMessageBox::Cancel) << "Theirs" << false;
    QTest::newRow("same bytes, new time: no question") << true << -1 << "Mine" << false;
}

void TestDocumentSafety::saveOverAFileChangedOnDisk()
{
    QFETCH(bool, sameBytes);
    QFETCH(int, answer);
    QFETCH(QString, fileHolds);
    QFETCH(bool, elsewhere);
    TestEnvironment env;
    const QString file = env.path(QStringLiteral("shop.txp"));
    const QString other = env.path(QStringLiteral("other.txp"));
    QVERIFY(TestEnvironment::writeFile(file, threeRows()));
    MainWindow w;
    w.loadFile(file);
    w.model()->setData(w.model()->index(0, C::PluName), QStringLiteral("Mine"));

    // Another program that takes no lock writes the file meanwhile.
    QByteArray theirs = threeRows();
    if (!sameBytes)
        theirs.replace("Apples", "Theirs");
    QVERIFY(TestEnvironment::writeFile(file, theirs));
    QFile touched(file);
    QVERIFY(touched.open(QIODevice::ReadWrite));
    QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(3600), QFileDevice::FileModificationTime));
    touched.close();

    Prompt::clearScript();
    if (answer >= 0)
        Prompt::queueAnswer(static_cast<Prompt::Button>(answer));
    Prompt::queueFileName(other);
    w.action(QStringLiteral("actionSave"))->trigger();
    if (answer >= 0) {
        QCOMPARE(Prompt::shown().first().title, QStringLiteral("File changed on disk"));
        QVERIFY(Prompt::shown().first().text.startsWith(file + QStringLiteral(" was changed on disk")));
    } else {
        QCOMPARE(Prompt::count(), 1); // "Save File Success" only
    }
    PluDocument onDisk;
    QCOMPARE(PluFileSet::load(&onDisk, file, nullptr), PluFileSet::LoadResult::Loaded);
    QCOMPARE(onDisk.model()->text(0, C::PluName), fileHolds);
    QCOMPARE(QFile::exists(other), elsewhere);
    QCOMPARE(w.isModified(), answer == int(QMessageBox::Cancel));
}

void TestDocumentSafety::crashKeepsTheEdits_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("restore") << int(DocumentGuard::Restore);
    QTest::newRow("discard") << int(DocumentGuard::DiscardCopy);
    QTest::newRow("not now") << int(QMessageBox::Cancel);
}

void TestDocumentSafety::crashKeepsTheEdits()
{
    QFETCH(int, answer);
    TestEnvironment env;
    const QString file = env.path(QStringLiteral("shop.txp"));
    QVERIFY(TestEnvironment::writeFile(file, threeRows()));
    {
        OtherEditor crashing;
        QVERIFY(crashing.start(env.path(QString()), file));
        // A few seconds after the last edit the copy is written; then the power goes.
        QVERIFY(crashing.waitFor("kept"));
        crashing.kill();
    }
    QVERIFY(QFile::exists(DocumentLock::lockPath(file)));
    QCOMPARE(recoveryFolders().size(), 1);

    // The next start: the copy is offered with the file's name and restored as unsaved work.
    Prompt::queueAnswer(Prompt::Button(answer));
    MainWindow w;
    QTRY_COMPARE(Prompt::count(), 1);
    QCOMPARE(Prompt::last().title, QStringLiteral("Recover unsaved changes"));
    QVERIFY2(Prompt::lastText().contains(file), qPrintable(Prompt::lastText()));
    if (answer != DocumentGuard::Restore) {
        // Discarded, the copy is gone; not now, it waits for the next start. Either way the
        // window stays empty and nothing else is asked.
        QVERIFY(!w.isModified());
        QCOMPARE(w.document()->rowCount(), 0);
        QCOMPARE(Prompt::count(), 1);
        QCOMPARE(RecoveryCopy::orphans().size(), answer == DocumentGuard::DiscardCopy ? 0 : 1);
        return;
    }
    QCOMPARE(tableDump(*w.document()), TestEnvironment::readFile(env.path(QStringLiteral("edited.dump"))));
    QCOMPARE(w.currentFile(), file);
    QVERIFY(w.isModified());
    QCOMPARE(w.editCommands()->undoStack()->count(), 0);
    // The dead editor's lock was taken over without a question; its copy is not offered again.
    QVERIFY(!w.documentGuard()->isReadOnly());
    QCOMPARE(Prompt::count(), 1);
    QCOMPARE(TestEnvironment::readFile(file), threeRows());
    QVERIFY(RecoveryCopy::orphans().isEmpty());

    // Closed without saving: the work is discarded, and the copy with it.
    Prompt::queueAnswer(QMessageBox::No);
    w.show();
    QVERIFY(w.close());
    w.documentGuard()->recovery()->flush();
    QCOMPARE(recoveryFolders(), QStringList());
}

void TestDocumentSafety::recoveryGridHoldsTheWholeTable_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArray>("lastName"); // empty: as written
    QTest::addColumn<bool>("accepted");
    QTest::newRow("every row of the table") << int(PluColumns::RowCount) << QByteArray() << true;
    QTest::newRow("one row more") << PluColumns::RowCount + 1 << QByteArray() << false;
    QTest::newRow("a text cut inside an escape") << 1 << QByteArray("sLast\\") << false;
    QTest::newRow("an escape never written") << 1 << QByteArray("sLa\\qst") << false;
}

// A copy of a table whose last row is in use comes back whole; one that cannot be a table, or
// whose texts are damaged, does not.
void TestDocumentSafety::recoveryGridHoldsTheWholeTable()
{
    QFETCH(int, rows);
    QFETCH(QByteArray, lastName);
    QFETCH(bool, accepted);
    QVector<PluTableModel::Row> grid(rows, PluTableModel::newRow());
    grid.last()[C::PluName] = QStringLiteral("Last");
    QByteArray bytes = RecoveryGrid::encode(grid);
    if (!lastName.isEmpty())
        bytes.replace("sLast", lastName);
    QVector<PluTableModel::Row> back;
    QString error;
    QCOMPARE(RecoveryGrid::decode(bytes, &back, &error), accepted);
    if (accepted)
        QCOMPARE(back.value(rows - 1)[C::PluName].toString(), QStringLiteral("Last"));
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString dataDir = qEnvironmentVariable(kOtherEditor);
    if (!dataDir.isEmpty())
        return runOtherEditor(dataDir, QCoreApplication::arguments().value(1));
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestDocumentSafety test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "TestDocumentSafety.moc"
