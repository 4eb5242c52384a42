#include "TestSupport.h"

#include "app/MainWindow.h"
#include "core/AtomicFile.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"

#include <QAction>
#include <QDir>

using C = PluColumns;

namespace {
QString fixture()
{
    return QStringLiteral(PLU_TEST_DATA_DIR "/document/all-fields/input.txp");
}
} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { AtomicFile::failAfterBytes(-1); }
    void closeAsksAboutChanges_data();
    void closeAsksAboutChanges();
    void openThroughTheDialog();
    void saveAsWritesTheSetAndTitle();
    void saveAsAddsTheSuffix();
    void failedSaveWarnsAndKeepsFiles();
    void lastFileReopenedThenArgument();
    void newEmptiesEverything();
    void openRefusedKeepsTheTable();
};

void TestFileCommands::closeAsksAboutChanges_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Yes saves") << int(QMessageBox::Yes) << true << true;
    QTest::newRow("No discards") << int(QMessageBox::No) << true << false;
    QTest::newRow("Cancel keeps the window") << int(QMessageBox::Cancel) << false << false;
}

void TestFileCommands::closeAsksAboutChanges()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("shop.txp"));
    QVERIFY(QFile::copy(fixture(), path));
    const QByteArray before = TestEnvironment::readFile(path);
    {
        MainWindow w;
        w.loadFile(path);
        w.show();
        w.model()->setCell(0, C::PluName, QStringLiteral("Changed"));
        w.setModified(true);
        Prompt::clearScript();
        Prompt::queueAnswer(static_cast<Prompt::Button>(answer));
        QCOMPARE(w.close(), closed);
        QCOMPARE(Prompt::shown().first().title, QStringLiteral("ZQPLU"));
        QCOMPARE(Prompt::shown().first().text,
                 QStringLiteral("The document has been modified.\nDo you want to save your changes?"));
        QCOMPARE(w.isVisible(), !closed);
    }
    env.config()->sync();
    const QString remembered =
        QSettings(env.settingsPath(), QSettings::IniFormat).value(QStringLiteral("PluFile/fileName")).toString();
    QCOMPARE(remembered, closed ? path : QString());
    const QByteArray after = TestEnvironment::readFile(path);
    QCOMPARE(after != before, saved);
    if (saved)
        QVERIFY(after.startsWith("5\tChanged\t"));
}

void TestFileCommands::openThroughTheDialog()
{
    TestEnvironment env;
    MainWindow w;
    Prompt::queueFileName(fixture());
    w.action(QStringLiteral("actionOpen"))->trigger();
    QCOMPARE(Prompt::shown().first().title, QStringLiteral("Select File"));
    QCOMPARE(Prompt::shown().first().text, QStringLiteral("TXP Files (*.TXP;*.TXU;*.CSV)"));
    QCOMPARE(w.currentFile(), fixture());
    QCOMPARE(w.windowTitle(), QStringLiteral("PLU manager ") + fixture());
    QCOMPARE(w.model()->text(2, C::PluName), QStringLiteral("Pears"));
    QVERIFY(!w.isModified());
}

void TestFileCommands::saveAsWritesTheSetAndTitle()
{
    TestEnvironment env;
    MainWindow w;
    w.loadFile(fixture());
    w.setModified(true);
    const QString path = env.path(QStringLiteral("shop.txp"));
    Prompt::queueFileName(path);
    w.action(QStringLiteral("actionSave_As"))->trigger();
    QCOMPARE(Prompt::shown().at(0).title, QStringLiteral("Export File"));
    QCOMPARE(Prompt::shown().at(0).text, QStringLiteral("Txp Files (*.Txp)"));
    QCOMPARE(Prompt::lastTitle(), QStringLiteral("Info"));
    QCOMPARE(Prompt::lastText(), QStringLiteral("Save File Success"));
    for (const char *name : {"shop.txp", "shop.Info", "shop.Msg", "shop.RSC"})
        QVERIFY2(QFile::exists(env.path(QString::fromLatin1(name))), name);
    QCOMPARE(w.windowTitle(), QStringLiteral("PLU manager ") + path);
    QVERIFY(!w.isModified());

    // Save writes to the same set without asking for a name.
    w.model()->setCell(0, C::PluName, QStringLiteral("Renamed"));
    Prompt::clearScript();
    w.action(QStringLiteral("actionSave"))->trigger();
    QCOMPARE(Prompt::count(), 1);
    QVERIFY(TestEnvironment::readFile(path).startsWith("5\tRenamed\t"));
}

void TestFileCommands::saveAsAddsTheSuffix()
{
    TestEnvironment env;
    MainWindow w;
    w.model()->setCell(0, C::PluName, QStringLiteral("x"));
    Prompt::queueFileName(env.path(QStringLiteral("plain")));
    w.action(QStringLiteral("actionSave"))->trigger(); // no file yet: Save asks for one
    QVERIFY(QFile::exists(env.path(QStringLiteral("plain.Txp"))));
    QVERIFY(QFile::exists(env.path(QStringLiteral("plain.Msg"))));
    QCOMPARE(w.currentFile(), env.path(QStringLiteral("plain.Txp")));
}

void TestFileCommands::failedSaveWarnsAndKeepsFiles()
{
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("shop.txp"));
    MainWindow w;
    w.model()->setCell(0, C::PluName, QStringLiteral("Original"));
    Prompt::queueFileName(path);
    w.action(QStringLiteral("actionSave_As"))->trigger();
    QStringList names{QStringLiteral("shop.txp"), QStringLiteral("shop.Info"), QStringLiteral("shop.Msg"),
                      QStringLiteral("shop.RSC")};
    QMap<QString, QByteArray> before;
    for (const QString &n : names)
        before[n] = TestEnvironment::readFile(env.path(n));

    w.model()->setCell(0, C::PluName, QStringLiteral("Edited"));
    w.document()->messages().setMessageLines(1, {QStringLiteral("new message")});
    w.setModified(true);
    Prompt::clearScript();
    AtomicFile::failAfterBytes(100);
    w.action(QStringLiteral("actionSave"))->trigger();
    QCOMPARE(Prompt::lastTitle(), QStringLiteral("Warning"));
    QVERIFY2(Prompt::lastText().contains(QStringLiteral("No space left on device")), qPrintable(Prompt::lastText()));
    QVERIFY(w.isModified());
    for (const QString &n : names)
        QCOMPARE(TestEnvironment::readFile(env.path(n)), before[n]);

    // The close prompt's Yes then fails too, so the window stays open with the changes.
    Prompt::queueAnswer(QMessageBox::Yes);
    w.show();
    QVERIFY(!w.close());
    QVERIFY(w.isModified());
}

void TestFileCommands::lastFileReopenedThenArgument()
{
    TestEnvironment env({{QStringLiteral("PluFile/fileName"), fixture()}});
    MainWindow w;
    QCOMPARE(w.currentFile(), fixture());
    QCOMPARE(w.model()->text(0, C::PluName), QStringLiteral("Apples"));
    // As main does with a file named on the command line: it is opened after the last one.
    const QString other = QStringLiteral(PLU_TEST_DATA_DIR "/document/txu/input.TXU");
    w.loadFile(other);
    QCOMPARE(w.currentFile(), other);
    QCOMPARE(w.model()->text(0, C::PluName), QStringLiteral("Short"));
}

void TestFileCommands::newEmptiesEverything()
{
    TestEnvironment env;
    MainWindow w;
    w.loadFile(fixture());
    w.document()->advertising().setTexts({QStringLiteral("x")});
    w.action(QStringLiteral("actionNew"))->trigger();
    QCOMPARE(w.model()->usedRowCount(), 0);
    QCOMPARE(w.model()->text(0, C::HotKey), QStringLiteral("0"));
    QVERIFY(w.document()->advertising().texts().isEmpty());
    QVERIFY(w.currentFile().isEmpty());
    QCOMPARE(w.windowTitle(), QStringLiteral("PLU manager"));
}

void TestFileCommands::openRefusedKeepsTheTable()
{
    TestEnvironment env;
    MainWindow w;
    w.loadFile(fixture());
    const QString odd = env.path(QStringLiteral("prices.dat"));
    QVERIFY(TestEnvironment::writeFile(odd, "1\tx\r\n"));
    Prompt::queueFileName(odd);
    w.action(QStringLiteral("actionOpen"))->trigger();
    QCOMPARE(Prompt::lastTitle(), QStringLiteral("Warning"));
    QCOMPARE(Prompt::lastText(), QStringLiteral("Unsupported file type"));
    QCOMPARE(w.currentFile(), fixture());
    QCOMPARE(w.model()->text(0, C::PluName), QStringLiteral("Apples"));
}

QTEST_MAIN(TestFileCommands)
#include "TestFileCommands.moc"
