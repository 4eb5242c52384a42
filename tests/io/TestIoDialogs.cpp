#include "ModalDriver.h"
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"
#include "io/ImportExcelDialog.h"
#include "io/SheetReader.h"
#include "io/ZQDataImportDialog.h"
#include "io/ZQWeightUnitSetDialog.h"
#include "io/ZQheaderwidget.h"
#include "table/PluEditCommands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTextCodec>
#include <QTreeView>
#include <QUndoStack>

using C = PluColumns;

namespace {
QString data(const char *name)
{
    return QStringLiteral(PLU_TEST_DATA_DIR "/io/") + QLatin1String(name);
}

template <typename T> T *child(QWidget *parent, const char *name)
{
    T *w = parent->findChild<T *>(QLatin1String(name));
    if (!w)
        qWarning() << "no widget" << name;
    return w;
}

void click(QWidget *parent, const char *name)
{
    child<QAbstractButton>(parent, name)->click();
}

// The window with one named row that the operator changed and has not saved.
void changeTable(MainWindow &w)
{
    w.model()->setCell(0, C::PluName, QStringLiteral("Old"));
    w.setModified(true);
}

// Imported rows are unsaved work: Ctrl+Q asks about them, and Cancel keeps window and rows.
void quitAsksToSave(MainWindow &w)
{
    QVERIFY(w.isModified());
    w.show();
    QApplication::setActiveWindow(&w); // the import's dialogs were the active windows last
    QVERIFY(QTest::qWaitForWindowActive(&w));
    Prompt::clearScript();
    Prompt::queueAnswer(QMessageBox::Cancel);
    QTest::keyClick(w.tableView(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(Prompt::count(), 1);
    QCOMPARE(Prompt::lastText(), QStringLiteral("The document has been modified.\nDo you want to save your changes?"));
    QVERIFY(w.isVisible());
}

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};
} // namespace

class TestIoDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init() { Prompt::clearScript(); }
    void excelImportReplacesTableInOneStep();
    void unreadableWorkbookKeepsTable();
    void excelImportListsProblems_data();
    void excelImportListsProblems();
    void updateFromSheetIsOneStep();
    void saveRefusesRowsWithoutNames();
    void importRulesCheckRangeAndRememberChoice();
    void customImportSavesLayoutAndImports();
    void customLayoutRefusals_data();
    void customLayoutRefusals();
    void customLayoutExclusiveBoxes();
    void unitValuesMustDiffer();
    void exportWritesChosenFormat_data();
    void exportWritesChosenFormat();
    void instructionsOpenInViewer_data();
    void instructionsOpenInViewer();
    void realOpenDialogListsWorkbooks();
};

void TestIoDialogs::excelImportReplacesTableInOneStep()
{
    TestEnvironment env;
    MainWindow w;
    changeTable(w);
    for (const char *name : {"actionImport_PLU_from_Excel", "actionCustom_import", "actionExport_to_Excel"})
        QVERIFY2(w.action(QLatin1String(name))->isEnabled(), name);
    const int steps = w.editCommands()->undoStack()->count();
    Prompt::queueAnswer(QMessageBox::No); // do not save the changes
    Prompt::queueFileName(data("plu.xlsx"));
    int proposedFirst = -1;
    int proposedLast = -1;
    ModalDriver driver;
    driver.on("ImportExcelDialog", [&proposedFirst, &proposedLast](QWidget *dialog) {
        proposedFirst = child<QSpinBox>(dialog, "startRowSpinBox")->value();
        proposedLast = child<QSpinBox>(dialog, "endRowSpinBox")->value();
        click(dialog, "OKBtn");
    });
    w.action(QStringLiteral("actionImport_PLU_from_Excel"))->trigger();
    QCOMPARE(Prompt::shown().at(1).title, QStringLiteral("Open Excel"));
    // The workbook's first row holds the export's captions.
    QCOMPARE(proposedFirst, 2);
    QCOMPARE(proposedLast, 4);
    QCOMPARE(w.model()->text(0, C::PluName), QStringLiteral("Apples"));
    QCOMPARE(w.model()->text(2, C::PluName), QStringLiteral("Cherries"));
    QCOMPARE(w.document()->rowCount(), 3);
    QVERIFY(w.currentFile().isEmpty());
    quitAsksToSave(w);
    QCOMPARE(w.editCommands()->undoStack()->count(), steps + 1);
    w.editCommands()->undoStack()->undo();
    QCOMPARE(w.model()->text(0, C::PluName), QStringLiteral("Old"));
    QVERIFY(w.model()->text(1, C::PluName).isEmpty());
}

void TestIoDialogs::unreadableWorkbookKeepsTable()
{
    TestEnvironment env;
    MainWindow w;
    changeTable(w);
    const int steps = w.editCommands()->undoStack()->count();
    Prompt::queueAnswer(QMessageBox::No);
    Prompt::queueFileName(data("damaged.xlsx"));
    w.action(QStringLiteral("actionImport_PLU_from_Excel"))->trigger();
    QCOMPARE(Prompt::last().kind, QStringLiteral("warning"));
    QVERIFY2(Prompt::lastText().contains(QLatin1String("\"damaged.xlsx\"")), qPrintable(Prompt::lastText()));
    QVERIFY(Prompt::lastText().contains(QLatin1String("The table is unchanged")));
    QCOMPARE(w.model()->text(0, C::PluName), QStringLiteral("Old"));
    QCOMPARE(w.editCommands()->undoStack()->count(), steps);
}

void TestIoDialogs::excelImportListsProblems_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("import the good rows") << "actionBtn" << QStringList{"Apples", "Limes", ""};
    QTest::newRow("cancel") << "closeBtn" << QStringList{"Old", "", ""};
}

void TestIoDialogs::excelImportListsProblems()
{
    QFETCH(QString, button);
    QFETCH(QStringList, names);
    TestEnvironment env;
    MainWindow w;
    changeTable(w);
    const int steps = w.editCommands()->undoStack()->count();
    Prompt::queueAnswer(QMessageBox::No);
    Prompt::queueFileName(data("checks.xlsx"));
    int listed = 0;
    ModalDriver driver;
    driver.on("ImportExcelDialog", [](QWidget *dialog) { click(dialog, "OKBtn"); });
    driver.on("SendProblemsDlg", [&listed, button](QWidget *list) {
        listed = child<QTableWidget>(list, "problemTable")->rowCount();
        QCOMPARE(child<QTableWidget>(list, "problemTable")->item(0, 0)->text(), QStringLiteral("3"));
        click(list, button.toLatin1().constData());
    });
    w.action(QStringLiteral("actionImport_PLU_from_Excel"))->trigger();
    QCOMPARE(listed, 7);
    for (int r = 0; r < names.size(); ++r)
        QCOMPARE(w.model()->text(r, C::PluName), names.at(r));
    QCOMPARE(w.editCommands()->undoStack()->count(), steps + (button == QLatin1String("actionBtn") ? 1 : 0));
}

void TestIoDialogs::updateFromSheetIsOneStep()
{
    TestEnvironment env;
    MainWindow w;
    for (int r = 0; r < 2; ++r) {
        w.model()->setCell(r, C::PluName, r == 0 ? QStringLiteral("Apples") : QStringLiteral("Pears"));
        w.model()->setCell(r, C::LFCode, 101 + r);
        w.model()->setCell(r, C::UnitPrice, r == 0 ? QStringLiteral("3.49") : QStringLiteral("2.99"));
        w.model()->setCell(r, C::WeightUnit, QStringLiteral("g"));
    }
    w.document()->recomputeRowCount();
    w.document()->setCurrentFile(env.path(QStringLiteral("shop.txp")));
    const int steps = w.editCommands()->undoStack()->count();
    Prompt::queueFileName(data("prices-small.xls"));
    ModalDriver driver;
    driver.on("ImportExcelDialog", [](QWidget *dialog) {
        auto *import = static_cast<ImportExcelDialog *>(dialog);
        for (int k = 1; k <= SheetImport::PropertyCount; ++k) {
            if (import->header()->box(k)->isChecked() != (k == 5))
                import->header()->box(k)->click();
        }
        child<QGroupBox>(dialog, "updateBox")->setChecked(true);
        click(dialog, "OKBtn");
    });
    w.action(QStringLiteral("actionImport_PLU_from_Excel"))->trigger();
    QVERIFY2(Prompt::lastText().startsWith(QLatin1String("Articles updated: 1, unchanged: 1.\nRows added: 0, "
                                                         "without a matching article: 1.\nrow 4, LF Code: 999")),
             qPrintable(Prompt::lastText()));
    QCOMPARE(w.model()->text(0, C::PluName), QStringLiteral("Apples"));
    QCOMPARE(w.model()->text(0, C::UnitPrice), QStringLiteral("3.99"));
    QCOMPARE(w.model()->text(0, C::WeightUnit), QStringLiteral("g"));
    QCOMPARE(w.currentFile(), env.path(QStringLiteral("shop.txp")));
    QCOMPARE(w.editCommands()->undoStack()->count(), steps + 1);
    w.editCommands()->undoStack()->undo();
    QCOMPARE(w.model()->text(0, C::UnitPrice), QStringLiteral("3.49"));
}

void TestIoDialogs::saveRefusesRowsWithoutNames()
{
    TestEnvironment env;
    MainWindow w;
    w.model()->setCell(0, C::LFCode, 101);
    w.model()->setCell(0, C::UnitPrice, QStringLiteral("1.50"));
    const QString path = env.path(QStringLiteral("nameless.txp"));
    Prompt::queueFileName(path);
    w.action(QStringLiteral("actionSave_As"))->trigger();
    QCOMPARE(Prompt::last().kind, QStringLiteral("warning"));
    QVERIFY2(Prompt::lastText().startsWith(QLatin1String("Nothing was saved")), qPrintable(Prompt::lastText()));
    QVERIFY(!QFileInfo::exists(path));
}

void TestIoDialogs::importRulesCheckRangeAndRememberChoice()
{
    TestEnvironment env;
    QVector<SheetImport::SourceRow> records;
    for (int i = 1; i <= 3; ++i)
        records.append({i, {double(i), QStringLiteral("Item")}});
    {
        ImportExcelDialog dialog;
        dialog.setRows(records, 2);
        QVERIFY(child<QLabel>(&dialog, "rowsLabel")
                    ->text()
                    .contains(QLatin1String("Rows left out for fewer than 19 cells: 2.")));
        child<QSpinBox>(&dialog, "endRowSpinBox")->setValue(4);
        dialog.accept();
        QCOMPARE(Prompt::last().kind, QStringLiteral("critical"));
        QCOMPARE(Prompt::lastTitle(), QStringLiteral("critical"));
        QVERIFY(Prompt::lastText().startsWith(QLatin1String("Content")));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.header()->box(2)->click(); // LF Code off
        QCOMPARE(dialog.flags().at(2), 0);
        // Without names the rows would be no rows of the file.
        child<QSpinBox>(&dialog, "endRowSpinBox")->setValue(3);
        dialog.header()->box(1)->click();
        dialog.accept();
        QVERIFY2(Prompt::lastText().startsWith(QLatin1String("Tick \"PLU name\"")), qPrintable(Prompt::lastText()));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.header()->box(1)->click();
    }
    ImportExcelDialog again;
    again.setRows(records, 0);
    QVERIFY(!again.header()->box(2)->isChecked());
    QVERIFY(again.header()->box(1)->isChecked());
    QCOMPARE(again.flags().at(2), 0);
}

void TestIoDialogs::customImportSavesLayoutAndImports()
{
    TestEnvironment env;
    MainWindow w;
    const int steps = w.editCommands()->undoStack()->count();
    Prompt::queueAnswer(QMessageBox::Yes); // save the changed layout before importing
    Prompt::queueFileName(data("text/tab-title.txt"));
    ModalDriver driver;
    driver.on("ZQDataImportDialog", [](QWidget *dialog) {
        child<QComboBox>(dialog, "CboxPluSep")->setCurrentIndex(1);
        for (const char *box : {"ChkHotKey", "ChkPluName", "ChkLfCode", "ChkCode", "ChkUnitPrice", "ChkDiv100",
                                "ChkWeightUnit", "CboxFirstLineIsTitle"})
            click(dialog, box);
        child<QComboBox>(dialog, "CboxDeptMent")->setCurrentText(QStringLiteral("12"));
        click(dialog, "ImportBtn");
    });
    w.action(QStringLiteral("actionCustom_import"))->trigger();
    QCOMPARE(Prompt::shown().first().text,
             QStringLiteral("Param is not saved,Cann't take effect,Do you want to save it?"));
    const QSettings stored(env.settingsPath(), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("ZQPLU_ImportPluSet/CboxPluSep")).toInt(), 1);
    QCOMPARE(stored.value(QStringLiteral("ZQPLU_ImportPluSet/CboxDeptMent")).toString(), QStringLiteral("12"));
    QCOMPARE(stored.value(QStringLiteral("ZQPLU_ImportPluSet/ChkTare")).toInt(), 0);
    QCOMPARE(stored.value(QStringLiteral("ZQPLU_ImportPluSet/CboxPluNameLen")).toString(), QStringLiteral("37"));
    QCOMPARE(w.model()->text(0, C::PluName), QStringLiteral("Apples"));
    QCOMPARE(w.model()->text(1, C::LFCode), QStringLiteral("102"));
    QCOMPARE(w.document()->rowCount(), 2);
    QCOMPARE(w.editCommands()->undoStack()->count(), steps + 1);
    quitAsksToSave(w);

    // Opened again, the dialog shows what was stored.
    ZQDataImportDialog dialog;
    QCOMPARE(child<QComboBox>(&dialog, "CboxDeptMent")->currentText(), QStringLiteral("12"));
    QVERIFY(child<QCheckBox>(&dialog, "CboxFirstLineIsTitle")->isChecked());
    QVERIFY(!dialog.isModified());
}

void TestIoDialogs::customLayoutRefusals_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("separator");
    QTest::addColumn<QString>("message");
    QTest::newRow("no name") << QStringList{"ChkLfCode"} << 0 << "Plu Name is not NULL";
    QTest::newRow("no LF code") << QStringList{"ChkPluName"} << 0 << "LFCode is not NULL";
    QTest::newRow("empty custom separator")
        << QStringList{"ChkPluName", "ChkLfCode"} << 5 << "Custom separator can't be empty";
}

void TestIoDialogs::customLayoutRefusals()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, separator);
    QFETCH(QString, message);
    TestEnvironment env;
    ZQDataImportDialog dialog;
    for (const QString &name : clicks)
        click(&dialog, name.toLatin1().constData());
    child<QComboBox>(&dialog, "CboxPluSep")->setCurrentIndex(separator);
    QVERIFY(!dialog.onSaveBtnClicked());
    QCOMPARE(Prompt::lastTitle(), QStringLiteral("Warning"));
    QCOMPARE(Prompt::lastText(), message);
    QVERIFY(
        !QSettings(env.settingsPath(), QSettings::IniFormat).contains(QStringLiteral("ZQPLU_ImportPluSet/CboxPluSep")));
}

void TestIoDialogs::customLayoutExclusiveBoxes()
{
    TestEnvironment env;
    ZQDataImportDialog dialog;
    auto *unitButton = child<QPushButton>(&dialog, "WeightUnitSetBtn");
    click(&dialog, "ChkDiv100");
    click(&dialog, "ChkDiv1000");
    QVERIFY(!child<QCheckBox>(&dialog, "ChkDiv100")->isChecked());
    click(&dialog, "ChkWeightUnit");
    QVERIFY(unitButton->isEnabled());
    click(&dialog, "ChkFixWeightUnit");
    QVERIFY(!child<QCheckBox>(&dialog, "ChkWeightUnit")->isChecked());
    QVERIFY(!unitButton->isEnabled());
    child<QComboBox>(&dialog, "CboxPluSep")->setCurrentIndex(4);
    QVERIFY(child<QComboBox>(&dialog, "CboxTareLen")->isEnabled());
    QVERIFY(dialog.isModified());
    child<QLineEdit>(&dialog, "edtCustSep")->setText(QStringLiteral("1"));
    QVERIFY(!child<QLineEdit>(&dialog, "edtCustSep")->hasAcceptableInput()); // no digits
}

void TestIoDialogs::unitValuesMustDiffer()
{
    TestEnvironment env;
    ZQWeightUnitSetDialog dialog;
    dialog.model()->item(4, 1)->setText(QStringLiteral("kg"));
    dialog.model()->item(6, 1)->setText(QStringLiteral(" KG"));
    dialog.onClickokBtn();
    QCOMPARE(Prompt::lastText(), QStringLiteral("Value cannot be repeated"));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(ZQConfig::weightIds().at(4), QStringLiteral("4"));
    dialog.model()->item(6, 1)->setText(QStringLiteral(" LB "));
    dialog.onClickokBtn();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(ZQConfig::weightIds().at(6), QStringLiteral("LB"));
    QCOMPARE(QSettings(env.settingsPath(), QSettings::IniFormat).value(QStringLiteral("WeightIDSet/4")).toString(),
             QStringLiteral("kg"));
}

void TestIoDialogs::exportWritesChosenFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("format");
    QTest::newRow("workbook") << "list.xlsx"
                              << "list.xlsx" << int(SheetReader::Format::Xlsx);
    QTest::newRow("tab-separated") << "list.xls"
                                   << "list.xls" << int(SheetReader::Format::Text);
    QTest::newRow("no suffix: the chosen filter's") << "list"
                                                    << "list.xls" << int(SheetReader::Format::Text);
    QTest::newRow("folder missing") << "missing/list.xls"
                                    << "" << int(SheetReader::Format::Unknown);
}

void TestIoDialogs::exportWritesChosenFormat()
{
    QFETCH(QString, name);
    QFETCH(QString, written);
    QFETCH(int, format);
    TestEnvironment env;
    MainWindow w;
    w.model()->setCell(0, C::PluName, QStringLiteral("Tea"));
    Prompt::queueFileName(env.path(name));
    w.action(QStringLiteral("actionExport_to_Excel"))->trigger();
    QCOMPARE(Prompt::shown().first().title, QStringLiteral("Export File"));
    QCOMPARE(Prompt::shown().first().text, QStringLiteral("Excel Files (*.xls);;Excel Workbook (*.xlsx)"));
    if (written.isEmpty()) {
        QCOMPARE(Prompt::lastTitle(), QStringLiteral("Warning"));
        QVERIFY(Prompt::lastText().startsWith(QLatin1String("Create Or Open file Error\n")));
        return;
    }
    QCOMPARE(Prompt::lastText(), QStringLiteral("Export Excel Success"));
    QCOMPARE(int(SheetReader::formatOf(env.path(written))), format);
}

void TestIoDialogs::instructionsOpenInViewer_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("English") << "en_US"
                             << "ImportReadMe_ENG.txt"
                             << "This feature can be imported into different manufacturers of PLU, operating "
                                "instructions are as follows";
    QTest::newRow("Chinese") << "zh_CN"
                             << "ImportReadMe_cn.txt" << QStringLiteral("此功能可导入不同厂家的plu，操作说明如下");
}

void TestIoDialogs::instructionsOpenInViewer()
{
    QFETCH(QString, language);
    QFETCH(QString, file);
    QFETCH(QString, firstLine);
    TestEnvironment env({{QStringLiteral("Language/Language"), language}});
    UrlCatcher viewer;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer, "open");
    ZQDataImportDialog dialog;
    click(&dialog, "InstructionsBtn");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(viewer.urls, QList<QUrl>{QUrl::fromLocalFile(env.path(file))});
    const QString text = QTextCodec::codecForLocale()->toUnicode(TestEnvironment::readFile(env.path(file)));
    QCOMPARE(text.count(QLatin1String("\r\n")), 17);
    QCOMPARE(text.section(QLatin1String("\r\n"), 0, 0), firstLine);
}

void TestIoDialogs::realOpenDialogListsWorkbooks()
{
    // The prompt seam stands in for the file dialog everywhere else; here the real one lists a
    // folder under the import's filter.
    TestEnvironment env;
    for (const char *name : {"a.xls", "b.xlsx", "C.XLS", "d.txt", "e.ods"})
        QVERIFY(TestEnvironment::writeFile(env.path(QLatin1String(name)), "x"));
    QFileDialog dialog(nullptr, QStringLiteral("Open Excel"), env.path(QString()),
                       QStringLiteral("Excel Files (*.xls *xlsx)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    auto *view = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    // The folder is read on a thread of its own and may also report other folders first: look
    // until the listing has come in.
    auto listed = [view] {
        QStringList names;
        const QModelIndex root = view->rootIndex();
        for (int r = 0; r < view->model()->rowCount(root); ++r)
            names << view->model()->index(r, 0, root).data().toString();
        names.sort();
        return names;
    };
    QTRY_COMPARE_WITH_TIMEOUT(listed(), (QStringList{"C.XLS", "a.xls", "b.xlsx"}), 5000);
}

QTEST_MAIN(TestIoDialogs)
#include "TestIoDialogs.moc"
