#include "ModalDriver.h"
#include "TestSupport.h"
#include "linklib/LinkTestSupport.h"

#include "app/MainWindow.h"
#include "comm/ScaleList.h"
#include "comm/TransferTarget.h"
#include "comm/ZQCommucationProcess.h"
#include "document/PluDocument.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using linktest::ScaleSim;

namespace {
// With PLU_SHOTS_DIR set the windows are drawn into that folder, with twenty scales.
QString shotsDir()
{
    return QString::fromLocal8Bit(qgetenv("PLU_SHOTS_DIR"));
}

void shoot(QWidget *w, const char *name)
{
    if (shotsDir().isEmpty())
        return;
    QCoreApplication::processEvents(); // the layout takes in the last texts first
    w->grab().save(shotsDir() + QLatin1Char('/') + QLatin1String(name));
}

QString writeList(const QString &path, int rows)
{
    PluDocument doc;
    for (int r = 0; r < rows; ++r)
        doc.model()->pluToRow(testArticle(r + 1), r);
    QString error;
    PluFileSet::save(&doc, path, PluFileSet::sidePathsForSaveAs(path), &error);
    return path;
}
} // namespace

class TestFleetWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZQCommucationProcess::setLibraryFolder(linktest::binDir()); }
    void groupSendShowsEveryScaleAndRetries();
};

void TestFleetWindows::groupSendShowsEveryScaleAndRetries()
{
    const int count = shotsDir().isEmpty() ? 4 : 20;
    TestEnvironment env({{QStringLiteral("Link/TimeoutMs"), 1500}});
    std::vector<std::unique_ptr<ScaleSim>> sims;
    ScaleList list;
    QString error;
    QVERIFY(list.load(&error));
    for (int i = 0; i < count; ++i) {
        ScaleEntry e;
        e.name = QStringLiteral("Scale %1").arg(i + 1, 2, 10, QLatin1Char('0'));
        e.group = i < count / 2 ? QStringLiteral("Shop north") : QStringLiteral("Shop south");
        if (i == 1) {
            e.address = QStringLiteral("127.0.0.1:1"); // missing
        } else {
            sims.push_back(std::make_unique<ScaleSim>());
            // The third scale drops the link half-way.
            QVERIFY(sims.back()->startTcp(i == 2 ? QStringList{QStringLiteral("--drop-after"), QStringLiteral("3")}
                                                 : QStringList()));
            e.address = QString::fromLatin1(sims.back()->link());
        }
        QVERIFY(list.add(e, &error));
    }

    MainWindow w;
    w.loadFile(writeList(env.path(QStringLiteral("list.txp")), 400));
    ModalDriver driver;
    int listSeen = 0;
    QString summary, retried;
    driver.on("ScaleListDlg", [&](QWidget *d) {
        auto *table = d->findChild<QTableWidget *>(QStringLiteral("scalesTableWidget"));
        QCOMPARE(table->rowCount(), count);
        if (listSeen++ == 0) {
            auto *group = d->findChild<QComboBox *>(QStringLiteral("groupComboBox"));
            group->setCurrentIndex(1); // all scales
            emit group->activated(1);
            shoot(d, "scales-window.png");
            d->findChild<QPushButton *>(QStringLiteral("downloadBtn"))->click();
        } else {
            d->findChild<QPushButton *>(QStringLiteral("closeBtn"))->click();
        }
    });
    driver.on("ZQDownloadSelectDlg", [](QWidget *d) {
        d->findChild<QCheckBox *>(QStringLiteral("verifyCheckBox"))->setChecked(true);
        d->findChild<QPushButton *>(QStringLiteral("okPushButton"))->click();
    });
    driver.on("FleetProgressDlg", [&](QWidget *d) {
        auto *close = d->findChild<QPushButton *>(QStringLiteral("closeBtn"));
        auto *retry = d->findChild<QPushButton *>(QStringLiteral("retryBtn"));
        auto *label = d->findChild<QLabel *>(QStringLiteral("summaryLabel"));
        auto *timer = new QTimer(d);
        QObject::connect(timer, &QTimer::timeout, d, [&, d, close, retry, label, timer] {
            if (!close->isEnabled())
                return;
            if (summary.isEmpty()) {
                summary = label->text();
                shoot(d, "progress-window.png");
                sims.at(1)->stop(); // the dropping scale comes back without its fault
                QVERIFY(sims.at(1)->startTcp({QStringLiteral("--tcp"), QString::fromLatin1(sims.at(1)->link())}));
                retry->click();
                return;
            }
            timer->stop();
            retried = label->text();
            shoot(d, "progress-window-retried.png");
            close->click();
        });
        timer->start(50);
    });
    w.findChild<QAction *>(QStringLiteral("actionScales"))->trigger();

    QVERIFY2(summary.startsWith(QStringLiteral("%1 of %2 scales succeeded.").arg(count - 2).arg(count)),
             qPrintable(summary));
    QVERIFY(summary.contains(QStringLiteral("Scale 02: Connect Fail")));
    QVERIFY(summary.contains(QStringLiteral("Scale 03: ")));
    QVERIFY2(retried.startsWith(QStringLiteral("%1 of %2 scales succeeded.").arg(count - 1).arg(count)),
             qPrintable(retried));
    QCOMPARE(listSeen, 2);
}

QTEST_MAIN(TestFleetWindows)
#include "TestFleetWindows.moc"
