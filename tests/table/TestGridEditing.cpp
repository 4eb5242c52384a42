#include "TestSupport.h"

#include "app/MainWindow.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"
#include "table/PluEditCommands.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>

using C = PluColumns;

namespace {
void nameRows(PluTableModel *model, int count)
{
    PluTableModel::BulkUpdate bulk(model);
    for (int r = 0; r < count; ++r) {
        model->setCell(r, C::PluName, QStringLiteral("P%1").arg(r));
        model->setCell(r, C::LFCode, 100 + r);
    }
}

// Opens the cell's editor, types the text and presses Return; gives what the editor let through.
QString typeInto(MainWindow &w, int row, int column, const QString &text)
{
    QTableView *view = w.tableView();
    const QModelIndex index = w.model()->index(row, column);
    view->setCurrentIndex(index);
    view->edit(index);
    QLineEdit *editor = nullptr;
    const QList<QLineEdit *> edits = view->viewport()->findChildren<QLineEdit *>();
    for (QLineEdit *e : edits) {
        if (e->isVisible())
            editor = e;
    }
    if (!editor)
        return QStringLiteral("<no editor>");
    editor->clear();
    QTest::keyClicks(editor, text);
    const QString shown = editor->text();
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits the editor through a queued call and deletes it later.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return shown;
}

void doubleClick(MainWindow &w, int row, int column)
{
    QTableView *view = w.tableView();
    const QModelIndex index = w.model()->index(row, column);
    view->setCurrentIndex(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

QAction *menuEntry(MainWindow &w, const char *menuName, const QString &text)
{
    auto *menu = w.findChild<QMenu *>(QString::fromLatin1(menuName));
    if (!menu)
        return nullptr;
    const QList<QAction *> actions = menu->actions();
    for (QAction *a : actions) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}
} // namespace

class TestGridEditing : public QObject
{
    Q_OBJECT
private slots:
    void editorsLimitTyping_data();
    void editorsLimitTyping();
    void typedDuplicateIsResetAndUndoable();
    void unitAndPackageMenus();
    void certifiedUnitMenuOffersTwoUnits_data();
    void certifiedUnitMenuOffersTwoUnits();
    void doubleClickAloneChangesNothing();
    void modifiedFollowsTheHistory_data();
    void modifiedFollowsTheHistory();
    void moveToThroughTheDialog_data();
    void moveToThroughTheDialog();
    void undoAndRedoInMenus();
    void newAndOpenClearTheHistory();
};

void TestGridEditing::editorsLimitTyping_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::newRow("code: ten digits at most") << int(C::Code) << "12345678901"
                                              << "1234567890"
                                              << "1234567890";
    QTest::newRow("code: digits only") << int(C::Code) << "1a2-3"
                                       << "123"
                                       << "123";
    QTest::newRow("name: PluNameLen characters") << int(C::PluName) << "ABCDEFGHIJK"
                                                 << "ABCDEFGH"
                                                 << "ABCDEFGH";
    // A value of the top's length stays as intermediate text, which Return does not commit.
    QTest::newRow("hotkey: up to 224") << int(C::HotKey) << "2255"
                                       << "225"
                                       << "0";
    QTest::newRow("LF code: six digits") << int(C::LFCode) << "12345678"
                                         << "123456"
                                         << "123456";
    QTest::newRow("unit price: price decimals") << int(C::UnitPrice) << "12.345"
                                                << "12.34"
                                                << "12.34";
    QTest::newRow("tare: one more decimal") << int(C::Tare) << "1.2345"
                                            << "1.234"
                                            << "1.234";
    QTest::newRow("shelf time: negative allowed") << int(C::ShelfTime) << "-12"
                                                  << "-12"
                                                  << "-12";
    QTest::newRow("message 2: up to 255") << int(C::Message2) << "2567"
                                          << "256"
                                          << "0";
}

void TestGridEditing::editorsLimitTyping()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    TestEnvironment env({{QStringLiteral("PLU/PluNameLen"), 8}});
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTEST(typeInto(w, 0, column, typed), "shown");
    QTEST(w.model()->text(0, column), "stored");
}

void TestGridEditing::typedDuplicateIsResetAndUndoable()
{
    TestEnvironment env;
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    nameRows(w.model(), 5);
    w.model()->setCell(1, C::LFCode, 12);
    typeInto(w, 4, C::LFCode, QStringLiteral("12"));
    QCOMPARE(Prompt::lastTitle(), QStringLiteral("critical"));
    QCOMPARE(Prompt::lastText(), QStringLiteral("Row[2]LFcode repeated!"));
    QCOMPARE(w.model()->cell(4, C::LFCode), QVariant(0));

    QAction *undo = w.action(QStringLiteral("actionUndo"));
    QAction *redo = w.action(QStringLiteral("actionRedo"));
    QVERIFY(undo->isEnabled());
    undo->trigger();
    QCOMPARE(w.model()->cell(4, C::LFCode), QVariant(104));
    QVERIFY(!undo->isEnabled());
    QVERIFY(redo->isEnabled());
    redo->trigger();
    QCOMPARE(w.model()->cell(4, C::LFCode), QVariant(0));
    QCOMPARE(Prompt::count(), 1); // redo replays the change without checking again
}

void TestGridEditing::unitAndPackageMenus()
{
    TestEnvironment env;
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    nameRows(w.model(), 3);
    w.model()->setCell(1, C::Tare, QStringLiteral("0.150"));
    w.model()->setCell(1, C::PackageWeight, QStringLiteral("1.250"));

    doubleClick(w, 1, C::WeightUnit);
    QAction *grams = menuEntry(w, "unitMenu", QStringLiteral("g"));
    QVERIFY(grams);
    QCOMPARE(w.findChild<QMenu *>(QStringLiteral("unitMenu"))->actions().size(), 14); // 13 units and a rule
    grams->trigger();
    QCOMPARE(w.model()->text(1, C::WeightUnit), QStringLiteral("g"));
    QCOMPARE(w.model()->text(1, C::Tare), QStringLiteral("150"));
    QCOMPARE(w.model()->text(1, C::PackageWeight), QStringLiteral("1250"));

    doubleClick(w, 1, C::PackageType);
    QAction *fixedPrice = menuEntry(w, "packageMenu", QStringLiteral("Fixed Price"));
    QVERIFY(fixedPrice);
    fixedPrice->trigger();
    QCOMPARE(w.model()->text(1, C::PackageType), QStringLiteral("Fixed Price"));

    doubleClick(w, 1, C::WeightUnit);
    menuEntry(w, "unitMenu", QStringLiteral("PCS(oz)"))->trigger();
    QCOMPARE(w.model()->text(1, C::PackageType), QStringLiteral("Normal"));
    QCOMPARE(w.model()->text(1, C::Tare), QStringLiteral("5.3"));
    QVERIFY(w.isModified());
}

void TestGridEditing::certifiedUnitMenuOffersTwoUnits_data()
{
    QTest::addColumn<int>("certiStatus");
    QTest::addColumn<QString>("written");
    QTest::newRow("1 renames the piece unit") << 1 << "PCS";
    QTest::newRow("2 keeps its name") << 2 << "PCS(kg)";
}

void TestGridEditing::certifiedUnitMenuOffersTwoUnits()
{
    QFETCH(int, certiStatus);
    TestEnvironment env({{QStringLiteral("Function/CertiStatus"), certiStatus}});
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    nameRows(w.model(), 1);
    doubleClick(w, 0, C::WeightUnit);
    auto *menu = w.findChild<QMenu *>(QStringLiteral("unitMenu"));
    QVERIFY(menu);
    QStringList entries;
    for (QAction *a : menu->actions())
        entries << a->text();
    QCOMPARE(entries, QStringList({QStringLiteral("kg"), QStringLiteral("PCS")}));
    menuEntry(w, "unitMenu", QStringLiteral("PCS"))->trigger();
    QTEST(w.model()->text(0, C::WeightUnit), "written");
}

void TestGridEditing::doubleClickAloneChangesNothing()
{
    TestEnvironment env;
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    nameRows(w.model(), 1);
    doubleClick(w, 0, C::WeightUnit); // the unit menu opens; nothing is chosen
    w.findChild<QMenu *>(QStringLiteral("unitMenu"))->close();
    doubleClick(w, 0, C::Tolerance); // the editor opens and is left unchanged
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!w.isModified());
}

void TestGridEditing::modifiedFollowsTheHistory_data()
{
    QTest::addColumn<QString>("command");
    for (const char *c : {"actionSort_by_Name", "actionInsert", "actionDelete", "actionCut", "move"})
        QTest::newRow(c) << QString::fromLatin1(c);
}

void TestGridEditing::modifiedFollowsTheHistory()
{
    QFETCH(QString, command);
    TestEnvironment env;
    const QString file = env.path(QStringLiteral("shop.txp"));
    QByteArray lines;
    for (const char *name : {"Pears", "Apples", "Figs"})
        lines +=
            "0\t" + QByteArray(name) + "\t0\t\t0\t100\t4\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t\t0\t0\t0\t0\t0\t0\r\n";
    QVERIFY(TestEnvironment::writeFile(file, lines));
    MainWindow w;
    w.loadFile(file);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.tableView()->setCurrentIndex(w.model()->index(1, C::PluName));
    if (command == QLatin1String("move"))
        w.editCommands()->moveRow(1, 3);
    else
        w.action(command)->trigger();
    QVERIFY(w.isModified());
    Prompt::clearScript();
    Prompt::queueAnswer(QMessageBox::Cancel);
    QVERIFY(!w.close());
    QCOMPARE(Prompt::lastTitle(), QStringLiteral("ZQPLU"));

    // Undone back to the file's contents: nothing to save.
    w.action(QStringLiteral("actionUndo"))->trigger();
    QVERIFY(!w.isModified());
    // Saved after the change, then undone: the table differs from the file again.
    w.action(QStringLiteral("actionRedo"))->trigger();
    w.action(QStringLiteral("actionSave"))->trigger();
    QVERIFY(!w.isModified());
    w.action(QStringLiteral("actionUndo"))->trigger();
    QVERIFY(w.isModified());
    w.action(QStringLiteral("actionRedo"))->trigger();
    Prompt::clearScript();
    QVERIFY(w.close());
    QCOMPARE(Prompt::count(), 0);
}

void TestGridEditing::moveToThroughTheDialog_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("movedTo");
    QTest::newRow("row 10 to 3") << "3" << 2;
    QTest::newRow("empty target: OK waits, Cancel closes") << "" << 9;
    QTest::newRow("target outside the grid") << "20001" << 9;
}

void TestGridEditing::moveToThroughTheDialog()
{
    QFETCH(QString, target);
    QFETCH(int, movedTo);
    TestEnvironment env;
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    nameRows(w.model(), 12);
    w.tableView()->setCurrentIndex(w.model()->index(9, C::PluName));
    bool stillOpenAfterOk = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Move To"));
        dialog->findChild<QLineEdit *>(QStringLiteral("LE_Moye_To"))->setText(target);
        dialog->findChild<QPushButton *>(QStringLiteral("Btn_OK"))->click();
        stillOpenAfterOk = dialog->isVisible();
        if (stillOpenAfterOk)
            dialog->findChild<QPushButton *>(QStringLiteral("Btn_Cancel"))->click();
    });
    w.action(QStringLiteral("actionMove_to"))->trigger();
    QCOMPARE(stillOpenAfterOk, target.isEmpty());
    QCOMPARE(w.model()->text(movedTo, C::PluName), QStringLiteral("P9"));
    QCOMPARE(w.editCommands()->undoStack()->count(), movedTo == 9 ? 0 : 1);
}

void TestGridEditing::undoAndRedoInMenus()
{
    TestEnvironment env;
    MainWindow w;
    auto *editMenu = w.findChild<QMenu *>(QStringLiteral("menuPLUEdit"));
    QVERIFY(editMenu);
    QAction *undo = w.action(QStringLiteral("actionUndo"));
    QAction *redo = w.action(QStringLiteral("actionRedo"));
    QCOMPARE(editMenu->actions().at(0), undo);
    QCOMPARE(editMenu->actions().at(1), redo);
    QCOMPARE(w.tableView()->actions().at(0), undo);
    QCOMPARE(w.tableView()->actions().at(1), redo);
    QCOMPARE(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    QVERIFY(redo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
    QVERIFY(redo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());
}

void TestGridEditing::newAndOpenClearTheHistory()
{
    TestEnvironment env;
    const QString file = env.path(QStringLiteral("shop.txp"));
    QVERIFY(TestEnvironment::writeFile(
        file, "1\tApple\t5\t\t0\t100\t4\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t\t0\t0\t0\t0\t0\t0\r\n"));
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QUndoStack *history = w.editCommands()->undoStack();
    nameRows(w.model(), 2);
    typeInto(w, 0, C::Tolerance, QStringLiteral("5"));
    QVERIFY(history->canUndo());
    Prompt::queueAnswer(QMessageBox::No);
    w.action(QStringLiteral("actionNew"))->trigger();
    QVERIFY(!history->canUndo());

    typeInto(w, 0, C::Tolerance, QStringLiteral("6"));
    QVERIFY(history->canUndo());
    w.setModified(false);
    w.loadFile(file);
    QVERIFY(!history->canUndo());
    QCOMPARE(w.model()->text(0, C::PluName), QStringLiteral("Apple"));
}

QTEST_MAIN(TestGridEditing)
#include "TestGridEditing.moc"
