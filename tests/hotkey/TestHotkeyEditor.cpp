#include "ModalDriver.h"
#include "TestSupport.h"
#include "linklib/LinkTestSupport.h"

#include "app/MainWindow.h"
#include "comm/TransferTarget.h"
#include "comm/ZQCommucationProcess.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"
#include "hotkey/HotkeyController.h"
#include "hotkey/HotkeySheet.h"
#include "hotkey/HotkeySheetFile.h"
#include "hotkey/HotkeySheetTypes.h"
#include "hotkey/Printpreview.h"
#include "hotkey/ZqSetHotKey.h"
#include "hotkey/ZqsethotkeyLoadPLUdialog.h"
#include "table/PluEditCommands.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QUndoStack>

using C = PluColumns;

namespace {
// Rows A..F with LF codes 11..66 and the given hotkeys.
void fillTable(MainWindow &w, const QVector<int> &hotkeys)
{
    for (int r = 0; r < hotkeys.size(); ++r) {
        TPLU p;
        p.setPluNameBytes(QByteArray(1, char('A' + r)));
        p.LFCode = 11 * (r + 1);
        p.HotKey = hotkeys.at(r);
        p.UnitPrice = 100 * (r + 1);
        w.pluToRow(p, r);
    }
    w.document()->setModified(false);
}

QStringList hotkeyColumn(MainWindow &w, int rows)
{
    QStringList texts;
    for (int r = 0; r < rows; ++r)
        texts << w.model()->text(r, C::HotKey);
    return texts;
}

void select(ZqSetHotKey *editor, const QList<int> &rows)
{
    auto *list = editor->findChild<QListView *>(QStringLiteral("listView"));
    list->clearSelection();
    for (int row : rows)
        list->selectionModel()->select(list->model()->index(row, 0), QItemSelectionModel::Select);
}
} // namespace

class TestHotkeyEditor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZQCommucationProcess::setLibraryFolder(linktest::binDir()); }
    void hotkeysWrittenBackAsOneStep();
    void panelAndKeyCommands();
    void sheetFiles();
    void typeChangesOnTheNextShowing();
    void previewIsThePrintedCard();
    void keyFileExport();
    void downloadSendsTheSheet();

private:
    HotkeyController *controller(MainWindow &w) { return w.findChild<HotkeyController *>(); }
};

// The keys' numbers land in the grid's hotkey column as one step, which undo takes back whole.
void TestHotkeyEditor::hotkeysWrittenBackAsOneStep()
{
    TestEnvironment env({{QStringLiteral("PLU/Hotkey Sheet Type"), 4}}); // 40 keys
    MainWindow w;
    fillTable(w, {1, 0, 7, 0, 3});
    ZqSetHotKey *editor = controller(w)->editor();
    QVERIFY(editor->takeStoredType());
    HotkeySheet *sheet = controller(w)->sheet();
    QCOMPARE(sheet->item(6).name1, QStringLiteral("C"));

    select(editor, {4});
    editor->on_Name2_Box_currentIndexChanged(3); // D on key 5, second layer: hotkey 45
    select(editor, {6});
    editor->clear1(); // C off its key
    select(editor, {1});
    editor->on_Name1_Box_currentIndexChanged(1); // B on key 2
    QCOMPARE(sheet->item(4).name2, QStringLiteral("D"));

    QUndoStack *undo = w.editCommands()->undoStack();
    const int steps = undo->count();
    const QStringList before = hotkeyColumn(w, 5);
    Prompt::queueAnswer(QMessageBox::No);
    editor->on_SAVE_PLU_HOTKEY_BTN_clicked();
    QCOMPARE(Prompt::lastText(),
             QStringLiteral("This will update the hotkey on main interface.Do you want to continue"));
    QCOMPARE(hotkeyColumn(w, 5), before);
    Prompt::queueAnswer(QMessageBox::Yes);
    editor->on_SAVE_PLU_HOTKEY_BTN_clicked();
    const QStringList after{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("45"),
                            QStringLiteral("3")};
    QCOMPARE(hotkeyColumn(w, 5), after);
    QVERIFY(w.isModified());
    QCOMPARE(undo->count(), steps + 1);
    undo->undo();
    QCOMPARE(hotkeyColumn(w, 5), before);
    undo->redo();
    QCOMPARE(hotkeyColumn(w, 5), after);
}

void TestHotkeyEditor::panelAndKeyCommands()
{
    TestEnvironment env({{QStringLiteral("PLU/Hotkey Sheet Type"), 4},
                         {QStringLiteral("Function/isShowCusHotKeyFun"), QStringLiteral("true")}});
    MainWindow w;
    fillTable(w, {1, 0, 2});
    ZqSetHotKey *editor = controller(w)->editor();
    editor->takeStoredType();
    HotkeySheet *sheet = controller(w)->sheet();
    auto *list = editor->findChild<QListView *>(QStringLiteral("listView"));
    auto *names = editor->findChild<QComboBox *>(QStringLiteral("Name1_Box"));
    auto *functions = editor->findChild<QComboBox *>(QStringLiteral("CustomizeBox"));
    auto *code = editor->findChild<QLineEdit *>(QStringLiteral("Code1_Show"));
    QCOMPARE(names->count(), 3); // the used rows, no more

    // A right click makes the key under it the selection the menu acts on.
    list->show();
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, list->visualRect(list->model()->index(2, 0)).center());
    QCOMPARE(editor->selectedRows(), QList<int>{2});
    editor->findChild<QMenu *>()->close();
    editor->on_CustomizeBox_activated(0);
    QCOMPARE(sheet->item(2).name1, QStringLiteral("找零"));

    editor->showlick(list->model()->index(2, 0));
    QCOMPARE(functions->currentIndex(), 0);
    QCOMPARE(names->currentIndex(), -1);
    QCOMPARE(code->text(), QString());
    editor->showlick(list->model()->index(0, 0));
    QCOMPARE(names->currentText(), QStringLiteral("A"));
    QCOMPARE(code->text(), QStringLiteral("11"));
    QCOMPARE(functions->currentIndex(), -1);

    // "load plu": the first marked PLU on every selected key; nothing marked, nothing changes.
    for (bool mark : {true, false}) {
        select(editor, mark ? QList<int>{5, 6} : QList<int>{7});
        ModalDriver driver;
        driver.on("ZqsethotkeyLoadPLUdialog", [mark](QWidget *dialog) {
            static_cast<ZqsethotkeyLoadPLUdialog *>(dialog)->setMarked(2, mark);
            dialog->findChild<QPushButton *>(QStringLiteral("YESButton"))->click();
        });
        editor->loadplu();
    }
    QCOMPARE(sheet->item(5).name1, QStringLiteral("C"));
    QCOMPARE(sheet->item(6).hotKey1, 7);
    QCOMPARE(sheet->item(7).name1, QString());

    // A large picture is scaled down on import, keeping its shape.
    QImage wide(2000, 500, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    const QString picture = env.path(QStringLiteral("wide.png"));
    QVERIFY(wide.save(picture));
    select(editor, {3});
    Prompt::queueFileName(picture);
    editor->importpicture();
    QCOMPARE(sheet->item(3).picture.size(), QSize(1024, 256));
}

void TestHotkeyEditor::sheetFiles()
{
    TestEnvironment env({{QStringLiteral("PLU/Hotkey Sheet Type"), 1}});
    MainWindow w;
    fillTable(w, {1, 2});
    ZqSetHotKey *editor = controller(w)->editor();
    editor->takeStoredType();
    HotkeySheet *sheet = controller(w)->sheet();
    auto *saveHotkeys = editor->findChild<QToolButton *>(QStringLiteral("SAVE_PLU_HOTKEY_BTN"));
    QVERIFY(saveHotkeys->isEnabled());

    const QString path = env.path(QStringLiteral("card"));
    Prompt::queueFileName(path);
    editor->on_SAVE_BTN_clicked();
    QCOMPARE(editor->fileName(), path + QStringLiteral(".Hotk"));
    const QVector<HotkeyKey> saved = sheet->keys();

    // A damaged sheet is refused and changes nothing.
    const QString damaged = env.path(QStringLiteral("damaged.Hotk"));
    QVERIFY(TestEnvironment::writeFile(damaged, TestEnvironment::readFile(editor->fileName()).left(100)));
    select(editor, {0});
    editor->clear1();
    const QVector<HotkeyKey> edited = sheet->keys();
    Prompt::queueFileName(damaged);
    editor->on_OPEN_BTN_clicked();
    QCOMPARE(Prompt::lastTitle(), QStringLiteral("Warning"));
    QVERIFY2(Prompt::lastText().startsWith(QStringLiteral("OPen File fail\nThe hotkey sheet is damaged at key")),
             qPrintable(Prompt::lastText()));
    QCOMPARE(sheet->keys(), edited);
    QVERIFY(saveHotkeys->isEnabled());

    Prompt::queueFileName(path + QStringLiteral(".Hotk"));
    editor->on_OPEN_BTN_clicked();
    QCOMPARE(sheet->keys(), saved);
    QVERIFY(!saveHotkeys->isEnabled());
    QCOMPARE(editor->findChild<QComboBox *>(QStringLiteral("Name1_Box"))->count(), 2);

    // Save goes back to the opened sheet without asking; a folder that cannot take it is reported.
    const int shown = Prompt::count();
    editor->on_SAVE_BTN_clicked();
    QCOMPARE(Prompt::count(), shown);
    Prompt::queueFileName(env.path(QStringLiteral("missing/folder/x.Hotk")));
    editor->on_SAVEAS_BTN_clicked();
    QVERIFY(Prompt::lastText().startsWith(QStringLiteral("Create File fail")));
    QCOMPARE(editor->fileName(), path + QStringLiteral(".Hotk"));
}

void TestHotkeyEditor::typeChangesOnTheNextShowing()
{
    TestEnvironment env;
    MainWindow w;
    ZqSetHotKey *editor = controller(w)->editor();
    editor->takeStoredType();
    QCOMPARE(controller(w)->sheet()->keyCount(), 112);
    {
        ModalDriver driver;
        driver.on("SetHotkeyStyle", [](QWidget *dialog) {
            QVERIFY(dialog->findChild<QRadioButton *>(QStringLiteral("radioButton"))->isChecked());
            dialog->findChild<QRadioButton *>(QStringLiteral("radioButton_5"))->click();
            dialog->findChild<QToolButton *>(QStringLiteral("YESButton"))->click();
        });
        QCoreApplication::processEvents(); // the window's actions are enabled once it is built
        w.action(QStringLiteral("actionChoose_Parameter"))->trigger();
        QCOMPARE(driver.seen(), QList<QByteArray>{"SetHotkeyStyle"});
    }
    QCOMPARE(HotkeySheetTypes::stored(), 4);
    QCOMPARE(controller(w)->sheet()->keyCount(), 112);
    QVERIFY(editor->takeStoredType());
    QCOMPARE(controller(w)->sheet()->keyCount(), 40);
}

// The preview lays the keys where the printer puts them.
void TestHotkeyEditor::previewIsThePrintedCard()
{
    TestEnvironment env({{QStringLiteral("PLU/Hotkey Sheet Type"), 2}});
    MainWindow w;
    fillTable(w, {1, 2, 61});
    controller(w)->editor()->takeStoredType();
    HotkeySheet *sheet = controller(w)->sheet();
    Printpreview preview(sheet);
    preview.show();
    auto *list = preview.findChild<QListView *>(QStringLiteral("listView"));
    QCOMPARE(list->size(), QSize(690, 450));
    QCOMPARE(list->spacing(), 2);
    for (int i = 0; i < sheet->keyCount(); ++i)
        QCOMPARE(list->visualRect(list->model()->index(i, 0)), HotkeySheetTypes::printCellRect(2, i));
    QCOMPARE(HotkeySheetTypes::columns(2), 10);
    QCOMPARE(HotkeySheetTypes::rows(2), 6);
    // The window fits the screen (here a small one); a card that fits the window is shown whole.
    const QSize screen = preview.screen()->availableSize();
    QVERIFY(preview.width() <= screen.width() && preview.height() <= screen.height());
    auto *area = preview.findChild<QScrollArea *>(QStringLiteral("previewScrollArea"));
    QTRY_VERIFY(!area->horizontalScrollBar()->isVisible() && !area->verticalScrollBar()->isVisible());

    preview.findChild<QRadioButton *>(QStringLiteral("PortriatRadioBtn"))->click();
    const QString pdf = env.path(QStringLiteral("card.pdf"));
    Prompt::queueFileName(pdf);
    preview.on_ExportPdfBtn_clicked();
    QVERIFY(TestEnvironment::readFile(pdf).startsWith("%PDF"));
}

void TestHotkeyEditor::keyFileExport()
{
    TestEnvironment env;
    MainWindow w;
    fillTable(w, {2, 0});
    const QString path = env.path(QStringLiteral("keys.key"));
    Prompt::queueFileName(path);
    controller(w)->exportHotkey();
    QCOMPARE(Prompt::last().kind, QStringLiteral("save"));
    QCOMPARE(Prompt::lastText(), QStringLiteral("KEY Files (*.key)"));
    QCOMPARE(TestEnvironment::readFile(path), "-1\r\n11\r\n" + QByteArray("-1\r\n").repeated(222));
}

// "Download" writes the hotkeys back and sends the sheet's hotkey table; function keys, which
// the table cannot hold, stay out of it.
void TestHotkeyEditor::downloadSendsTheSheet()
{
    linktest::ScaleSim sim;
    QVERIFY(sim.startTcp({QStringLiteral("--data"), sim.dataFile()}));
    TestEnvironment env({{QStringLiteral("PLU/Hotkey Sheet Type"), 4},
                         {QStringLiteral("Link/TcpPort"), sim.port()},
                         {QStringLiteral("Link/TimeoutMs"), 2000}});
    MainWindow w;
    fillTable(w, {1, 0, 0, 42});
    ZqSetHotKey *editor = controller(w)->editor();
    editor->takeStoredType();
    select(editor, {2});
    editor->on_Name1_Box_currentIndexChanged(1); // B on key 3
    controller(w)->sheet()->chooseFunction({4}, 1, 1);

    Prompt::queueAnswer(QMessageBox::Yes);
    {
        ModalDriver driver;
        driver.on("ZQCommunicationConfig", [](QWidget *dialog) {
            dialog->findChild<QRadioButton *>(QStringLiteral("radioButtonIP"))->click();
            dialog->findChild<QLineEdit *>(QStringLiteral("lineEditIPAddress"))->setText(QStringLiteral("127.0.0.1"));
            dialog->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
        });
        editor->on_DOWNLOAD_BTN_clicked();
    }
    QCOMPARE(Prompt::lastText(), QStringLiteral("Communication End"));
    QCOMPARE(hotkeyColumn(w, 4),
             (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("42")}));
    QVector<int> expected(224, 0);
    expected[0] = 11;
    expected[2] = 22;
    expected[41] = 44;
    QVector<int> table;
    const QJsonObject memory = sim.dump().value(QStringLiteral("memory")).toObject();
    for (const QJsonValue &v : memory.value(QStringLiteral("hotkey table")).toArray())
        table.append(v.toObject().value(QStringLiteral("LFCode")).toInt());
    QCOMPARE(table, expected);
}

QTEST_MAIN(TestHotkeyEditor)
#include "TestHotkeyEditor.moc"
