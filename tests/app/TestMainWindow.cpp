#include "TestSupport.h"

#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "app/ZQAboutDialog.h"
#include "core/Language.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

using C = PluColumns;

namespace {
// "-" is a rule; "text|shortcut" otherwise.
QStringList describe(const QList<QAction *> &actions)
{
    QStringList out;
    for (QAction *a : actions) {
        if (!a->isVisible())
            continue;
        if (a->isSeparator())
            out << QStringLiteral("-");
        else if (a->menu())
            out << MainMenus::plainText(a->text());
        else
            out << MainMenus::plainText(a->text()) + QLatin1Char('|') + a->shortcut().toString();
    }
    return out;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void menus_data();
    void menus();
    void mnemonics_data();
    void mnemonics();
    void toolBar();
    void packageTypeSettingHidden_data();
    void packageTypeSettingHidden();
    void futureActionsAreDisabled();
    void columns_data();
    void columns();
    void columnsFitTheirValues();
    void titleAtStart();
    void nameHint_data();
    void nameHint();
    void find();
    void findInAnotherColumn();
    void goToLine();
    void selections();
    void aboutTakesVersionTexts();
};

void TestMainWindow::menus_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("File") << 0 << "File"
                          << QStringList{"New|Ctrl+N",
                                         "Open|Ctrl+O",
                                         "Save|Ctrl+S",
                                         "Save As|Ctrl+Alt+S",
                                         "-",
                                         "Import PLU from Excel|",
                                         "Custom import|",
                                         "Export to Excel|",
                                         "Export Hotkey to ...|",
                                         "-",
                                         "Choose Parameter|",
                                         "-",
                                         "Exit|Ctrl+Q"};
    QTest::newRow("PLU Edit") << 1 << "PLU Edit"
                              << QStringList{"Cut|Ctrl+X",
                                             "Copy|Ctrl+C",
                                             "Paste|Ctrl+V",
                                             "Move to|",
                                             "-",
                                             "Insert|",
                                             "Delete|Ctrl+Del",
                                             "-",
                                             "Sort by Name|",
                                             "Sort by LF Code|",
                                             "Sort by Code|",
                                             "-",
                                             "Hotkey editing|",
                                             "Discount schedule|",
                                             "Nutrition elements set|"};
    QTest::newRow("PLU Selection") << 2 << "PLU Selection"
                                   << QStringList{"Select entire row|",
                                                  "Select block, column|",
                                                  "Select All|",
                                                  "-",
                                                  "Fill|",
                                                  "Clear|Del",
                                                  "-",
                                                  "Generate hotkey|",
                                                  "Generate LF Code|",
                                                  "Generate Code|",
                                                  "Generate Message ID|"};
    QTest::newRow("Info") << 3 << "Info" << QStringList{"Advertising slogan|", "Message editing|", "-"};
    QTest::newRow("Communication") << 4 << "Communication"
                                   << QStringList{"Download PLU|", "Update PLU|",  "Upload PLU|", "-",
                                                  "Scales|",       "Send history|"};
    QTest::newRow("Help") << 5 << "Help" << QStringList{"User Guide|F1", "About|"};
}

void TestMainWindow::menus()
{
    QFETCH(int, index);
    QFETCH(QString, title);
    QFETCH(QStringList, entries);
    TestEnvironment env;
    MainWindow w;
    const QList<QAction *> menus = w.menuBar()->actions();
    QCOMPARE(menus.size(), 6);
    QCOMPARE(MainMenus::plainText(menus.at(index)->text()), title);
    QStringList shown = describe(menus.at(index)->menu()->actions());
    // Entries added ahead of the table (undo and redo) do not shift the rest.
    while (shown.size() > entries.size() && shown.first() != entries.first())
        shown.removeFirst();
    QCOMPARE(shown, entries);
}

void TestMainWindow::mnemonics_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en_US";
    QTest::newRow("Chinese") << "zh_CN";
}

// Every menu and every entry has an Alt key, one per menu, in every language.
void TestMainWindow::mnemonics()
{
    QFETCH(QString, language);
    TestEnvironment env({{QStringLiteral("Function/IsShowPT"), true}});
    const QString home = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QStringLiteral(PLU_BIN_DIR)));
    QVERIFY(Language::install(language));
    QDir::setCurrent(home);
    MainWindow w;
    auto keyOf = [](const QString &text) {
        const int at = text.indexOf(QLatin1Char('&'));
        return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toUpper() : QChar();
    };
    auto checkMenu = [&](const QList<QAction *> &actions, const QString &where) {
        QSet<QChar> keys;
        for (QAction *a : actions) {
            if (a->isSeparator())
                continue;
            const QChar key = keyOf(a->text());
            QVERIFY2(!key.isNull(), qPrintable(where + QStringLiteral(": ") + a->text()));
            QVERIFY2(!keys.contains(key), qPrintable(where + QStringLiteral(": ") + a->text()));
            keys.insert(key);
        }
    };
    checkMenu(w.menuBar()->actions(), QStringLiteral("menu bar"));
    QList<QMenu *> menus;
    for (QAction *a : w.menuBar()->actions())
        menus << a->menu();
    while (!menus.isEmpty()) {
        QMenu *menu = menus.takeFirst();
        checkMenu(menu->actions(), menu->title());
        for (QAction *a : menu->actions()) {
            if (a->menu())
                menus << a->menu();
        }
    }
    Language::install(QStringLiteral("en_US"));
}

void TestMainWindow::toolBar()
{
    TestEnvironment env;
    MainWindow w;
    QToolBar *bar = w.findChild<QToolBar *>(QStringLiteral("mainToolBar"));
    QVERIFY(bar);
    QStringList items;
    for (QAction *a : bar->actions()) {
        if (a->isSeparator())
            items << QStringLiteral("-");
        else if (QWidget *widget = bar->widgetForAction(a); widget && !qobject_cast<QToolButton *>(widget))
            items << widget->toolTip();
        else
            items << a->iconText();
    }
    QCOMPARE(items, QStringList({"Line No", "New", "Open", "Save", "-", "Advertising slogan", "Message editing",
                                 "Discount schedule", "Hotkey editing", "DownloadADInfo", "Download PLU", "Upload PLU",
                                 "Update PLU", "Find", "Find Content"}));
    QCOMPARE(w.action(QStringLiteral("actionDownloadADInfo"))->toolTip(), QStringLiteral("Download AD Infomation"));
    auto *index = w.findChild<QComboBox *>(QStringLiteral("indexNameBox"));
    QCOMPARE(index->count(), 4);
    QCOMPARE(index->itemText(3), QStringLiteral("Code"));
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("hintLabel"))->width(), 500);
}

void TestMainWindow::packageTypeSettingHidden_data()
{
    QTest::addColumn<bool>("showPT");
    QTest::newRow("hidden") << false;
    QTest::newRow("shown") << true;
}

void TestMainWindow::packageTypeSettingHidden()
{
    QFETCH(bool, showPT);
    TestEnvironment env({{QStringLiteral("Function/IsShowPT"), showPT}});
    MainWindow w;
    QCOMPARE(w.action(QStringLiteral("actionPackage_type_setting"))->isVisible(), showPT);
    QStringList info = describe(w.menuBar()->actions().at(3)->menu()->actions());
    QCOMPARE(info.contains(QStringLiteral("Package type setting|")), showPT);
}

void TestMainWindow::futureActionsAreDisabled()
{
    TestEnvironment env;
    MainWindow w;
    // Actions of the form that no menu offers stay unavailable.
    for (const char *name : {"actionFont", "actionPreview_Hotkey_Card", "actionImport_from_TXP_file"}) {
        QAction *a = w.action(QString::fromLatin1(name));
        QVERIFY2(a && !a->isEnabled() && a->associatedWidgets().isEmpty(), name);
    }
    for (const char *name :
         {"actionNew", "actionOpen", "actionSave", "actionSave_As", "actionExit", "actionAbout", "actionSelect_All"})
        QVERIFY2(w.action(QString::fromLatin1(name))->isEnabled(), name);
}

void TestMainWindow::columns_data()
{
    QTest::addColumn<bool>("showIce");
    QTest::newRow("ice hidden") << false;
    QTest::newRow("ice shown") << true;
}

void TestMainWindow::columns()
{
    QFETCH(bool, showIce);
    TestEnvironment env({{QStringLiteral("Function/isShowIce"), showIce}});
    MainWindow w;
    QTableView *view = w.tableView();
    QCOMPARE(view->objectName(), QStringLiteral("TABLEVW_SHOW"));
    QCOMPARE(view->model()->rowCount(), 20000);
    QCOMPARE(view->model()->columnCount(), 26);
    const QList<int> hidden{C::Account, C::ProDate, C::TraceID, C::Recomdays, C::PackPrice, C::NgTolerance};
    for (int c = 0; c < C::Count; ++c) {
        const bool expectHidden = hidden.contains(c) || (c == C::Ice && !showIce);
        QVERIFY2(view->isColumnHidden(c) == expectHidden, qPrintable(QString::number(c)));
    }
    QCOMPARE(view->model()->headerData(C::Tolerance, Qt::Horizontal).toString(), QStringLiteral("Tolerance (%)"));
    QCOMPARE(view->model()->headerData(19999, Qt::Vertical).toInt(), 20000);
    QVERIFY(view->isCornerButtonEnabled());
    QCOMPARE(view->selectionMode(), QAbstractItemView::ExtendedSelection);
}

void TestMainWindow::columnsFitTheirValues()
{
    TestEnvironment env;
    const QString file = env.path(QStringLiteral("shop.txp"));
    QVERIFY(TestEnvironment::writeFile(file,
                                       "1\tAn article with a rather long name\t999999\t5634567890\t99\t7477300\t9\t15\t"
                                       "99\t1234.500\t-9999\t0\t12345.000\t20\t20000\t255\t0\t0\t0\t\t0\t0\t0"
                                       "\t0\t0\t0\r\n"));
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTableView *view = w.tableView();
    QHeaderView *header = view->horizontalHeader();
    header->resizeSection(C::PluName, 40); // the operator's own width
    w.loadFile(file);
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int c = 0; c < C::Count; ++c) {
        if (view->isColumnHidden(c) || c == C::PluName)
            continue;
        // Never below the set-up width; title and value each fit between the margins their
        // painters leave.
        const int title = header->fontMetrics().horizontalAdvance(PluColumns::caption(c)) + 2 * margin;
        const int needed =
            qMax(qMax(PluColumns::width(c), title), view->sizeHintForIndex(w.model()->index(0, c)).width());
        QVERIFY2(view->columnWidth(c) >= needed,
                 qPrintable(
                     QStringLiteral("%1: %2 < %3").arg(PluColumns::caption(c)).arg(view->columnWidth(c)).arg(needed)));
    }
    QCOMPARE(view->columnWidth(C::PluName), 40);
}

void TestMainWindow::titleAtStart()
{
    TestEnvironment env;
    MainWindow w;
    QCOMPARE(w.windowTitle(), QStringLiteral("PLU manager[*]"));
    QCOMPARE(w.model()->usedRowCount(), 0);
    QVERIFY(!w.isModified());
    QVERIFY(!w.isWindowModified());
    // The desktop's unsaved mark follows the document.
    w.model()->setData(w.model()->index(0, C::PluName), QStringLiteral("Apples"));
    QVERIFY(w.isModified());
    QVERIFY(w.isWindowModified());
    QCOMPARE(MainWindow::instance(), &w);
}

void TestMainWindow::nameHint_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("hint");
    QTest::newRow("36") << 36 << "36 ASCII characters,18 Chinese characters";
    QTest::newRow("35") << 35 << "35 ASCII characters,17 Chinese characters";
}

void TestMainWindow::nameHint()
{
    QFETCH(int, length);
    QFETCH(QString, hint);
    TestEnvironment env({{QStringLiteral("PLU/PluNameLen"), length}});
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTableView *view = w.tableView();
    const QRect cell = view->visualRect(view->model()->index(4, C::PluName));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("hintLabel"))->text(), hint);
    QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("lineNoEdit"))->text(), QStringLiteral("5"));
    const QRect tare = view->visualRect(view->model()->index(0, C::Tare));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, tare.center());
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("hintLabel"))->text(), QStringLiteral("Input Tare"));
}

void TestMainWindow::find()
{
    TestEnvironment env;
    MainWindow w;
    w.model()->setCell(0, C::PluName, QStringLiteral("AB"));
    w.model()->setCell(1, C::PluName, QStringLiteral("cab"));
    w.model()->setCell(2, C::PluName, QStringLiteral("xyz"));
    w.model()->setCell(3, C::PluName, QStringLiteral("ab"));
    auto *index = w.findChild<QComboBox *>(QStringLiteral("indexNameBox"));
    auto *lookup = w.findChild<QComboBox *>(QStringLiteral("lookupBox"));
    index->setCurrentIndex(1);
    QTest::keyClicks(lookup->lineEdit(), QStringLiteral("ab"));
    QCOMPARE(lookup->currentText(), QStringLiteral("ab"));
    QStringList items;
    for (int i = 0; i < lookup->count(); ++i)
        items << lookup->itemText(i);
    QCOMPARE(items, QStringList({"ab", "cab"}));
    const QModelIndexList selected = w.tableView()->selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 2);
    QVERIFY(selected.contains(w.model()->index(0, C::PluName)));
    QVERIFY(selected.contains(w.model()->index(3, C::PluName)));
    QCOMPARE(w.tableView()->currentIndex(), w.model()->index(3, C::PluName));
}

void TestMainWindow::findInAnotherColumn()
{
    TestEnvironment env;
    MainWindow w;
    w.model()->setCell(0, C::PluName, QStringLiteral("Plums"));
    w.model()->setCell(0, C::LFCode, 12);
    w.model()->setCell(1, C::PluName, QStringLiteral("Figs"));
    w.model()->setCell(1, C::LFCode, 112);
    auto *index = w.findChild<QComboBox *>(QStringLiteral("indexNameBox"));
    auto *lookup = w.findChild<QComboBox *>(QStringLiteral("lookupBox"));
    index->setCurrentIndex(1);
    QTest::keyClicks(lookup->lineEdit(), QStringLiteral("12"));
    QCOMPARE(lookup->count(), 1);
    QVERIFY(w.tableView()->selectionModel()->selectedIndexes().isEmpty());
    index->setCurrentIndex(2); // LF Code
    QCOMPARE(lookup->count(), 2);
    QCOMPARE(lookup->itemText(1), QStringLiteral("112"));
    QCOMPARE(w.tableView()->currentIndex(), w.model()->index(0, C::LFCode));
}

void TestMainWindow::goToLine()
{
    TestEnvironment env;
    MainWindow w;
    auto *line = w.findChild<QLineEdit *>(QStringLiteral("lineNoEdit"));
    QTest::keyClicks(line, QStringLiteral("20001"));
    QCOMPARE(line->text(), QStringLiteral("2000")); // the validator refuses the fifth digit
    line->clear();
    QTest::keyClicks(line, QStringLiteral("1"));
    QTest::keyClick(line, Qt::Key_Return);
    const QModelIndexList rows = w.tableView()->selectionModel()->selectedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().row(), 0);
    line->clear();
    QTest::keyClicks(line, QStringLiteral("15000"));
    QTest::keyClick(line, Qt::Key_Return);
    QCOMPARE(w.tableView()->selectionModel()->selectedRows().first().row(), 14999);
}

void TestMainWindow::selections()
{
    TestEnvironment env;
    MainWindow w;
    QItemSelectionModel *selection = w.tableView()->selectionModel();
    w.action(QStringLiteral("actionSelect_All"))->trigger();
    QVERIFY(selection->selectedIndexes().isEmpty()); // no named row: nothing to select
    w.model()->setCell(2, C::PluName, QStringLiteral("third"));
    w.tableView()->setCurrentIndex(w.model()->index(1, C::UnitPrice));
    selection->clearSelection();
    w.action(QStringLiteral("actionSelect_block_column"))->trigger();
    QCOMPARE(selection->selectedIndexes().size(), 3);
    w.action(QStringLiteral("actionSelect_All"))->trigger();
    QCOMPARE(selection->selectedIndexes().size(), 3 * 26);
    w.action(QStringLiteral("actionSelect_entire_row"))->trigger();
    QCOMPARE(selection->selectedRows().size(), 1);
    QCOMPARE(selection->selectedRows().first().row(), 1);
}

void TestMainWindow::aboutTakesVersionTexts()
{
    TestEnvironment env({{QStringLiteral("Version/PLUAppName"), QStringLiteral("Shop Scales")},
                         {QStringLiteral("Version/www"), QStringLiteral("example.org")}});
    ZQAboutDialog dialog;
    QStringList texts;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        texts << label->text();
    QVERIFY(texts.contains(QStringLiteral("Shop Scales")));
    QVERIFY(texts.contains(QStringLiteral("example.org")));
    QVERIFY(texts.contains(QStringLiteral("PLU Manager developers"))); // absent key: the form's text
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
