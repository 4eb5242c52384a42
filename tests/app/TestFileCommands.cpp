#include "ModalDriver.h"
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "core/AtomicFile.h"
#include "document/PluDocument.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"
#include "hotkey/HotkeySheet.h"
#include "hotkey/HotkeySheetFile.h"
#include "hotkey/ZqSetHotKey.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QListView>
#include <QTableView>
#include <QTextCodec>

using C = PluColumns;

namespace {
QString fixture()
{
    return dataCopy(QStringLiteral("document/all-fields/input.txp"));
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
    void fileDialogsListPluFiles_data();
    void fileDialogsListPluFiles();
    void saveAsKeepsSetsApart();
    void saveOfACsvListAsksForATxpName();
    void unknownCodePageWarnedAtStart();
    void saveAsWritesTheSetAndTitle();
    void saveAsAddsTheSuffix();
    void failedSaveWarnsAndKeepsFiles();
    void lastFileReopenedThenArgument();
    void newEmptiesEverything();
    void openRefusedKeepsTheTable_data();
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
    QCOMPARE(w.windowTitle(), QStringLiteral("PLU manager ") + fixture() + QStringLiteral("[*]"));
    QCOMPARE(w.model()->text(2, C::PluName), QStringLiteral("Pears"));
    QVERIFY(!w.isModified());
}

void TestFileCommands::fileDialogsListPluFiles_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("Open") << "actionOpen" << QStringList{"SHOP.TXP", "Shop.Txu", "list.csv", "shop.txp"};
    QTest::newRow("Save As") << "actionSave_As" << QStringList{"SHOP.TXP", "shop.txp"};
}

void TestFileCommands::fileDialogsListPluFiles()
{
    QFETCH(QString, action);
    QFETCH(QStringList, listed);
    TestEnvironment env;
    QTemporaryDir folder;
    for (const char *name : {"shop.txp", "SHOP.TXP", "Shop.Txu", "list.csv", "notes.txt", "shop.Msg"})
        QVERIFY(TestEnvironment::writeFile(folder.filePath(QString::fromLatin1(name)), "0\tx\r\n"));
    MainWindow w;
    w.action(action)->trigger(); // no name queued: the command asks and stops
    const Prompt::Shown asked = Prompt::last();
    QVERIFY(asked.kind == QLatin1String("open") || asked.kind == QLatin1String("save"));

    // The real dialog under the filter the command gave, listing a real folder.
    const auto dialog =
        Prompt::fileDialog(&w, asked.title, folder.path(), asked.text,
                           asked.kind == QLatin1String("open") ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog->show();
    QCOMPARE(dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))->currentText(), asked.text);
    auto *view = dialog->findChild<QListView *>(QStringLiteral("listView"));
    QVERIFY(view);
    auto shownNames = [view] {
        QStringList names;
        const QModelIndex root = view->rootIndex();
        for (int r = 0; r < view->model()->rowCount(root); ++r)
            names << view->model()->index(r, 0, root).data().toString();
        names.sort();
        return names;
    };
    QTRY_COMPARE(shownNames(), listed);
}

void TestFileCommands::saveAsKeepsSetsApart()
{
    TestEnvironment env;
    const QString shop = env.path(QStringLiteral("shop.Txp"));
    MainWindow w;
    w.model()->setCell(0, C::PluName, QStringLiteral("Shop"));
    w.document()->advertising().setTexts({QStringLiteral("Shop head")});
    Prompt::queueFileName(shop);
    w.action(QStringLiteral("actionSave_As"))->trigger();
    const QByteArray shopInfo = TestEnvironment::readFile(env.path(QStringLiteral("shop.Info")));
    QVERIFY(!shopInfo.isEmpty());

    // "shop.v2" would not open again: it becomes shop.v2.Txp, with side files of its own.
    w.model()->setCell(0, C::PluName, QStringLiteral("Version two"));
    w.document()->advertising().setTexts({QStringLiteral("v2 head")});
    Prompt::queueFileName(env.path(QStringLiteral("shop.v2")));
    w.action(QStringLiteral("actionSave_As"))->trigger();
    const QString v2 = env.path(QStringLiteral("shop.v2.Txp"));
    QCOMPARE(w.currentFile(), v2);
    QVERIFY(QFile::exists(env.path(QStringLiteral("shop.v2.Info"))));
    QCOMPARE(TestEnvironment::readFile(env.path(QStringLiteral("shop.Info"))), shopInfo);

    // The name the dialog approved was shop.v2; replacing shop.v2.Txp is asked first.
    const QByteArray before = TestEnvironment::readFile(v2);
    w.model()->setCell(0, C::PluName, QStringLiteral("Not saved"));
    Prompt::clearScript();
    Prompt::queueFileName(env.path(QStringLiteral("shop.v2")));
    Prompt::queueAnswer(QMessageBox::No);
    w.action(QStringLiteral("actionSave_As"))->trigger();
    QCOMPARE(Prompt::last().kind, QStringLiteral("question"));
    QCOMPARE(TestEnvironment::readFile(v2), before);

    Prompt::clearScript();
    Prompt::queueFileName(v2);
    w.action(QStringLiteral("actionOpen"))->trigger();
    QCOMPARE(w.model()->text(0, C::PluName), QStringLiteral("Version two"));
    QCOMPARE(w.document()->advertising().texts(), QStringList(QStringLiteral("v2 head")));
}

void TestFileCommands::saveOfACsvListAsksForATxpName()
{
    TestEnvironment env;
    const QString csv = env.path(QStringLiteral("list.csv"));
    const QByteArray csvBytes = "1,Milk,501\r\n2,Bread,502\r\n";
    QVERIFY(TestEnvironment::writeFile(csv, csvBytes));
    MainWindow w;
    w.loadFile(csv);
    w.model()->setCell(1, C::PluName, QStringLiteral("Rye bread"));
    w.setModified(true);
    const QString proposed = env.path(QStringLiteral("list.Txp"));
    Prompt::queueFileName(proposed);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(w.tableView(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(Prompt::count(), 2); // the save dialog and "Save File Success"
    QCOMPARE(Prompt::shown().first().kind, QStringLiteral("save"));
    QCOMPARE(Prompt::shown().first().dir, proposed);
    QCOMPARE(TestEnvironment::readFile(csv), csvBytes);
    QCOMPARE(w.currentFile(), proposed);
    QVERIFY(!w.isModified());

    PluDocument back;
    QCOMPARE(PluFileSet::load(&back, proposed, nullptr), PluFileSet::LoadResult::Loaded);
    QCOMPARE(back.rowCount(), 2);
    QCOMPARE(back.model()->text(1, C::PluName), QStringLiteral("Rye bread"));
}

void TestFileCommands::unknownCodePageWarnedAtStart()
{
    TestEnvironment env(
        {{QStringLiteral("Setting/CodePage"), QStringLiteral("GKB")}, {QStringLiteral("PluFile/fileName"), fixture()}});
    MainWindow w;
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::last().title, QStringLiteral("Warning"));
    QCOMPARE(Prompt::last().text, QStringLiteral("Unknown code page 'GKB' in SYSTEM.CFG; using ") +
                                      QString::fromLatin1(QTextCodec::codecForLocale()->name()));
    QCOMPARE(w.currentFile(), fixture());
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
    QCOMPARE(w.windowTitle(), QStringLiteral("PLU manager ") + path + QStringLiteral("[*]"));
    QVERIFY(!w.isModified());

    // Save writes to the same set without asking for a name.
    w.model()->setCell(0, C::PluName, QStringLiteral("Renamed"));
    Prompt::clearScript();
    w.action(QStringLiteral("actionSave"))->trigger();
    QCOMPARE(Prompt::count(), 1);
    QVERIFY(TestEnvironment::readFile(path).startsWith("5\tRenamed\t"));

    // Save As onto the set it has open: its own lock is not another editor's.
    w.model()->setCell(0, C::PluName, QStringLiteral("Again"));
    Prompt::clearScript();
    Prompt::queueFileName(path);
    w.action(QStringLiteral("actionSave_As"))->trigger();
    QCOMPARE(Prompt::lastText(), QStringLiteral("Save File Success"));
    QVERIFY(TestEnvironment::readFile(path).startsWith("5\tAgain\t"));
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
    const QString other = dataCopy(QStringLiteral("document/txu/input.TXU"));
    w.openArgument(other);
    QCOMPARE(w.currentFile(), other);
    QCOMPARE(w.model()->text(0, C::PluName), QStringLiteral("Short"));

    // A hotkey sheet, as the file manager passes one, opens in the sheet editor; the list stays.
    QVector<HotkeyKey> keys(1);
    keys[0].data.name1 = QStringLiteral("Pears");
    const QString sheet = env.path(QStringLiteral("card.HOTK"));
    QVERIFY(HotkeySheetFile::write(sheet, keys, nullptr));
    QString shownName;
    ModalDriver driver;
    driver.on("ZqSetHotKey", [&](QWidget *editor) {
        shownName = static_cast<ZqSetHotKey *>(editor)->sheet()->keys().value(0).data.name1;
        static_cast<QDialog *>(editor)->reject();
    });
    w.openArgument(sheet);
    QCOMPARE(shownName, QStringLiteral("Pears"));
    QCOMPARE(w.currentFile(), other);
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
    QCOMPARE(w.windowTitle(), QStringLiteral("PLU manager[*]"));
}

void TestFileCommands::openRefusedKeepsTheTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("warning");
    QByteArray random(4096, '\0');
    for (int i = 0; i < random.size(); ++i)
        random[i] = char((i * 2654435761u) >> 13);
    QTest::newRow("unknown suffix") << "prices.dat" << QByteArray("1\tx\r\n") << "Unsupported file type";
    QTest::newRow("random bytes") << "random.txp" << random
                                  << "\"random.txp\" is not a PLU file: line 1 holds a NUL byte.";
    QTest::newRow("GBK names in the UTF-8 code page")
        << "gbk.txp" << TestEnvironment::readFile(QStringLiteral(PLU_TEST_DATA_DIR "/document/gbk-name/input.txp"))
        << "Line 1 of \"gbk.txp\" is not valid UTF-8 text. If the file was written in another code page, set "
           "CodePage in [Setting] of SYSTEM.CFG to it.";
}

void TestFileCommands::openRefusedKeepsTheTable()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, warning);
    TestEnvironment env;
    MainWindow w;
    w.loadFile(fixture());
    const QString odd = env.path(name);
    QVERIFY(TestEnvironment::writeFile(odd, content));
    Prompt::queueFileName(odd);
    w.action(QStringLiteral("actionOpen"))->trigger();
    QCOMPARE(Prompt::lastTitle(), QStringLiteral("Warning"));
    QCOMPARE(Prompt::lastText(), warning);
    QCOMPARE(w.currentFile(), fixture());
    QCOMPARE(w.model()->text(0, C::PluName), QStringLiteral("Apples"));
}

QTEST_MAIN(TestFileCommands)
#include "TestFileCommands.moc"
