#include "EditorTestSupport.h"

#include "editors/BarcodeView.h"

#include <QClipboard>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>

using C = PluColumns;
using namespace EditorTest;

namespace {
// Rows 0 and 2 are weighed, 1 and 3 counted.
void fillRows(PluTableModel *model)
{
    const char *units[] = {"kg", "PCS(g)", "g", "PCS(kg)"};
    for (int r = 0; r < 4; ++r) {
        model->setCell(r, C::PluName, QStringLiteral("Article %1").arg(r));
        model->setCell(r, C::WeightUnit, QString::fromLatin1(units[r]));
        model->setCell(r, C::BarCode, QStringLiteral("36"));
    }
}

QStringList barcodeColumn(MainWindow &w)
{
    QStringList out;
    for (int r = 0; r < 4; ++r)
        out << w.model()->text(r, C::BarCode);
    return out;
}
} // namespace

class TestPickers : public QObject
{
    Q_OBJECT
private slots:
    void barcodePicker_data();
    void barcodePicker();
    void barcodePreview();
    void labelPicker_data();
    void labelPicker();
    void advertisingKeepsLinesNotInTheList();
};

void TestPickers::barcodePicker_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("OK: the row only") << "7"
                                      << "okBtn" << QStringList{"36", "36", "7", "36"};
    QTest::newRow("all weighed") << "7"
                                 << "bulkChangeWeightBtn" << QStringList{"7", "36", "7", "36"};
    QTest::newRow("all counted") << "50"
                                 << "bulkChangePCSBtn" << QStringList{"36", "50", "36", "50"};
    QTest::newRow("past the last type") << "111"
                                        << "okBtn" << QStringList{"36", "36", "11", "36"};
    QTest::newRow("Cancel") << "7"
                            << "CancelBtn" << QStringList{"36", "36", "36", "36"};
}

void TestPickers::barcodePicker()
{
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QStringList, after);
    TestEnvironment env;
    MainWindow w;
    fillRows(w.model());
    const int steps = undoCount(w);
    int selectedRow = -1;
    ModalDriver driver;
    driver.on("SelectBarcodeDlg", [&](QWidget *dlg) {
        auto *table = dlg->findChild<QTableView *>(QStringLiteral("tableView"));
        QCOMPARE(table->model()->rowCount(), 99);
        QCOMPARE(table->model()->columnCount(), 11);
        QCOMPARE(table->model()->headerData(10, Qt::Horizontal).toString(), QStringLiteral("CheckSum"));
        const QModelIndexList rows = table->selectionModel()->selectedRows();
        selectedRow = rows.size() == 1 ? rows.first().row() : -1;
        auto *edit = dlg->findChild<QLineEdit *>(QStringLiteral("barcodeTypeEdit"));
        edit->clear();
        QTest::keyClicks(edit, typed);
        click(dlg, qPrintable(button));
    });
    doubleClick(w, 2, C::BarCode);
    QCOMPARE(selectedRow, 36);
    QCOMPARE(barcodeColumn(w), after);
    const bool changed = after != QStringList{"36", "36", "36", "36"};
    QCOMPARE(undoCount(w), steps + (changed ? 1 : 0));
    QCOMPARE(w.isModified(), changed);
    w.editCommands()->undoStack()->undo();
    QCOMPARE(barcodeColumn(w), QStringList({"36", "36", "36", "36"}));
}

void TestPickers::barcodePreview()
{
    TestEnvironment env;
    MainWindow w;
    PluTableModel *model = w.model();
    model->setCell(0, C::PluName, QStringLiteral("Cheese"));
    model->setCell(0, C::Department, QStringLiteral("3"));
    model->setCell(0, C::Code, qlonglong(12345));
    model->setCell(0, C::UnitPrice, QStringLiteral("12.50"));
    model->setCell(0, C::BarCode, QStringLiteral("2"));
    QString digits;
    QString rule;
    QString row;
    ModalDriver driver;
    driver.on("SelectBarcodeDlg", [&](QWidget *dlg) {
        row = dlg->findChild<QLabel *>(QStringLiteral("rowLabel"))->text();
        dlg->findChild<QDoubleSpinBox *>(QStringLiteral("sampleWeightSpin"))->setValue(0.456);
        digits = dlg->findChild<BarcodeView *>()->composed().digits;
        click(dlg, "copyRuleBtn");
        rule = dlg->findChild<QLabel *>(QStringLiteral("tillRuleLabel"))->text();
        click(dlg, "CancelBtn");
    });
    doubleClick(w, 0, C::BarCode);
    QCOMPARE(row, QStringLiteral("Row 1: Cheese"));
    QCOMPARE(digits, QStringLiteral("2312345005700"));
    QCOMPARE(rule, QStringLiteral("EAN-13: 2 + dept(1) + code(5) + price(5, 2 decimals) + check"));
    QCOMPARE(QGuiApplication::clipboard()->text(), rule);
}

void TestPickers::labelPicker_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("cellAfter");
    QTest::newRow("E1 clicked again chooses none") << "12"
                                                   << "E1"
                                                   << "rBtn_E1"
                                                   << "0";
    QTest::newRow("a code without a button stays") << "5"
                                                   << ""
                                                   << ""
                                                   << "5";
    QTest::newRow("B1") << "0"
                        << ""
                        << "rBtn_B1"
                        << "8";
}

void TestPickers::labelPicker()
{
    QFETCH(QString, cell);
    QFETCH(QString, checked);
    QFETCH(QString, clicked);
    QFETCH(QString, cellAfter);
    TestEnvironment env;
    MainWindow w;
    w.model()->setCell(1, C::Label, cell);
    const int steps = undoCount(w);
    QString seen;
    ModalDriver driver;
    driver.on("MultiLabelDlg", [&](QWidget *dlg) {
        for (QRadioButton *b : dlg->findChildren<QRadioButton *>()) {
            if (b->isChecked())
                seen = b->text();
        }
        if (!clicked.isEmpty())
            click(dlg, qPrintable(clicked));
        click(dlg, "Btn_OK");
    });
    doubleClick(w, 1, C::Label);
    QCOMPARE(seen, checked);
    QCOMPARE(w.model()->text(1, C::Label), cellAfter);
    QCOMPARE(undoCount(w), steps + (cellAfter != cell ? 1 : 0));
}

void TestPickers::advertisingKeepsLinesNotInTheList()
{
    TestEnvironment env;
    MainWindow w;
    AdvertisingList &list = w.document()->advertising();
    list.setTexts({QStringLiteral("Fresh every day"), QStringLiteral("Thank you")});
    {
        ModalDriver driver;
        driver.on("AdvertisingSloganDlg", [](QWidget *dlg) {
            QCOMPARE(dlg->findChild<QLineEdit *>(QStringLiteral("bottomEdt1"))->text(), QStringLiteral("Thank you"));
            dlg->findChild<QLineEdit *>(QStringLiteral("bottomEdt3"))->setText(QStringLiteral("Open on Sundays"));
            click(dlg, "btn_Close");
        });
        trigger(w, "actionAdvertising_slogan");
    }
    QCOMPARE(list.texts(), QStringList({"Fresh every day", "Thank you", "", "Open on Sundays"}));
    QVERIFY(w.isModified());

    // A later list of two lines: the window's third bottom line comes back with it.
    list.setTexts({QStringLiteral("Header"), QStringLiteral("Bottom")});
    w.setModified(false);
    ModalDriver driver;
    driver.on("AdvertisingSloganDlg", [](QWidget *dlg) { click(dlg, "btn_Close"); });
    trigger(w, "actionAdvertising_slogan");
    QCOMPARE(list.texts(), QStringList({"Header", "Bottom", "", "Open on Sundays"}));
}

QTEST_MAIN(TestPickers)
#include "TestPickers.moc"
