#include "EditorTestSupport.h"

#include "document/NutritionElementFile.h"
#include "document/NutritionValueStore.h"
#include "document/PluFileSet.h"

#include <QAbstractItemModel>
#include <QLabel>

using C = PluColumns;
using namespace EditorTest;

namespace {
QAbstractItemModel *tableOf(QWidget *dialog)
{
    return dialog->findChild<QTableView *>(QStringLiteral("tableView"))->model();
}
} // namespace

class TestNutritionEditors : public QObject
{
    Q_OBJECT
private slots:
    void unsavedFileIsRefused_data();
    void unsavedFileIsRefused();
    void pickerWritesTheCellInOneUndoStep_data();
    void pickerWritesTheCellInOneUndoStep();
};

void TestNutritionEditors::unsavedFileIsRefused_data()
{
    QTest::addColumn<QString>("button"); // empty: the menu entry
    QTest::addColumn<QString>("text");
    QTest::newRow("menu") << ""
                          << "Please save the PLU file first";
    QTest::newRow("Add") << "addBtn"
                         << "Please save the PLU file first";
    QTest::newRow("Save") << "saveBtn"
                          << "Can't Create File";
}

void TestNutritionEditors::unsavedFileIsRefused()
{
    QFETCH(QString, button);
    QFETCH(QString, text);
    TestEnvironment env;
    MainWindow w;
    w.model()->setCell(0, C::PluName, "Apples");
    ModalDriver driver;
    driver.on("ZQNutritionSetDlg", [button](QWidget *dlg) {
        click(dlg, button.toLatin1().constData());
        click(dlg, "closeBtn");
    });
    if (button.isEmpty())
        trigger(w, "actionNutrition_elements_set");
    else
        doubleClick(w, 0, C::Nutrition);
    QCOMPARE(Prompt::lastTitle(), QString("Warning"));
    QCOMPARE(Prompt::lastText(), text);
    QVERIFY(QDir(env.path("DB")).entryList({"NutritionElem_*", "LFCodeNutrition_*"}).isEmpty());
}

void TestNutritionEditors::pickerWritesTheCellInOneUndoStep_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("saved") << true;
    QTest::newRow("closed without saving") << false;
}

void TestNutritionEditors::pickerWritesTheCellInOneUndoStep()
{
    QFETCH(bool, save);
    TestEnvironment env;
    MainWindow w;
    w.model()->setCell(0, C::PluName, "Apples");
    w.model()->setCell(0, C::LFCode, "17");
    const QString file = env.path("shop.Txp");
    QString error;
    QVERIFY(PluFileSet::save(w.document(), file, PluFileSet::sidePathsForSaveAs(file), &error));
    QVERIFY(NutritionElementFile::write(NutritionElementFile::elementFilePath(file),
                                        {{"Energy", "kJ"}, {"Fat", "g"}, {"Salt", "mg"}}, &error));
    const int steps = undoCount(w);

    QString label;
    int rows = -1;
    ModalDriver driver;
    driver.on("NutritionElementDlg", [](QWidget *picker) {
        QCOMPARE(picker->windowTitle(), QString("Add produce Nutrition Element"));
        click(picker, "selectAllBtn");
        click(picker, "selectInvertBtn"); // none
        tableOf(picker)->setData(tableOf(picker)->index(0, 0), true, Qt::UserRole);
        tableOf(picker)->setData(tableOf(picker)->index(2, 0), true, Qt::UserRole);
        click(picker, "okBtn");
    });
    driver.on("ZQNutritionSetDlg", [&](QWidget *dlg) {
        label = dlg->findChild<QLabel *>("PLUNameLabel")->text();
        click(dlg, "addBtn");
        QAbstractItemModel *table = tableOf(dlg);
        rows = table->rowCount();
        table->setData(table->index(1, 3), "12.5");
        if (save)
            click(dlg, "saveBtn");
        click(dlg, "closeBtn");
    });
    doubleClick(w, 0, C::Nutrition);
    QCOMPARE(label, QString("Apples"));
    QCOMPARE(rows, 2);
    QCOMPARE(w.model()->text(0, C::Nutrition), QString("1"));
    QCOMPARE(undoCount(w), steps + 1);
    QVERIFY(w.document()->isModified());

    NutritionValueStore store(NutritionElementFile::valuesFilePath(file));
    QVERIFY(store.open(&error));
    QVector<NutritionValue> values;
    QVERIFY(store.load("17", &values, &error));
    QCOMPARE(values, save ? QVector<NutritionValue>({{1, 0, 0}, {3, 12.5, 0}}) : QVector<NutritionValue>());

    // Reopened, a saved PLU shows its rows; deleting them all and closing clears the cell.
    driver.on("ZQNutritionSetDlg", [&](QWidget *dlg) {
        rows = tableOf(dlg)->rowCount();
        auto *view = dlg->findChild<QTableView *>("tableView");
        while (tableOf(dlg)->rowCount() > 0) {
            view->setCurrentIndex(tableOf(dlg)->index(0, 0));
            click(dlg, "deleteBtn");
        }
        click(dlg, "closeBtn");
    });
    doubleClick(w, 0, C::Nutrition);
    QCOMPARE(rows, save ? 2 : 0);
    QCOMPARE(w.model()->text(0, C::Nutrition), QString("0"));
    w.editCommands()->undoStack()->undo();
    QCOMPARE(w.model()->text(0, C::Nutrition), QString("1"));
}

QTEST_MAIN(TestNutritionEditors)
#include "TestNutritionEditors.moc"
