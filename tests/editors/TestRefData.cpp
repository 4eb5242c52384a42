#include "EditorTestSupport.h"

#include "core/TextCodec.h"
#include "document/DepartmentTable.h"
#include "editors/EditorsController.h"
#include "editors/LocalDatabase.h"
#include "editors/UserDelegate.h"
#include "editors/ZQDepartmentConfigDialog.h"
#include "editors/ZQPackagesettingDialog.h"

#include <QJsonObject>
#include <QLineEdit>
#include <QSqlQuery>
#include <QSqlRelationalTableModel>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QValidator>

using C = PluColumns;
using namespace EditorTest;

namespace {
QJsonArray keyValues(const QStringList &values)
{
    QJsonArray out;
    for (const QString &v : values)
        out.append(QJsonObject{{QStringLiteral("KeyValue"), v}});
    return out;
}

// A second connection on the same file refuses inserts of the value "bad", as a full disk or a
// locked database would refuse them half-way through a replacement.
void refuseBadRows(const QString &path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fault"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER refuse1 BEFORE INSERT ON PackTypeFun WHEN NEW.KeyValue = 'bad' "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER refuse2 BEFORE INSERT ON HotkeyFunDetail WHEN NEW.KeyValue = 99 "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fault"));
}

QStringList packTypeColumn(ZQPackagesettingDialog *dlg)
{
    QStringList out;
    for (int r = 0; r < dlg->model()->rowCount(); ++r)
        out << dlg->model()->index(r, dlg->codeColumn()).data().toString();
    return out;
}
} // namespace

class TestRefData : public QObject
{
    Q_OBJECT
private slots:
    void deptFileBytes_data();
    void deptFileBytes();
    void deptFileIgnoresPartialRecord();
    void databaseCreatedWithBothTables();
    void failedReplaceKeepsOldRows_data();
    void failedReplaceKeepsOldRows();
    void unusableDatabaseReportedOnceAtStart();
    void packageTypeWindow();
    void codeEditorTakesFiveDigits_data();
    void codeEditorTakesFiveDigits();
    void departmentEditor();
    void departmentPicker_data();
    void departmentPicker();
};

void TestRefData::deptFileBytes_data()
{
    QTest::addColumn<QByteArray>("codePage");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("readBack");
    QTest::addColumn<QByteArray>("record");
    const QByteArray head = "010007000000", tail = "0000000000000440"
                                                   "0000000000002240";
    QTest::newRow("UTF-8 13 bytes") << QByteArray("UTF-8") << "Käse-Theke 1"
                                    << "Käse-Theke 1" << head + "4bc3a473652d5468656b65203100" + tail;
    QTest::newRow("UTF-8 14 bytes, no terminator") << QByteArray("UTF-8") << "Käse-Theke 12"
                                                   << "Käse-Theke 12" << head + "4bc3a473652d5468656b65203132" + tail;
    QTest::newRow("UTF-8 15 bytes") << QByteArray("UTF-8") << "Käse-Theke 123"
                                    << "Käse-Theke 12" << head + "4bc3a473652d5468656b65203132" + tail;
    QTest::newRow("UTF-8 15 bytes, cut inside a character")
        << QByteArray("UTF-8") << "Käse-Thekeäü"
        << "Käse-Thekeä" << head + "4bc3a473652d5468656b65c3a400" + tail;
    QTest::newRow("GBK 13 bytes") << QByteArray("GBK") << "A水果蔬菜肉类"
                                  << "A水果蔬菜肉类" << head + "41cbaeb9fbcadfb2cbc8e2c0e000" + tail;
    QTest::newRow("GBK 14 bytes") << QByteArray("GBK") << "水果蔬菜肉类鱼"
                                  << "水果蔬菜肉类鱼" << head + "cbaeb9fbcadfb2cbc8e2c0e0d3e3" + tail;
    QTest::newRow("GBK 15 bytes, cut inside a character")
        << QByteArray("GBK") << "A水果蔬菜肉类鱼"
        << "A水果蔬菜肉类" << head + "41cbaeb9fbcadfb2cbc8e2c0e000" + tail;
    QTest::newRow("GBK 15 bytes") << QByteArray("GBK") << "水果蔬菜肉类鱼B"
                                  << "水果蔬菜肉类鱼" << head + "cbaeb9fbcadfb2cbc8e2c0e0d3e3" + tail;
}

void TestRefData::deptFileBytes()
{
    QFETCH(QByteArray, codePage);
    QFETCH(QString, name);
    QFETCH(QString, readBack);
    QFETCH(QByteArray, record);
    TestEnvironment env;
    QVERIFY(TextCodec::setCodePage(codePage));
    DepartmentRecord r;
    r.printNumber = 1;
    r.number = 7;
    r.setNameText(name);
    r.cgst = 2.5;
    r.sgst = 9.0;
    DepartmentTable table;
    table.setRecords({r, r});
    QString error;
    QVERIFY2(table.save(&error), qPrintable(error));
    QCOMPARE(TestEnvironment::readFile(env.path(QStringLiteral("DeptSet.dat"))).toHex(), record + record);
    DepartmentTable back;
    QVERIFY(back.load());
    QCOMPARE(back.records().size(), 2);
    QCOMPARE(back.records().at(1).nameText(), readBack);
    QVERIFY(back.records().at(1) == r);
}

void TestRefData::deptFileIgnoresPartialRecord()
{
    DepartmentRecord a;
    a.number = 3;
    a.setNameText(QStringLiteral("Bakery"));
    DepartmentRecord b;
    b.number = 99;
    b.cgst = 12.5;
    QByteArray bytes = DepartmentTable::toBytes({a, b}) + QByteArray(8, 'x');
    QCOMPARE(bytes.size(), 80);
    QCOMPARE(DepartmentTable::fromBytes(bytes), DepartmentRecords({a, b}));
    // Rates that are no numbers (a damaged file) read as 0.
    bytes.replace(20, 8, QByteArray(8, '\xff'));
    bytes.replace(36 + 28, 8, QByteArray::fromHex("000000000000f07f")); // infinity
    b.sgst = 0.0;
    QCOMPARE(DepartmentTable::fromBytes(bytes), DepartmentRecords({a, b}));
}

void TestRefData::databaseCreatedWithBothTables()
{
    // Unopened, it refuses every write and says why.
    LocalDatabase closed;
    QVERIFY(!closed.insertHotkeyFunction(1, 2));
    QVERIFY(!closed.clearHotkeyFunctions());
    QVERIFY(!closed.replacePackTypes(QStringList{"1"}));
    QVERIFY(!closed.lastError().isEmpty());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DB/KVB2600.db"));
    LocalDatabase db;
    QVERIFY2(db.openLocalDatabase(path), qPrintable(db.lastError()));
    QVERIFY(QFileInfo::exists(path));
    QSqlQuery q(db.database());
    QVERIFY(q.exec(QStringLiteral("select name from sqlite_master where type = 'table' order by name")));
    QStringList tables;
    while (q.next())
        tables << q.value(0).toString();
    // The installation's other stores live in the same file, laid out by its one owner.
    QVERIFY(tables.contains(QStringLiteral("HotkeyFunDetail")) && tables.contains(QStringLiteral("PackTypeFun")));
    QVERIFY(tables.contains(QStringLiteral("ScaleList")));
    QVERIFY(db.packTypeKeyValues().isEmpty());

    QVERIFY(db.replacePackTypes(keyValues({"12", "7", "00345"})));
    QCOMPARE(db.packTypeKeyValues(), QStringList({"12", "7", "00345"}));
    QVERIFY(q.exec(QStringLiteral("select count(*) from PackTypeFun where FunName is null and remark is null")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 3);
    QVERIFY(db.insertHotkeyFunction(4, 11184811));
    QVERIFY(db.replaceHotkeyFunctions(QJsonArray{QJsonObject{{"HotKey", 9}, {"KeyValue", 11184812}}, QJsonObject{}}));
    QCOMPARE(db.hotkeyFunctions(), HotkeyFunctionRows({{9, 11184812}, {0, 0}}));
    QVERIFY(db.clearHotkeyFunctions());
    QVERIFY(db.hotkeyFunctions().isEmpty());
}

void TestRefData::failedReplaceKeepsOldRows_data()
{
    QTest::addColumn<bool>("packTypes");
    QTest::newRow("package types") << true;
    QTest::newRow("hotkey functions") << false;
}

void TestRefData::failedReplaceKeepsOldRows()
{
    QFETCH(bool, packTypes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KVB2600.db"));
    LocalDatabase db;
    QVERIFY(db.openLocalDatabase(path));
    QVERIFY(db.replacePackTypes(keyValues({"1", "2"})));
    QVERIFY(db.replaceHotkeyFunctions(HotkeyFunctionRows{{1, 5}, {2, 6}}));
    refuseBadRows(path);
    if (packTypes)
        QVERIFY(!db.replacePackTypes(keyValues({"3", "bad", "4"})));
    else
        QVERIFY(!db.replaceHotkeyFunctions(HotkeyFunctionRows{{3, 7}, {4, 99}}));
    QVERIFY2(db.lastError().contains(QStringLiteral("refused")), qPrintable(db.lastError()));
    QVERIFY(db.lastError().contains(QStringLiteral("KVB2600.db")));
    QCOMPARE(db.packTypeKeyValues(), QStringList({"1", "2"}));
    QCOMPARE(db.hotkeyFunctions(), HotkeyFunctionRows({{1, 5}, {2, 6}}));
}

void TestRefData::unusableDatabaseReportedOnceAtStart()
{
    TestEnvironment env({{QStringLiteral("Function/IsShowPT"), true}});
    const QString path = env.path(QStringLiteral("DB/KVB2600.db"));
    QVERIFY(QDir().mkpath(env.path(QStringLiteral("DB"))));
    QFile damaged(path);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(4096, 'x'));
    damaged.close();
    MainWindow w;
    QCOMPARE(Prompt::count(), 1);
    QVERIFY(Prompt::lastText().contains(QDir::toNativeSeparators(path)));
    QVERIFY(Prompt::lastText().contains(QStringLiteral("not a database")));
    trigger(w, "actionPackage_type_setting");
    QCOMPARE(Prompt::count(), 2);
    QVERIFY(Prompt::lastText().startsWith(QStringLiteral("Package types are unavailable")));
    QCOMPARE(TestEnvironment::readFile(path), QByteArray(4096, 'x'));
}

void TestRefData::packageTypeWindow()
{
    TestEnvironment env({{QStringLiteral("Function/IsShowPT"), true}});
    MainWindow w;
    LocalDatabase *db = w.findChild<EditorsController *>()->localDatabase();
    QVERIFY(db->replacePackTypes(keyValues({"10", "20", "30"})));
    QStringList shown;
    ModalDriver driver;
    driver.on("ZQPackagesettingDialog", [&](QWidget *w) {
        auto *dlg = static_cast<ZQPackagesettingDialog *>(w);
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Package Type function setting"));
        QCOMPARE(dlg->model()->headerData(dlg->codeColumn(), Qt::Horizontal).toString(), QStringLiteral("CODE"));
        // Typed into a new row, then another row deleted: deleting submits the new code as well.
        click(dlg, "NEWBtn");
        QCOMPARE(dlg->view()->currentIndex().row(), 3);
        dlg->model()->setData(dlg->view()->currentIndex(), QStringLiteral("44"));
        dlg->view()->setCurrentIndex(dlg->model()->index(3, dlg->codeColumn()));
        Prompt::queueAnswer(QMessageBox::Yes);
        click(dlg, "DELBtn");
        // The last row went: the one before it is current.
        QCOMPARE(dlg->view()->currentIndex().row(), 2);
        click(dlg, "NEWBtn"); // left unsaved
        shown = packTypeColumn(dlg);
        click(dlg, "CloseBtn");
    });
    trigger(w, "actionPackage_type_setting");
    QCOMPARE(shown, QStringList({"10", "20", "30", ""}));
    QCOMPARE(db->packTypeKeyValues(), QStringList({"10", "20", "30"}));
}

void TestRefData::codeEditorTakesFiveDigits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("five digits") << "12345"
                                 << "12345";
    QTest::newRow("a sixth digit") << "123456"
                                   << "12345";
    QTest::newRow("letters") << "1a2b"
                             << "12";
}

void TestRefData::codeEditorTakesFiveDigits()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QWidget parent;
    UserDelegate delegate;
    QStandardItemModel model(1, 1);
    QWidget *editor = delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(0, 0));
    auto *edit = qobject_cast<QLineEdit *>(editor);
    QVERIFY(edit);
    QTest::keyClicks(edit, typed);
    delegate.setModelData(edit, &model, model.index(0, 0));
    QCOMPARE(model.index(0, 0).data().toString(), kept);
}

void TestRefData::departmentEditor()
{
    TestEnvironment env({{QStringLiteral("Function/IsShowGST"), false}});
    ZQDepartmentConfigDialog dlg;
    QVERIFY(dlg.view()->isColumnHidden(ZQDepartmentConfigDialog::CgstColumn));
    {
        ModalDriver driver;
        driver.on("ZQDepartmentConfigDialog", [&](QWidget *) {
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Select Deparment"));
            click(&dlg, "editBtn");
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Edit Deparment"));
            click(&dlg, "addBtn");
            DepartmentRecords rows = dlg.records();
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rows.at(0).number, 1);
            QCOMPARE(rows.at(0).printNumber, quint8(1));
            QCOMPARE(rows.at(0).printName, quint8(0));
            QCOMPARE(dlg.model()->item(0, ZQDepartmentConfigDialog::SgstColumn)->text(), QStringLiteral("0.00"));
            DepartmentRecord seven;
            seven.number = 7;
            seven.cgst = 5;
            dlg.setRecords({rows.at(0), seven});
            dlg.model()->item(0, ZQDepartmentConfigDialog::NumberColumn)->setText(QStringLiteral("3"));
            click(&dlg, "addBtn");
            QCOMPARE(dlg.records().at(2).number, 8);
            click(&dlg, "saveBtn");
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Select Deparment"));
            dlg.accept();
        });
        dlg.exec();
    }
    DepartmentTable saved;
    QVERIFY(saved.load());
    QCOMPARE(saved.records().size(), 3);
    QCOMPARE(saved.records().at(1).cgst, 5.0); // hidden, still kept
    // A later opening shows the file, not what was left unsaved.
    dlg.setRecords({});
    ModalDriver driver;
    driver.on("ZQDepartmentConfigDialog", [&](QWidget *) {
        QCOMPARE(dlg.model()->item(1, ZQDepartmentConfigDialog::CgstColumn)->text(), QStringLiteral("5.00"));
        dlg.reject();
    });
    dlg.exec();
    QCOMPARE(dlg.records(), saved.records());
}

void TestRefData::departmentPicker_data()
{
    QTest::addColumn<int>("clickedRow"); // -1: none
    QTest::addColumn<QString>("cellAfter");
    QTest::newRow("a department") << 1 << "12";
    QTest::newRow("no row chosen") << -1 << "5";
}

void TestRefData::departmentPicker()
{
    QFETCH(int, clickedRow);
    QFETCH(QString, cellAfter);
    TestEnvironment env;
    DepartmentRecord a, b;
    a.number = 4;
    b.number = 12;
    DepartmentTable table;
    table.setRecords({a, b});
    QString error;
    QVERIFY(table.save(&error));
    MainWindow w;
    w.model()->setCell(0, C::Department, QStringLiteral("5"));
    const int steps = undoCount(w);
    ModalDriver driver;
    driver.on("ZQDepartmentConfigDialog", [&](QWidget *w) {
        auto *dlg = static_cast<ZQDepartmentConfigDialog *>(w);
        QVERIFY(!dlg->isEditMode());
        if (clickedRow >= 0)
            dlg->on_DepartmentTableView_clicked(dlg->model()->index(clickedRow, 0));
        click(dlg, "okBtn");
    });
    doubleClick(w, 0, C::Department);
    QCOMPARE(w.model()->text(0, C::Department), cellAfter);
    QCOMPARE(undoCount(w), steps + (cellAfter != QStringLiteral("5") ? 1 : 0));
}

QTEST_MAIN(TestRefData)
#include "TestRefData.moc"
