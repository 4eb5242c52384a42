#include "ModalDriver.h"
#include "TestSupport.h"
#include "linklib/LinkTestSupport.h"

#include "app/MainWindow.h"
#include "comm/ScaleAddress.h"
#include "comm/ScaleJobRunner.h"
#include "comm/TransferSnapshot.h"
#include "comm/TransferTarget.h"
#include "comm/ZQCommucationProcess.h"
#include "document/NutritionElementFile.h"
#include "document/NutritionValueStore.h"
#include "document/PluDocument.h"
#include "document/PluFileSet.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>

using C = PluColumns;
using linktest::ScaleSim;

namespace {
bool runJob(const ScaleSim &sim, bool serial, int job, const TransferSnapshot &snapshot, QString *status)
{
    ScaleAddress address;
    QString error;
    const QString link = serial ? QString::fromLocal8Bit(sim.link()) : QStringLiteral("127.0.0.1:%1").arg(sim.port());
    if (!ScaleAddress::parse(link, ScaleAddress::DefaultBaud, &address, &error)) {
        *status = error;
        return false;
    }
    ScaleJobRunner runner(address, job, snapshot, nullptr);
    QSignalSpy ended(&runner, &ScaleJobRunner::ended);
    runner.start();
    if (!ended.wait(30000)) {
        *status = QStringLiteral("no end");
        return false;
    }
    *status = runner.lastStatus();
    return runner.succeeded();
}

QList<int> lfCodes(const QJsonArray &records)
{
    QList<int> out;
    for (const QJsonValue &v : records)
        out << v.toObject().value(QStringLiteral("LFCode")).toInt();
    return out;
}
} // namespace

class TestNutritionTransfers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZQCommucationProcess::setLibraryFolder(linktest::binDir()); }
    void downloadPluNutritionAndElementTable_data();
    void downloadPluNutritionAndElementTable();
    void fromTheWindows();
};

void TestNutritionTransfers::downloadPluNutritionAndElementTable_data()
{
    QTest::addColumn<bool>("serial");
    QTest::newRow("tcp") << false;
    if (ScaleSim::haveSocat())
        QTest::newRow("serial") << true;
}

void TestNutritionTransfers::downloadPluNutritionAndElementTable()
{
    QFETCH(bool, serial);
    TestEnvironment env;
    ScaleSim sim;
    const QStringList data{QStringLiteral("--data"), sim.dataFile()};
    QVERIFY(serial ? sim.startSerial(data) : sim.startTcp(data));

    // Six PLUs, the second without nutrition although the store holds values for its LF code.
    PluDocument doc;
    for (int r = 0; r < 6; ++r) {
        doc.model()->setCell(r, C::PluName, QStringLiteral("Article %1").arg(r));
        doc.model()->setCell(r, C::LFCode, QString::number(11 * (r + 1)));
        doc.model()->setCell(r, C::Nutrition, r == 1 ? "0" : "1");
    }
    doc.setCurrentFile(env.path("shop.v2.Txp"));
    QString error;
    QVERIFY(NutritionElementFile::write(NutritionElementFile::elementFilePath(doc.currentFile()),
                                        {{"Energy", "kJ"}, {"Fat", "g"}, {"Salt", "MG"}}, &error));
    {
        NutritionValueStore store(NutritionElementFile::valuesFilePath(doc.currentFile()));
        QVERIFY2(store.open(&error), qPrintable(error));
        QVERIFY(store.save("11", {{3, 1.5, 20}, {1, 300, 4}}, &error));
        QVERIFY(store.save("22", {{1, 5, 5}}, &error));
    }

    TransferSnapshot snapshot = TransferSnapshot::take(&doc);
    snapshot.selection = DownloadSelection{};
    snapshot.selection.nutrition = true;
    QString status;
    QVERIFY2(runJob(sim, serial, JobDownloadPlu, snapshot, &status), qPrintable(status));

    QJsonObject scale = sim.dump().value("memory").toObject();
    const QJsonArray elements = scale.value("nutrition element").toArray();
    QCOMPARE(elements.size(), 12);
    QCOMPARE(elements.at(2).toObject().value("Name").toString(), QString("Salt"));
    QCOMPARE(elements.at(2).toObject().value("iUnit").toInt(), 3);
    const QJsonArray plus = scale.value("PLU nutrition").toArray();
    QCOMPARE(lfCodes(plus), QList<int>({11, 33, 44, 55, 66}));
    // Packets of four: five objects go in two.
    QCOMPARE(sim.log().count("PUT PLU nutrition packet 0 count 4"), 1);
    QCOMPARE(sim.log().count("PUT PLU nutrition packet 0 count 1"), 1);
    const QJsonObject first = plus.at(0).toObject();
    QCOMPARE(first.value("GroupTitle").toString(), QString("Article 0"));
    QCOMPARE(first.value("value").toArray().at(2).toDouble(), 15.0); // mg: x10
    QCOMPARE(first.value("value").toArray().at(0).toDouble(), 300.0);
    QCOMPARE(first.value("percent").toArray().at(2).toDouble(), 20.0);

    // Job 7 sends the element table it is given, names cut to the scale's 14 bytes.
    snapshot.nutritionElements = NutritionElementFile::records({{"Carbohydrates total", "g"}});
    QVERIFY2(runJob(sim, serial, JobDownloadNutritionTable, snapshot, &status), qPrintable(status));
    scale = sim.dump().value("memory").toObject();
    QCOMPARE(scale.value("nutrition element").toArray().at(0).toObject().value("Name").toString(),
             QString("Carbohydrates "));
    QCOMPARE(scale.value("nutrition element").toArray().at(0).toObject().value("iUnit").toInt(), 2);
    QCOMPARE(scale.value("PLU nutrition").toArray().size(), 5);
}

// Through the main window: the element window's Download sends what it shows (job 7), then
// "Download PLU" offers Nutrition and sends the PLU's values.
void TestNutritionTransfers::fromTheWindows()
{
    ScaleSim sim;
    QVERIFY(sim.startTcp({QStringLiteral("--data"), sim.dataFile()}));
    TestEnvironment env({{"Link/TcpPort", sim.port()}, {"Link/TimeoutMs", 2000}});
    MainWindow w;
    w.model()->setCell(0, C::PluName, "Apples");
    w.model()->setCell(0, C::LFCode, "9");
    w.model()->setCell(0, C::Nutrition, "1");
    const QString file = env.path("shop.Txp");
    QString error;
    QVERIFY(PluFileSet::save(w.document(), file, PluFileSet::sidePathsForSaveAs(file), &error));
    QVERIFY(NutritionElementFile::write(NutritionElementFile::elementFilePath(file), {{"Energy", "kJ"}}, &error));
    {
        NutritionValueStore store(NutritionElementFile::valuesFilePath(file));
        QVERIFY(store.open(&error) && store.save("9", {{2, 2.5, 4}}, &error));
    }

    ModalDriver driver;
    int opened = 0;
    driver.on("NutritionElementDlg", [&](QWidget *dlg) {
        if (opened++ > 0)
            return;
        QAbstractItemModel *table = dlg->findChild<QTableView *>("tableView")->model();
        table->setData(table->index(1, 1), "Fat");
        table->setData(table->index(1, 2), "g");
        dlg->findChild<QAbstractButton *>("btn_Download")->click(); // not saved yet
        dlg->findChild<QAbstractButton *>("btn_Save")->click();
    });
    driver.on("ZQCommunicationConfig", [](QWidget *dlg) {
        dlg->findChild<QRadioButton *>("radioButtonIP")->click();
        dlg->findChild<QLineEdit *>("lineEditIPAddress")->setText("127.0.0.1");
        dlg->findChild<QAbstractButton *>("OKBtn")->click();
    });
    bool offered = false;
    driver.on("ZQDownloadSelectDlg", [&offered](QWidget *dlg) {
        offered = dlg->findChild<QCheckBox *>("nutritionCheckBox")->isEnabled();
        for (QCheckBox *box : dlg->findChildren<QCheckBox *>())
            box->setChecked(box->objectName() == "nutritionCheckBox");
        dlg->findChild<QAbstractButton *>("okPushButton")->click();
    });
    w.action("actionNutrition_elements_set")->trigger();
    QCOMPARE(Prompt::lastText(), QString("Communication End"));
    QJsonArray elements = sim.dump().value("memory").toObject().value("nutrition element").toArray();
    QCOMPARE(elements.at(1).toObject().value("Name").toString(), QString("Fat"));
    QCOMPARE(elements.at(1).toObject().value("iUnit").toInt(), 2);

    Prompt::clearScript();
    w.action("actionDownload_PLU")->trigger();
    QVERIFY(offered);
    QCOMPARE(Prompt::lastText(), QString("Communication End"));
    const QJsonObject memory = sim.dump().value("memory").toObject();
    QCOMPARE(memory.value("PLU").toArray().size(), 0);
    const QJsonArray plus = memory.value("PLU nutrition").toArray();
    QCOMPARE(lfCodes(plus), QList<int>({9}));
    // Element 2 was saved as "g" by the element window: x10.
    QCOMPARE(plus.at(0).toObject().value("value").toArray().at(1).toDouble(), 25.0);
}

QTEST_MAIN(TestNutritionTransfers)
#include "TestNutritionTransfers.moc"
