#include "EditorTestSupport.h"

#include "document/PluFileSet.h"
#include "editors/DiscountScheduleDlg.h"
#include "editors/ScheduleTimeEdit.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>

using C = PluColumns;
using namespace EditorTest;

namespace {
// "hh:mm/discount" for each of a mode's five periods.
QStringList modeText(const ScheduleStore &store, int mode)
{
    QStringList out;
    for (int p = 0; p < ScheduleStore::PeriodsPerMode; ++p) {
        const SchedulePeriod period = store.period(mode, p);
        out << QStringLiteral("%1:%2/%3")
                   .arg(period.hour, 2, 10, QLatin1Char('0'))
                   .arg(period.minute, 2, 10, QLatin1Char('0'))
                   .arg(100 - period.rate);
    }
    return out;
}

void enter(QWidget *dlg, const QStringList &periods)
{
    const QList<ScheduleTimeEdit *> times = {dlg->findChild<ScheduleTimeEdit *>(QStringLiteral("timeEdit")),
                                             dlg->findChild<ScheduleTimeEdit *>(QStringLiteral("timeEdit_2")),
                                             dlg->findChild<ScheduleTimeEdit *>(QStringLiteral("timeEdit_3")),
                                             dlg->findChild<ScheduleTimeEdit *>(QStringLiteral("timeEdit_4")),
                                             dlg->findChild<ScheduleTimeEdit *>(QStringLiteral("timeEdit_5"))};
    const QStringList spins = {"spinBox", "spinBox_2", "spinBox_3", "spinBox_4", "spinBox_5"};
    for (int p = 0; p < periods.size(); ++p) {
        const QStringList parts = periods.at(p).split(QLatin1Char('/'));
        times.at(p)->setTime(QTime::fromString(parts.at(0), QStringLiteral("hh:mm")));
        dlg->findChild<QSpinBox *>(spins.at(p))->setValue(parts.at(1).toInt());
    }
}
} // namespace

class TestSchedules : public QObject
{
    Q_OBJECT
private slots:
    void modesSavedAndReloaded_data();
    void modesSavedAndReloaded();
    void minutesStepAndRound();
    void picker_data();
    void picker();
    void editOpensTheCheckedMode();
};

void TestSchedules::modesSavedAndReloaded_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("entered");
    QTest::addColumn<QStringList>("stored");
    const QStringList plain{"06:00/5", "09:30/10", "12:00/15", "17:00/20", "20:00/50"};
    for (int mode = 0; mode < ScheduleStore::ModeCount; ++mode)
        QTest::addRow("Mode%d", mode + 1) << mode << plain << plain;
    // Starts are kept on the ten minutes, and in order: an earlier start takes the period above.
    QTest::newRow("Mode2, out of order") << 1 << QStringList{"08:00/5", "12:00/20", "10:00/30", "18:00/40", "20:00/50"}
                                         << QStringList{"08:00/5", "12:00/20", "12:00/20", "18:00/40", "20:00/50"};
    QTest::newRow("Mode10, odd minutes") << 9 << QStringList{"07:43/1", "23:57/2", "23:58/3", "23:59/4", "23:50/99"}
                                         << QStringList{"07:50/1", "23:00/2", "23:00/3", "23:00/4", "23:50/99"};
}

void TestSchedules::modesSavedAndReloaded()
{
    QFETCH(int, mode);
    QFETCH(QStringList, entered);
    QFETCH(QStringList, stored);
    TestEnvironment env;
    MainWindow w;
    ModalDriver driver;
    driver.on("DiscountScheduleDlg", [&](QWidget *dlg) {
        dlg->findChild<QTabBar *>(QStringLiteral("tabWidget"))->setCurrentIndex(mode);
        enter(dlg, entered);
        click(dlg, "CloseBtn");
    });
    trigger(w, "actionDiscount_schedule");
    QVERIFY(w.isModified());
    const QString path = env.path(QStringLiteral("shop.Txp"));
    QString error;
    QVERIFY2(PluFileSet::save(w.document(), path, PluFileSet::sidePathsForSaveAs(path), &error), qPrintable(error));

    PluDocument back;
    QCOMPARE(PluFileSet::load(&back, path, &error), PluFileSet::LoadResult::Loaded);
    QStringList untouched;
    for (int p = 0; p < ScheduleStore::PeriodsPerMode; ++p)
        untouched << QStringLiteral("00:00/0");
    for (int m = 0; m < ScheduleStore::ModeCount; ++m)
        QCOMPARE(modeText(back.schedules(), m), m == mode ? stored : untouched);
}

void TestSchedules::minutesStepAndRound()
{
    TestEnvironment env;
    ScheduleStore store;
    DiscountScheduleDlg dlg(&store);
    dlg.show();
    auto *edit = dlg.findChild<ScheduleTimeEdit *>(QStringLiteral("timeEdit_2"));
    edit->setFocus();
    edit->setTime(QTime(7, 43));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->time(), QTime(7, 50));
    edit->setCurrentSection(QDateTimeEdit::MinuteSection);
    edit->stepBy(-1);
    QCOMPARE(edit->time(), QTime(7, 40));
    edit->setTime(QTime(7, 43));
    edit->stepBy(1);
    QCOMPARE(edit->time(), QTime(7, 50));
    edit->stepBy(3); // the hour is not left
    QCOMPARE(edit->time(), QTime(7, 50));
}

void TestSchedules::picker_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("shown");  // "discount N" or "ModeN"
    QTest::addColumn<QString>("choose"); // a mode button, a discount, or nothing
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("cellAfter");
    QTest::newRow("a schedule opens on its mode") << "133"
                                                  << "Mode5"
                                                  << "" << true << "133";
    QTest::newRow("128 is no choice") << "128"
                                      << "discount 0"
                                      << "" << true << "0";
    QTest::newRow("discount to Mode3") << "15"
                                       << "discount 15"
                                       << "ModeRadioBtn3" << true << "131";
    QTest::newRow("mode to discount") << "138"
                                      << "Mode10"
                                      << "42" << true << "42";
    QTest::newRow("Cancel keeps the cell") << "15"
                                           << "discount 15"
                                           << "ModeRadioBtn3" << false << "15";
}

void TestSchedules::picker()
{
    QFETCH(QString, cell);
    QFETCH(QString, shown);
    QFETCH(QString, choose);
    QFETCH(bool, accept);
    QFETCH(QString, cellAfter);
    TestEnvironment env;
    MainWindow w;
    w.model()->setCell(4, C::Rebate, cell);
    const int steps = undoCount(w);
    QString seen;
    ModalDriver driver;
    driver.on("ZQRebateSelectDialog", [&](QWidget *dlg) {
        auto *edit = dlg->findChild<QLineEdit *>(QStringLiteral("discountEdt"));
        if (dlg->findChild<QRadioButton *>(QStringLiteral("discountRadioBtn"))->isChecked()) {
            seen = QStringLiteral("discount ") + edit->text();
        } else {
            for (QRadioButton *b : dlg->findChildren<QRadioButton *>()) {
                if (b->isChecked() && b->objectName().startsWith(QLatin1String("ModeRadioBtn")))
                    seen = b->text();
            }
        }
        if (choose.startsWith(QLatin1String("Mode"))) {
            click(dlg, "discountPerRadioBtn");
            click(dlg, qPrintable(choose));
        } else if (!choose.isEmpty()) {
            click(dlg, "discountRadioBtn");
            edit->clear();
            QTest::keyClicks(edit, choose + QStringLiteral("9")); // the validator stops at 127
        }
        click(dlg, accept ? "OKBtn" : "CancelBtn");
    });
    doubleClick(w, 4, C::Rebate);
    QCOMPARE(seen, shown);
    QCOMPARE(w.model()->text(4, C::Rebate), cellAfter);
    QCOMPARE(undoCount(w), steps + (cellAfter != cell ? 1 : 0));
    QCOMPARE(w.isModified(), cellAfter != cell);
    w.editCommands()->undoStack()->undo();
    QCOMPARE(w.model()->text(4, C::Rebate), cell);
}

void TestSchedules::editOpensTheCheckedMode()
{
    TestEnvironment env;
    MainWindow w;
    w.model()->setCell(0, C::Rebate, QStringLiteral("131"));
    int pickerSeen = 0;
    int tabShown = -1;
    ModalDriver driver;
    driver.on("ZQRebateSelectDialog", [&](QWidget *dlg) {
        // Seen again once the schedule window closes: then it is done.
        click(dlg, ++pickerSeen == 1 ? "EditBtn" : "CancelBtn");
    });
    driver.on("DiscountScheduleDlg", [&](QWidget *dlg) {
        tabShown = dlg->findChild<QTabBar *>(QStringLiteral("tabWidget"))->currentIndex();
        dlg->findChild<QSpinBox *>(QStringLiteral("spinBox"))->setValue(10);
        click(dlg, "CloseBtn");
    });
    doubleClick(w, 0, C::Rebate);
    QCOMPARE(tabShown, 2);
    QCOMPARE(int(w.document()->schedules().period(2, 0).rate), 90);
    QVERIFY(w.isModified());
}

QTEST_MAIN(TestSchedules)
#include "TestSchedules.moc"
