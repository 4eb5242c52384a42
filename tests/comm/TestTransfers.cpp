#include "ModalDriver.h"
#include "TestSupport.h"
#include "linklib/LinkTestSupport.h"

#include "app/MainWindow.h"
#include "comm/ScaleLinkLibrary.h"
#include "comm/SerialPortWatcher.h"
#include "comm/TransferTarget.h"
#include "comm/UploadDownDlg.h"
#include "comm/ZQCommucationProcess.h"
#include "comm/ZQCommunicationConfig.h"
#include "comm/ZQDownloadSelectDlg.h"
#include "document/DepartmentTable.h"
#include "document/PluDocument.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"
#include "editors/EditorsController.h"
#include "editors/LocalDatabase.h"
#include "editors/ZQDepartmentConfigDialog.h"
#include "editors/ZQPackagesettingDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlRelationalTableModel>
#include <QTableWidget>

using C = PluColumns;
using linktest::ScaleSim;

namespace {
QString fixture()
{
    return dataCopy(QStringLiteral("document/all-fields/input.txp"));
}

struct Link
{
    bool serial = false;
    QString address; // IP, or the device path for serial
    QString baud = QStringLiteral("115200");
};

// Fills in the link settings dialog and confirms it.
void answerFailure(ModalDriver &driver, QString *status, QString *style);
// The status of the last transfer that failed where the test expected success.
QString g_unexpectedFailure;

void answerLink(ModalDriver &driver, const Link &link)
{
    answerFailure(driver, &g_unexpectedFailure, nullptr);
    driver.on("ZQCommunicationConfig", [link](QWidget *w) {
        if (link.serial) {
            w->findChild<QRadioButton *>(QStringLiteral("radioButtonRS232"))->click();
            w->findChild<QComboBox *>(QStringLiteral("comboBoxPort"))->setEditText(link.address);
            auto *baud = w->findChild<QComboBox *>(QStringLiteral("comboBoxBaudRate"));
            baud->setCurrentIndex(baud->findText(link.baud));
        } else {
            w->findChild<QRadioButton *>(QStringLiteral("radioButtonIP"))->click();
            w->findChild<QLineEdit *>(QStringLiteral("lineEditIPAddress"))->setText(link.address);
        }
        w->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
    });
}

void answerSelection(ModalDriver &driver, const QStringList &boxes)
{
    driver.on("ZQDownloadSelectDlg", [boxes](QWidget *w) {
        for (QCheckBox *box : w->findChildren<QCheckBox *>())
            box->setChecked(boxes.contains(box->objectName()));
        w->findChild<QPushButton *>(QStringLiteral("okPushButton"))->click();
    });
}

// A progress dialog that failed waits for its OK button: press it, so a failing test ends.
void answerFailure(ModalDriver &driver, QString *status, QString *style = nullptr)
{
    driver.on("UploadDownDlg", [status, style](QWidget *w) {
        auto *ok = w->findChild<QPushButton *>(QStringLiteral("okBtn"));
        auto *timer = new QTimer(w);
        QObject::connect(timer, &QTimer::timeout, w, [w, ok, status, style] {
            if (!ok->isEnabled())
                return;
            *status = w->findChild<QLabel *>(QStringLiteral("statusInfo"))->text();
            if (style)
                *style = w->findChild<QLabel *>(QStringLiteral("statusInfo"))->styleSheet();
            QVERIFY(!w->findChild<QPushButton *>(QStringLiteral("cancelBtn"))->isEnabled());
            ok->click();
        });
        timer->start(10);
    });
}

const QStringList kAllParts{QStringLiteral("pluCheckBox"), QStringLiteral("infoCheckBox"),
                            QStringLiteral("scheduleCheckBox"), QStringLiteral("hotkeyCheckBox"),
                            QStringLiteral("messageCheckBox")};
} // namespace

class TestTransfers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void downloadThenUploadEveryPart_data();
    void downloadThenUploadEveryPart();
    void updateKeepsWhatTheScaleHas();
    void downloadAdvertising();
    void connectFailShowsRedAndNoEnd();
    void droppedLinkShowsTheStepError();
    void stagedPlusLandByItemNumber();
    void failedUploadChangesNothing_data();
    void failedUploadChangesNothing();
    void cancelEndsALongDownloadQuickly();
    void slowScaleStillSucceeds();
    void progressNumbers();
    void uploadProgressStaysAhead();
    void noSelectionStartsNothing();
    void emptyListIsAskedAboutFirst_data();
    void emptyListIsAskedAboutFirst();
    void badRowStopsTheDownloadBeforeTheLink();
    void serialPortByEveryName_data();
    void serialPortByEveryName();
    void refusedTcpLinkIsReleasedAtOnce();
    void timeOutFromTheDialog();
    void ipAddresses_data();
    void ipAddresses();
    void departmentsAndPackTypesBothWays_data();
    void departmentsAndPackTypesBothWays();
    void hotkeyFunctionsLandInTheLocalDatabase();

private:
    QVariantMap settingsFor(const ScaleSim &sim) const
    {
        return {{QStringLiteral("Link/TcpPort"), sim.port()}, {QStringLiteral("Link/TimeoutMs"), 2000}};
    }
};

void TestTransfers::init()
{
    g_unexpectedFailure.clear();
}

void TestTransfers::initTestCase()
{
    ZQCommucationProcess::setLibraryFolder(linktest::binDir());
}

void TestTransfers::downloadThenUploadEveryPart_data()
{
    QTest::addColumn<bool>("serial");
    QTest::newRow("tcp") << false;
    if (ScaleSim::haveSocat())
        QTest::newRow("serial") << true;
}

void TestTransfers::downloadThenUploadEveryPart()
{
    QFETCH(bool, serial);
    ScaleSim sim;
    QVERIFY(serial ? sim.startSerial() : sim.startTcp());
    TestEnvironment env(settingsFor(sim));
    const Link link{serial, serial ? QString::fromLocal8Bit(sim.link()) : QStringLiteral("127.0.0.1")};

    MainWindow w;
    w.loadFile(fixture());
    w.document()->messages().setMessageLines(2, {QStringLiteral("Keep cool"), QString(), QStringLiteral("Line 3")});
    SchedulePeriod p;
    p.hour = 8;
    p.minute = 30;
    p.rate = 85;
    w.document()->schedules().setPeriod(0, 1, p);
    w.document()->advertising().setTexts({QStringLiteral("Welcome"), QStringLiteral("Thanks"), QStringLiteral("Bye")});
    const TPLU first = w.rowToPlu(0);
    {
        ModalDriver driver;
        answerLink(driver, link);
        answerSelection(driver, kAllParts);
        w.action(QStringLiteral("actionDownload_PLU"))->trigger();
        QCOMPARE(driver.seen().mid(0, 2), QList<QByteArray>({"ZQCommunicationConfig", "ZQDownloadSelectDlg"}));
    }
    QVERIFY2(g_unexpectedFailure.isEmpty(), qPrintable(g_unexpectedFailure));
    QCOMPARE(Prompt::lastTitle(), QStringLiteral("Info"));
    QCOMPARE(Prompt::lastText(), QStringLiteral("Communication End"));

    // The link is remembered.
    env.config()->sync();
    QSettings ini(env.settingsPath(), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Comm/CommType")).toInt(), serial ? 0 : 1);

    // Read everything back into an empty document.
    w.action(QStringLiteral("actionNew"))->trigger();
    Prompt::clearScript();
    {
        ModalDriver driver;
        answerLink(driver, link);
        w.action(QStringLiteral("actionUpload_PLU"))->trigger();
    }
    QCOMPARE(Prompt::lastText(), QStringLiteral("Communication End"));
    QCOMPARE(w.model()->usedRowCount(), 3);
    const TPLU back = w.rowToPlu(0);
    QCOMPARE(back.pluNameBytes(), first.pluNameBytes());
    QCOMPARE(back.LFCode, first.LFCode);
    QCOMPARE(back.UnitPrice, first.UnitPrice);
    QCOMPARE(back.WeightUnit, first.WeightUnit);
    QCOMPARE(back.Tare, first.Tare);
    QCOMPARE(back.HotKey, 5); // from the hotkey table sent with the PLUs
    QCOMPARE(w.model()->text(2, C::PluName), QStringLiteral("Pears"));
    QCOMPARE(w.document()->messages().messageLines(2).at(2), QStringLiteral("Line 3"));
    QVERIFY(w.document()->schedules().period(0, 1) == p);
    QCOMPARE(w.document()->advertising().texts(),
             QStringList({QStringLiteral("Welcome"), QStringLiteral("Thanks"), QStringLiteral("Bye")}));
    QVERIFY(w.isModified()); // what came from the scale is not saved yet

    // The upload is one step: undone, the empty document is back, with nothing to save.
    w.action(QStringLiteral("actionUndo"))->trigger();
    QCOMPARE(w.model()->usedRowCount(), 0);
    QVERIFY(w.document()->advertising().texts().isEmpty());
    QVERIFY(!w.isModified());
}

void TestTransfers::updateKeepsWhatTheScaleHas()
{
    ScaleSim sim;
    QVERIFY(sim.startTcp());
    TestEnvironment env(settingsFor(sim));
    const Link link{false, QStringLiteral("127.0.0.1")};
    MainWindow w;
    w.loadFile(fixture());
    {
        ModalDriver driver;
        answerLink(driver, link);
        answerSelection(driver, {QStringLiteral("pluCheckBox")});
        w.action(QStringLiteral("actionDownload_PLU"))->trigger();
    }
    // A table holding only a changed first article and a new one: the scale keeps the others.
    w.action(QStringLiteral("actionNew"))->trigger();
    w.model()->setCell(0, C::PluName, QStringLiteral("Apples"));
    w.model()->setCell(0, C::LFCode, 1001);
    w.model()->setCell(0, C::UnitPrice, QStringLiteral("3.33"));
    w.model()->setCell(1, C::PluName, QStringLiteral("Cherries"));
    w.model()->setCell(1, C::LFCode, 1003);
    {
        ModalDriver driver;
        answerLink(driver, link);
        w.action(QStringLiteral("actionUpdate_PLU"))->trigger();
        QVERIFY(!driver.seen().contains("ZQDownloadSelectDlg")); // only "Download PLU" asks for parts
    }
    w.setModified(false);
    {
        ModalDriver driver;
        answerLink(driver, link);
        w.action(QStringLiteral("actionUpload_PLU"))->trigger();
    }
    QStringList names;
    for (int r = 0; r < w.model()->usedRowCount(); ++r)
        names << w.model()->text(r, C::PluName);
    QCOMPARE(names.size(), 4);
    QVERIFY(names.contains(QStringLiteral("Cherries")));
    QVERIFY(names.contains(QStringLiteral("Pears")));
    const int apples = names.indexOf(QStringLiteral("Apples"));
    QCOMPARE(w.model()->text(apples, C::UnitPrice), QStringLiteral("3.33"));
}

void TestTransfers::downloadAdvertising()
{
    ScaleSim sim;
    QVERIFY(sim.startTcp({QStringLiteral("--data"), sim.dataFile()}));
    TestEnvironment env(settingsFor(sim));
    MainWindow w;
    w.document()->advertising().setTexts(
        {QStringLiteral("Head line"), QStringLiteral("Tail 1"), QStringLiteral("Tail 2")});
    {
        ModalDriver driver;
        answerLink(driver, {false, QStringLiteral("127.0.0.1")});
        w.action(QStringLiteral("actionDownloadADInfo"))->trigger();
    }
    QCOMPARE(Prompt::lastText(), QStringLiteral("Communication End"));
    const QByteArray dump = QJsonDocument(sim.dump()).toJson(QJsonDocument::Compact);
    QVERIFY2(dump.contains("Head line") && dump.contains("Tail 1\\r\\nTail 2"), dump.left(400).constData());
}

void TestTransfers::connectFailShowsRedAndNoEnd()
{
    // Nothing listens on the port: the connection is refused.
    TestEnvironment env({{QStringLiteral("Link/TcpPort"), 1}, {QStringLiteral("Link/TimeoutMs"), 1000}});
    MainWindow w;
    w.loadFile(fixture());
    QString status, style;
    {
        ModalDriver driver;
        answerLink(driver, {false, QStringLiteral("127.0.0.1")});
        answerSelection(driver, {QStringLiteral("pluCheckBox")});
        answerFailure(driver, &status, &style);
        w.action(QStringLiteral("actionDownload_PLU"))->trigger();
    }
    // The system's reason, with what to do about it.
    QCOMPARE(status, QStringLiteral("Connect Fail: connection refused by 127.0.0.1:1. Start the scale simulator "
                                    "(scale-sim) or choose another scale."));
    QCOMPARE(style, QStringLiteral("color:red"));
    for (const Prompt::Shown &s : Prompt::shown())
        QVERIFY(s.text != QStringLiteral("Communication End"));
}

void TestTransfers::droppedLinkShowsTheStepError()
{
    ScaleSim sim;
    QVERIFY(sim.startTcp({QStringLiteral("--drop-after"), QStringLiteral("4")}));
    TestEnvironment env(settingsFor(sim));
    MainWindow w;
    for (int r = 0; r < 40; ++r) {
        w.model()->setCell(r, C::PluName, QStringLiteral("Item %1").arg(r));
        w.model()->setCell(r, C::LFCode, r + 1);
    }
    QString status, style;
    {
        ModalDriver driver;
        answerLink(driver, {false, QStringLiteral("127.0.0.1")});
        answerSelection(driver, {QStringLiteral("pluCheckBox")});
        answerFailure(driver, &status, &style);
        w.action(QStringLiteral("actionDownload_PLU"))->trigger();
    }
    QVERIFY2(status == QStringLiteral("Download Plu Error"), sim.log().constData());
    QCOMPARE(style, QStringLiteral("color:red"));
}

void TestTransfers::stagedPlusLandByItemNumber()
{
    TestEnvironment env;
    PluDocument doc;
    doc.model()->setCell(5, C::PluName, QStringLiteral("Mine"));
    TransferTarget target(&doc);
    TPLU last;
    last.setPluNameBytes("Last");
    // A full scale's last item, and numbers no row has.
    target.receivePlus({{20000, last}, {20001, last}, {0, last}});
    QCOMPARE(doc.model()->text(5, C::PluName), QStringLiteral("Mine")); // staged, not written
    target.commit();
    QCOMPARE(doc.rowCount(), 20000);
    QCOMPARE(doc.model()->text(19999, C::PluName), QStringLiteral("Last"));
    QCOMPARE(doc.model()->text(5, C::PluName), QString()); // the scale's list replaced the table
}

void TestTransfers::failedUploadChangesNothing_data()
{
    QTest::addColumn<QStringList>("fault");
    QTest::addColumn<QString>("error"); // empty: the operator cancels
    QTest::newRow("link dropped") << QStringList{QStringLiteral("--drop-after"), QStringLiteral("20")}
                                  << "Upload Plu Error";
    QTest::newRow("cancelled") << QStringList{QStringLiteral("--delay-ms"), QStringLiteral("20")} << QString();
}

void TestTransfers::failedUploadChangesNothing()
{
    QFETCH(QStringList, fault);
    QFETCH(QString, error);
    TestEnvironment env;
    // A scale holding many PLUs, so that the upload is still in its PLU step when it breaks off.
    ScaleSim full;
    QVERIFY(full.startTcp({QStringLiteral("--data"), full.dataFile()}));
    {
        PluDocument many;
        for (int r = 0; r < 10000; ++r) {
            many.model()->setCell(r, C::PluName, QStringLiteral("Scale article %1").arg(r));
            many.model()->setCell(r, C::LFCode, r + 1);
        }
        DownloadSelection::current() = DownloadSelection{};
        DownloadSelection::current().plu = true;
        UploadDownDlg down(QStringLiteral("127.0.0.1:%1").arg(full.port()), QString(), LinkTcp, JobDownloadPlu,
                           TransferSnapshot::take(&many), nullptr);
        QCOMPARE(down.exec(), int(QDialog::Accepted));
    }
    full.stop();
    ScaleSim sim;
    QVERIFY(sim.startTcp(QStringList{QStringLiteral("--data"), full.dataFile()} + fault));
    env.config()->setValue(QStringLiteral("Link"), QStringLiteral("TcpPort"), sim.port());
    env.config()->setValue(QStringLiteral("Link"), QStringLiteral("TimeoutMs"), 2000);

    const QString file = env.path(QStringLiteral("shop.txp"));
    QVERIFY(QFile::copy(fixture(), file));
    MainWindow w;
    w.loadFile(file);
    w.document()->messages().setMessageLines(1, {QStringLiteral("Keep cool")});
    w.document()->advertising().setTexts({QStringLiteral("Welcome")});
    w.model()->setData(w.model()->index(0, C::Tolerance), QStringLiteral("7")); // unsaved
    const QVector<PluTableModel::Row> rows = w.model()->rows();
    const QStringList messages = w.document()->messages().messageList();
    const QStringList advertising = w.document()->advertising().texts();
    const QString title = w.windowTitle();
    const QByteArray onDisk = TestEnvironment::readFile(file);

    QString status, style;
    {
        ModalDriver driver;
        answerLink(driver, {false, QStringLiteral("127.0.0.1")});
        if (error.isEmpty()) {
            driver.on("UploadDownDlg", [&status](QWidget *dialog) {
                auto *poll = new QTimer(dialog);
                QObject::connect(poll, &QTimer::timeout, dialog, [dialog, &status] {
                    auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("okBtn"));
                    auto *cancel = dialog->findChild<QPushButton *>(QStringLiteral("cancelBtn"));
                    if (ok->isEnabled()) {
                        status = dialog->findChild<QLabel *>(QStringLiteral("statusInfo"))->text();
                        ok->click(); // read what the cancel left on the scale
                    } else if (cancel->isEnabled() &&
                               dialog->findChild<QLabel *>(QStringLiteral("curPackInfo"))->text() !=
                                   QLatin1String("0")) {
                        cancel->click();
                    }
                });
                poll->start(5);
            });
        } else {
            answerFailure(driver, &status, &style);
        }
        Prompt::queueAnswer(QMessageBox::No); // keep the unsaved edit, do not save it
        w.action(QStringLiteral("actionUpload_PLU"))->trigger();
    }
    if (error.isEmpty()) {
        QCOMPARE(status, QStringLiteral("cancelled: the scale is unchanged")); // an upload only reads
    } else {
        QVERIFY2(status == error,
                 qPrintable(status + QLatin1Char('\n') + QString::fromLocal8Bit(sim.log().right(600))));
        QCOMPARE(style, QStringLiteral("color:red"));
    }
    QVERIFY(g_unexpectedFailure.isEmpty());
    for (const Prompt::Shown &s : Prompt::shown())
        QVERIFY(s.text != QStringLiteral("Communication End"));
    QVERIFY(w.model()->rows() == rows);
    QCOMPARE(w.document()->messages().messageList(), messages);
    QCOMPARE(w.document()->advertising().texts(), advertising);
    QCOMPARE(w.windowTitle(), title);
    QVERIFY(w.isModified());
    QCOMPARE(TestEnvironment::readFile(file), onDisk);
    // The edit made before is still the step to undo.
    w.action(QStringLiteral("actionUndo"))->trigger();
    QVERIFY(!w.isModified());
}

void TestTransfers::cancelEndsALongDownloadQuickly()
{
    ScaleSim sim;
    QVERIFY(
        sim.startTcp({QStringLiteral("--delay-ms"), QStringLiteral("5"), QStringLiteral("--data"), sim.dataFile()}));
    TestEnvironment env(settingsFor(sim));
    PluDocument doc;
    for (int r = 0; r < PluColumns::RowCount; ++r) {
        doc.model()->setCell(r, C::PluName, QStringLiteral("Article %1").arg(r));
        doc.model()->setCell(r, C::LFCode, r + 1);
    }
    TransferTarget target(&doc);
    DownloadSelection::current() = DownloadSelection{};
    DownloadSelection::current().plu = true;
    UploadDownDlg dialog(QStringLiteral("127.0.0.1"), QString(), LinkTcp, JobDownloadPlu, TransferSnapshot::take(&doc),
                         &target);
    auto *bar = dialog.findChild<QProgressBar *>(QStringLiteral("comProgressBar"));
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("okBtn"));
    QElapsedTimer sinceCancel;
    qint64 stoppedAfter = -1;
    connect(dialog.worker(), &QThread::finished, &dialog, [&] { stoppedAfter = sinceCancel.elapsed(); });
    QTimer::singleShot(0, &dialog, [&] {
        auto *poll = new QTimer(&dialog);
        QObject::connect(poll, &QTimer::timeout, &dialog, [&, poll] {
            if (!sinceCancel.isValid()) {
                if (bar->value() < 20)
                    return; // well into the download
                sinceCancel.start();
                dialog.findChild<QPushButton *>(QStringLiteral("cancelBtn"))->click();
            } else if (ok->isEnabled()) {
                poll->stop();
                ok->click(); // the dialog stays until the operator has read what the scale holds
            }
        });
        poll->start(5);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    // The break must end the running call within a second; the margin covers a loaded machine.
    QVERIFY2(stoppedAfter >= 0 && stoppedAfter < 1500, qPrintable(QString::number(stoppedAfter)));
    sim.stop();
    const int held =
        sim.dump().value(QStringLiteral("memory")).toObject().value(QStringLiteral("PLU")).toArray().size();
    QVERIFY(held < 20000);
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("statusInfo"))->text(),
             QStringLiteral("cancelled: the scale holds %1 of 20000 PLUs (its old list was cleared)").arg(held));
}

void TestTransfers::slowScaleStillSucceeds()
{
    // Every answer takes half the default time-out: the goodbye must wait as long as the rest.
    ScaleSim sim;
    QVERIFY(
        sim.startTcp({QStringLiteral("--delay-ms"), QStringLiteral("1500"), QStringLiteral("--data"), sim.dataFile()}));
    TestEnvironment env({{QStringLiteral("Link/TcpPort"), sim.port()}});
    PluDocument doc;
    doc.model()->setCell(0, C::PluName, QStringLiteral("Slow"));
    doc.model()->setCell(0, C::LFCode, 1);
    TransferTarget target(&doc);
    DownloadSelection::current() = DownloadSelection{};
    DownloadSelection::current().plu = true;
    UploadDownDlg dialog(QStringLiteral("127.0.0.1"), QString(), LinkTcp, JobDownloadPlu, TransferSnapshot::take(&doc),
                         &target);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("statusInfo"))->text(), QStringLiteral("Finish"));
    sim.stop();
    QCOMPARE(sim.dump().value(QStringLiteral("memory")).toObject().value(QStringLiteral("PLU")).toArray().size(), 1);
}

void TestTransfers::progressNumbers()
{
    ScaleSim sim;
    QVERIFY(sim.startTcp());
    TestEnvironment env(settingsFor(sim));
    PluDocument doc;
    for (int r = 0; r < 9; ++r) {
        doc.model()->setCell(r, C::PluName, QStringLiteral("Row %1").arg(r));
        doc.model()->setCell(r, C::LFCode, r + 1);
    }
    TransferTarget target(&doc);
    DownloadSelection::current() = DownloadSelection{};
    DownloadSelection::current().plu = true;
    UploadDownDlg dialog(QStringLiteral("127.0.0.1"), QString(), LinkTcp, JobDownloadPlu, TransferSnapshot::take(&doc),
                         &target);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Download PLU"));
    QSignalSpy values(dialog.findChild<QProgressBar *>(QStringLiteral("comProgressBar")), &QProgressBar::valueChanged);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted)); // closes by itself
    QList<int> seen;
    for (const QList<QVariant> &v : values)
        seen << v.first().toInt();
    QCOMPARE(seen, QList<int>({1, 2, 3}));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("totalPackInfo"))->text(), QStringLiteral("3"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("statusInfo"))->text(), QStringLiteral("Finish"));
}

void TestTransfers::uploadProgressStaysAhead()
{
    ScaleSim sim;
    QVERIFY(sim.startTcp());
    TestEnvironment env(settingsFor(sim));
    PluDocument source;
    for (int r = 0; r < 30; ++r) {
        source.model()->setCell(r, C::PluName, QStringLiteral("Row %1").arg(r));
        source.model()->setCell(r, C::LFCode, r + 1);
    }
    TransferTarget sourceTarget(&source);
    DownloadSelection::current() = DownloadSelection{};
    DownloadSelection::current().plu = true;
    {
        UploadDownDlg down(QStringLiteral("127.0.0.1"), QString(), LinkTcp, JobDownloadPlu,
                           TransferSnapshot::take(&source), &sourceTarget);
        QCOMPARE(down.exec(), int(QDialog::Accepted));
    }
    PluDocument doc;
    TransferTarget target(&doc);
    UploadDownDlg up(QStringLiteral("127.0.0.1"), QString(), LinkTcp, JobUploadPluForHotkeys,
                     TransferSnapshot::take(&doc), &target);
    QCOMPARE(up.windowTitle(), QStringLiteral("Upload PLU"));
    QCOMPARE(up.exec(), int(QDialog::Accepted));
    QCOMPARE(up.findChild<QLabel *>(QStringLiteral("totalPackInfo"))->text(), QStringLiteral("80"));
    QCOMPARE(up.findChild<QLabel *>(QStringLiteral("curPackInfo"))->text(), QStringLiteral("30"));
    QCOMPARE(doc.model()->usedRowCount(), 0); // staged until its starter takes it
    target.commit();
    QCOMPARE(doc.model()->text(29, C::PluName), QStringLiteral("Row 29"));
}

void TestTransfers::noSelectionStartsNothing()
{
    TestEnvironment env;
    MainWindow w;
    {
        ModalDriver driver;
        answerLink(driver, {false, QStringLiteral("127.0.0.1")});
        answerSelection(driver, {});
        w.action(QStringLiteral("actionDownload_PLU"))->trigger();
        QCOMPARE(driver.seen(), QList<QByteArray>({"ZQCommunicationConfig", "ZQDownloadSelectDlg"}));
    }
    env.config()->sync();
    QSettings ini(env.settingsPath(), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("ChoiceDownLoad/SelectDown PLU")).toString(), QStringLiteral("false"));
    QCOMPARE(ini.value(QStringLiteral("ChoiceDownLoad/SelectDown Message")).toString(), QStringLiteral("false"));
    QCOMPARE(Prompt::count(), 0);
}

void TestTransfers::emptyListIsAskedAboutFirst_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("Download PLU") << "actionDownload_PLU";
    QTest::newRow("Update PLU") << "actionUpdate_PLU";
}

void TestTransfers::emptyListIsAskedAboutFirst()
{
    QFETCH(QString, action);
    ScaleSim sim;
    QVERIFY(sim.startTcp({QStringLiteral("--data"), sim.dataFile()}));
    TestEnvironment env(settingsFor(sim));
    MainWindow w;
    w.loadFile(fixture());
    auto send = [&w](const QString &name) {
        ModalDriver driver;
        answerLink(driver, {false, QStringLiteral("127.0.0.1")});
        answerSelection(driver, {QStringLiteral("pluCheckBox")});
        w.action(name)->trigger();
    };
    send(QStringLiteral("actionDownload_PLU"));
    QCOMPARE(Prompt::lastText(), QStringLiteral("Communication End"));
    const QByteArray memory = QJsonDocument(sim.dump()).toJson();
    QVERIFY(memory.contains("Pears"));
    const int links = sim.log().count("connected");

    // A first start, or New: the grid holds no PLU. No answer given: the question's default.
    w.action(QStringLiteral("actionNew"))->trigger();
    Prompt::clearScript();
    send(action);
    QCOMPARE(Prompt::count(), 1);
    QCOMPARE(Prompt::last().kind, QStringLiteral("question"));
    QCOMPARE(Prompt::lastText(),
             QStringLiteral("The list is empty: sending it removes every PLU from the scale. Send anyway?"));
    QCOMPARE(sim.log().count("connected"), links);
    QCOMPARE(QJsonDocument(sim.dump()).toJson(), memory);
}

void TestTransfers::badRowStopsTheDownloadBeforeTheLink()
{
    ScaleSim sim;
    QVERIFY(sim.startTcp());
    TestEnvironment env(settingsFor(sim));
    MainWindow w;
    w.loadFile(fixture());
    w.model()->setCell(2, C::Tolerance, QStringLiteral("30"));
    QStringList listed;
    {
        ModalDriver driver;
        answerLink(driver, {false, QStringLiteral("127.0.0.1")});
        answerSelection(driver, {QStringLiteral("pluCheckBox")});
        driver.on("SendProblemsDlg", [&listed](QWidget *list) {
            auto *table = list->findChild<QTableWidget *>(QStringLiteral("problemTable"));
            for (int r = 0; r < table->rowCount(); ++r) {
                QStringList texts;
                for (int c = 0; c < table->columnCount(); ++c)
                    texts << table->item(r, c)->text();
                listed << texts.join(QLatin1Char('|'));
            }
            // A widget's double-click event alone comes without the press an item view expects.
            const QPoint at = table->visualItemRect(table->item(0, 1)).center();
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        });
        w.action(QStringLiteral("actionDownload_PLU"))->trigger();
        QVERIFY(!driver.seen().contains("UploadDownDlg"));
    }
    QCOMPARE(listed, QStringList{QStringLiteral("3|Tolerance (%)|30|0~20")});
    // The double-click went to the cell.
    QCOMPARE(w.tableView()->currentIndex(), w.model()->index(2, C::Tolerance));
    QVERIFY2(!sim.log().contains("connected"), sim.log().constData());
    for (const Prompt::Shown &s : Prompt::shown())
        QVERIFY(s.text != QStringLiteral("Communication End"));
}

void TestTransfers::serialPortByEveryName_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("status"); // empty: the transfer ends well
    QTest::newRow("picked from the port list") << "list" << QString();
    QTest::newRow("stored by an earlier version") << "stored" << QString();
    QTest::newRow("typed device path") << "typed" << QString();
    QTest::newRow("held by another program") << "list"
                                             << "Connect Fail: port busy";
}

void TestTransfers::serialPortByEveryName()
{
    QFETCH(QString, how);
    QFETCH(QString, status);
    if (!ScaleSim::haveSocat())
        QSKIP("socat is not installed");
    ScaleSim sim;
    QVERIFY(sim.startSerial());
    // The port list names the pty as the system's list would: its path below /dev.
    const QString listed = QString::fromLocal8Bit(sim.portName());
    SerialPortWatcher::setPortLister([listed] { return QStringList{QStringLiteral("ttyS0"), listed}; });
    QVariantMap values = settingsFor(sim);
    values.insert(QStringLiteral("Comm/CommType"), how == QLatin1String("stored") ? 0 : 1);
    values.insert(QStringLiteral("Comm/Port"), how == QLatin1String("stored") ? listed : QStringLiteral("ttyS0"));
    TestEnvironment env(values);
    ScaleLinkLibrary other(linktest::binDir());
    int holder = 0;
    if (!status.isEmpty())
        QCOMPARE(other.zqscaleConnect(sim.link().constData(), sim.baud(), &holder), 0);

    MainWindow w;
    w.document()->advertising().setTexts({QStringLiteral("Head"), QStringLiteral("Tail")});
    QString shown;
    {
        ModalDriver driver;
        answerFailure(driver, &shown);
        driver.on("ZQCommunicationConfig", [&](QWidget *d) {
            auto *port = d->findChild<QComboBox *>(QStringLiteral("comboBoxPort"));
            if (how == QLatin1String("typed"))
                port->setEditText(QString::fromLocal8Bit(sim.link()));
            else if (how == QLatin1String("list"))
                port->setCurrentIndex(port->findText(listed));
            if (how != QLatin1String("stored"))
                d->findChild<QRadioButton *>(QStringLiteral("radioButtonRS232"))->click();
            d->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
        });
        w.action(QStringLiteral("actionDownloadADInfo"))->trigger();
    }
    SerialPortWatcher::setPortLister({});
    if (holder > 0)
        other.zqscaleDisConnect(holder);
    QCOMPARE(shown, status);
    if (status.isEmpty())
        QCOMPARE(Prompt::lastText(), QStringLiteral("Communication End"));
}

void TestTransfers::refusedTcpLinkIsReleasedAtOnce()
{
    // Requests: HELLO, CLEAR, then the first packet, which the scale refuses.
    ScaleSim sim;
    QVERIFY(sim.startTcp({QStringLiteral("--refuse-frame"), QStringLiteral("4")}));
    TestEnvironment env(settingsFor(sim));
    MainWindow w;
    w.loadFile(fixture());
    QString status;
    bool closedWhileShown = false;
    {
        ModalDriver driver;
        answerLink(driver, {false, QStringLiteral("127.0.0.1")});
        answerSelection(driver, {QStringLiteral("pluCheckBox")});
        // The error stays on screen until OK: the scale must be free again before that.
        driver.on("UploadDownDlg", [&](QWidget *d) {
            auto *ok = d->findChild<QPushButton *>(QStringLiteral("okBtn"));
            auto *poll = new QTimer(d);
            QElapsedTimer waited;
            QObject::connect(poll, &QTimer::timeout, d, [&, ok, d, waited]() mutable {
                if (!ok->isEnabled())
                    return;
                if (!waited.isValid())
                    waited.start();
                closedWhileShown = sim.log().contains("closed ");
                if (!closedWhileShown && waited.elapsed() < 3000)
                    return;
                status = d->findChild<QLabel *>(QStringLiteral("statusInfo"))->text();
                ok->click();
            });
            poll->start(10);
        });
        w.action(QStringLiteral("actionDownload_PLU"))->trigger();
    }
    QCOMPARE(status, QStringLiteral("Download Plu Error"));
    QVERIFY2(closedWhileShown, sim.log().constData());
}

void TestTransfers::timeOutFromTheDialog()
{
    // A scale that never answers: the time-out alone ends the connect.
    ScaleSim sim;
    QVERIFY(sim.startTcp({QStringLiteral("--silent-after"), QStringLiteral("0")}));
    QVariantMap values = settingsFor(sim);
    values.insert(QStringLiteral("Link/TimeoutMs"), 8000);
    TestEnvironment env(values);
    MainWindow w;
    QString status;
    QElapsedTimer clock;
    qint64 failedAfter = -1;
    double shownTimeout = 0;
    {
        ModalDriver driver;
        answerFailure(driver, &status);
        driver.on("UploadDownDlg", [&](QWidget *d) {
            auto *ok = d->findChild<QPushButton *>(QStringLiteral("okBtn"));
            auto *poll = new QTimer(d);
            QObject::connect(poll, &QTimer::timeout, d, [&, ok, d] {
                if (!ok->isEnabled())
                    return;
                failedAfter = clock.elapsed();
                status = d->findChild<QLabel *>(QStringLiteral("statusInfo"))->text();
                ok->click();
            });
            poll->start(10);
        });
        driver.on("ZQCommunicationConfig", [&](QWidget *d) {
            auto *timeout = d->findChild<QDoubleSpinBox *>(QStringLiteral("doubleSpinBoxTimeout"));
            if (!timeout) {
                d->findChild<QPushButton *>(QStringLiteral("CancelBtn"))->click();
                return;
            }
            shownTimeout = timeout->value();
            timeout->setValue(1.0);
            d->findChild<QRadioButton *>(QStringLiteral("radioButtonIP"))->click();
            d->findChild<QLineEdit *>(QStringLiteral("lineEditIPAddress"))->setText(QStringLiteral("127.0.0.1"));
            clock.start();
            d->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
        });
        w.action(QStringLiteral("actionDownloadADInfo"))->trigger();
    }
    QCOMPARE(shownTimeout, 8.0);
    QCOMPARE(
        status,
        QStringLiteral("Connect Fail: no answer in time. Check that the scale is on and the link settings are right."));
    // One second and not the stored eight: the field reached the link library.
    QVERIFY2(failedAfter >= 900 && failedAfter < 6000, qPrintable(QString::number(failedAfter)));
    env.config()->sync();
    QCOMPARE(QSettings(env.settingsPath(), QSettings::IniFormat).value(QStringLiteral("Link/TimeoutMs")).toInt(), 1000);
}

void TestTransfers::ipAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("256") << "192.168.1.256" << false;
    QTest::newRow("three parts") << "192.168.1" << false;
    QTest::newRow("leading zero") << "01.2.3.4" << false;
    QTest::newRow("leading blank") << " 10.0.0.1" << false;
    QTest::newRow("zeros") << "0.0.0.0" << true;
    QTest::newRow("top") << "255.255.255.255" << true;
}

void TestTransfers::ipAddresses()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(ZQCommunicationConfig::isValidIp(text), valid);
}

QTEST_MAIN(TestTransfers)
#include "TestTransfers.moc"

void TestTransfers::departmentsAndPackTypesBothWays_data()
{
    QTest::addColumn<bool>("serial");
    QTest::addColumn<bool>("empty");
    QTest::newRow("tcp") << false << false;
    QTest::newRow("tcp, empty sets empty the stores") << false << true;
    if (ScaleSim::haveSocat())
        QTest::newRow("serial") << true << false;
}

// Jobs 5 and 6 from the department window, 13 and 14 from the package type window: what went
// to the scale comes back into the stores, and only through the scale.
void TestTransfers::departmentsAndPackTypesBothWays()
{
    QFETCH(bool, serial);
    QFETCH(bool, empty);
    ScaleSim sim;
    QVERIFY(serial ? sim.startSerial() : sim.startTcp());
    QVariantMap settings = settingsFor(sim);
    settings.insert(QStringLiteral("Function/IsShowPT"), true);
    TestEnvironment env(settings);
    const Link link{serial, serial ? QString::fromLocal8Bit(sim.link()) : QStringLiteral("127.0.0.1")};
    DepartmentRecords departments;
    for (int i = 1; i <= (empty ? 0 : 3); ++i) {
        DepartmentRecord r;
        r.number = i * 10;
        r.printNumber = i % 2;
        r.printName = 1;
        r.setNameText(QStringLiteral("Dept %1").arg(i));
        r.cgst = i * 1.25;
        r.sgst = 18;
        departments << r;
    }
    DepartmentTable table;
    table.setRecords(departments);
    QString error;
    QVERIFY(table.save(&error));
    const QStringList codes = empty ? QStringList() : QStringList{"101", "7", "65535"};

    MainWindow w;
    LocalDatabase *db = w.findChild<EditorsController *>()->localDatabase();
    QVERIFY(db->replacePackTypes(codes));
    ZQDepartmentConfigDialog *deptDlg = w.findChild<EditorsController *>()->departments();
    DepartmentRecords received;
    {
        ModalDriver driver;
        answerLink(driver, link);
        bool ran = false; // the window becomes the active one again after each transfer
        driver.on("ZQDepartmentConfigDialog", [&](QWidget *dlg) {
            if (std::exchange(ran, true))
                return;
            dlg->findChild<QPushButton *>(QStringLiteral("downloadBtn"))->click();
            // Only the scale can bring the rows back.
            deptDlg->setRecords({DepartmentRecord()});
            dlg->findChild<QPushButton *>(QStringLiteral("uploadBtn"))->click();
            received = deptDlg->records();
            dlg->findChild<QPushButton *>(QStringLiteral("okBtn"))->click();
        });
        w.model()->setCell(0, C::PluName, QStringLiteral("Apples"));
        w.on_TABLEVW_SHOW_doubleClicked(w.model()->index(0, C::Department));
    }
    QVERIFY2(g_unexpectedFailure.isEmpty(), qPrintable(g_unexpectedFailure));
    QCOMPARE(received, departments);

    QStringList shown;
    {
        ModalDriver driver;
        answerLink(driver, link);
        bool ran = false;
        driver.on("ZQPackagesettingDialog", [&](QWidget *w) {
            if (std::exchange(ran, true))
                return;
            auto *dlg = static_cast<ZQPackagesettingDialog *>(w);
            dlg->findChild<QPushButton *>(QStringLiteral("DownBtn"))->click();
            QVERIFY(db->replacePackTypes(QStringList{"1", "2", "3", "4"}));
            dlg->findChild<QPushButton *>(QStringLiteral("UploadBtn"))->click();
            for (int r = 0; r < dlg->model()->rowCount(); ++r)
                shown << dlg->model()->index(r, dlg->codeColumn()).data().toString();
            dlg->findChild<QPushButton *>(QStringLiteral("CloseBtn"))->click();
        });
        w.action(QStringLiteral("actionPackage_type_setting"))->trigger();
    }
    QVERIFY2(g_unexpectedFailure.isEmpty(), qPrintable(g_unexpectedFailure));
    QCOMPARE(db->packTypeKeyValues(), codes);
    QCOMPARE(shown, codes); // the open window showed them at once
}

void TestTransfers::hotkeyFunctionsLandInTheLocalDatabase()
{
    ScaleSim sim;
    QVERIFY(sim.startTcp());
    {
        // Only the library's general entry point puts hotkey functions on a scale.
        QTemporaryDir dir;
        ScaleLinkLibrary lib(linktest::binDir());
        QVERIFY(linktest::loadSettings(lib, dir.path(), 2000, sim.port()));
        int handle = 0;
        QCOMPARE(lib.zqscaleConnect("127.0.0.1", 0, &handle), 0);
        const QByteArray json = linktest::jsonBytes(QJsonArray{QJsonObject{{"HotKey", 3}, {"KeyValue", 11184811}},
                                                               QJsonObject{{"HotKey", 300}, {"KeyValue", 11184658}}});
        QCOMPARE(lib.zqscaleDownLoadData(handle, 7, json.constData()), 0);
        QCOMPARE(lib.zqscaleDisConnect(handle), 0);
    }
    QVariantMap settings = settingsFor(sim);
    settings.insert(QStringLiteral("Function/isShowCusHotKeyFun"), true);
    TestEnvironment env(settings);
    MainWindow w;
    LocalDatabase *db = w.findChild<EditorsController *>()->localDatabase();
    QVERIFY(db->replaceHotkeyFunctions(HotkeyFunctionRows{{1, 2}}));
    QSignalSpy refreshed(&w, &MainWindow::updatePacktypeInfo);
    ModalDriver driver;
    answerLink(driver, Link{false, QStringLiteral("127.0.0.1")});
    w.action(QStringLiteral("actionUpload_PLU"))->trigger();
    QVERIFY2(g_unexpectedFailure.isEmpty(), qPrintable(g_unexpectedFailure));
    QCOMPARE(db->hotkeyFunctions(), HotkeyFunctionRows({{3, 11184811}, {300, 11184658}}));
    QCOMPARE(refreshed.count(), 1);
}
