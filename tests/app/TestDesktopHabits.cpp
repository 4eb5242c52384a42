#include "TestSupport.h"

#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/WindowHabits.h"
#include "document/PluTableModel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

using C = PluColumns;

// The main window's desktop habits, seen from outside: what a user does and sees.
class TestDesktopHabits : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sizeAndColumnsOutliveTheRun();
    void keysReachFindAndGuide();
    void statusBarNamesTheScale_data();
    void statusBarNamesTheScale();
    void emptyListShowsWhatToDo();
    void everyWindowFitsASmallScreen();
};

void TestDesktopHabits::initTestCase()
{
    // The guide and translations are found in the working folder first, as the program's own.
    QVERIFY(QDir::setCurrent(QStringLiteral(PLU_BIN_DIR)));
}

void TestDesktopHabits::sizeAndColumnsOutliveTheRun()
{
    TestEnvironment env;
    {
        MainWindow first;
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        // The first start's size, within the screen.
        QVERIFY(first.width() <= 1024 && first.height() <= 768);
        first.resize(700, 500);
        first.tableView()->horizontalHeader()->resizeSection(C::Code, 222);
        QVERIFY(first.close());
    }
    env.restart();
    MainWindow second;
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QCOMPARE(second.size(), QSize(700, 500));
    QCOMPARE(second.tableView()->columnWidth(C::Code), 222);
    // A column the operator did not size is still fitted to its values.
    second.loadFile(QStringLiteral(PLU_TEST_DATA_DIR "/document/all-fields/input.txp"));
    QCOMPARE(second.tableView()->columnWidth(C::Code), 222);
}

void TestDesktopHabits::keysReachFindAndGuide()
{
    TestEnvironment env;
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.tableView()->setFocus();
    QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(w.findChild<QComboBox *>(QStringLiteral("lookupBox"))->hasFocus());

    QTest::keyClick(&w, Qt::Key_F1);
    auto *help = w.findChild<HelpWindow *>();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    // The guide itself, its pictures found beside it.
    const QString text = help->browser()->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("PLU")) && !text.contains(QStringLiteral("not installed")),
             qPrintable(text.left(200)));
    QVERIFY(help->browser()->source().toLocalFile().endsWith(QStringLiteral("guide/guide.md")));
    // The first picture (wider than the window) is shown at the window's width: nothing to
    // scroll sideways, and not a thumbnail either.
    QTextBrowser *browser = help->browser();
    auto firstPictureWidth = [browser] {
        for (QTextBlock b = browser->document()->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().isImageFormat())
                    return it.fragment().charFormat().toImageFormat().width() * browser->logicalDpiY() / 96.0;
            }
        }
        return 0.0;
    };
    QTRY_VERIFY(firstPictureWidth() > browser->viewport()->width() * 0.8);
    QCOMPARE(browser->horizontalScrollBar()->maximum(), 0);
}

void TestDesktopHabits::statusBarNamesTheScale_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("text");
    QTest::newRow("the simulator") << 1 << "127.0.0.1"
                                   << "Scale: 127.0.0.1 (simulator)";
    QTest::newRow("a scale on the network") << 1 << "192.168.1.20"
                                            << "Scale: 192.168.1.20 (TCP/IP)";
    QTest::newRow("a serial scale") << 0 << "127.0.0.1"
                                    << "Scale: ttyUSB0, 9600 baud (RS-232)";
}

void TestDesktopHabits::statusBarNamesTheScale()
{
    QFETCH(int, type);
    QFETCH(QString, ip);
    QFETCH(QString, text);
    TestEnvironment env({{QStringLiteral("Comm/CommType"), type},
                         {QStringLiteral("Comm/IP"), ip},
                         {QStringLiteral("Comm/Port"), QStringLiteral("ttyUSB0")},
                         {QStringLiteral("Comm/BaudRate"), QStringLiteral("9600")}});
    MainWindow w;
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("linkLabel"))->text(), text);
}

void TestDesktopHabits::emptyListShowsWhatToDo()
{
    TestEnvironment env;
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *hint = w.findChild<QLabel *>(QStringLiteral("emptyHintLabel"));
    QTRY_VERIFY(hint->isVisible());
    QVERIFY(hint->text().contains(QStringLiteral("File > Open")));
    w.model()->setData(w.model()->index(3, C::PluName), QStringLiteral("Apples"));
    QTRY_VERIFY(!hint->isVisible());
    w.action(QStringLiteral("actionUndo"))->trigger();
    QTRY_VERIFY(hint->isVisible());
}

// Every window the menus open asks for no more than a 1366 x 768 screen gives.
void TestDesktopHabits::everyWindowFitsASmallScreen()
{
    TestEnvironment env({{QStringLiteral("Function/IsShowPT"), true}});
    MainWindow w;
    w.loadFile(QStringLiteral(PLU_TEST_DATA_DIR "/document/all-fields/input.txp"));
    const QSize screen(1366, 768);
    QStringList seen, tooLarge;
    auto measure = [&](QWidget *window) {
        const QString name = QString::fromLatin1(window->metaObject()->className());
        seen << name;
        if (!(window->sizeHint().width() <= screen.width() && window->sizeHint().height() <= screen.height()) ||
            !(window->minimumSizeHint().width() <= screen.width() &&
              window->minimumSizeHint().height() <= screen.height()))
            tooLarge << QStringLiteral("%1 %2x%3")
                            .arg(name)
                            .arg(window->sizeHint().width())
                            .arg(window->sizeHint().height());
    };
    measure(&w);
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            measure(modal);
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
        }
    });
    poll.start();
    for (const char *name :
         {"actionAbout", "actionHotkey_editing", "actionDiscount_schedule", "actionMessage_editing",
          "actionAdvertising_slogan", "actionPackage_type_setting", "actionChoose_Parameter", "actionScales",
          "actionDownload_PLU", "actionCustom_import", "actionImport_PLU_from_Excel", "actionNutrition_elements_set"})
        w.action(QString::fromLatin1(name))->trigger();
    w.action(QStringLiteral("actionUser_Guide"))->trigger();
    if (auto *help = w.findChild<HelpWindow *>())
        measure(help);
    for (const char *name : {"ZQAboutDialog", "ZqSetHotKey", "ZQCommunicationConfig", "HelpWindow"})
        QVERIFY2(seen.contains(QString::fromLatin1(name)), qPrintable(seen.join(QLatin1Char(' '))));
    QVERIFY2(tooLarge.isEmpty(), qPrintable(tooLarge.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestDesktopHabits)
#include "TestDesktopHabits.moc"
