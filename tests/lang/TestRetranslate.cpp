#include "TestSupport.h"

#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "comm/ZQCommunicationConfig.h"
#include "core/Language.h"
#include "hotkey/HotkeyController.h"
#include "hotkey/ZqSetHotKey.h"
#include "io/ImportExcelDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace {
// Every text a window shows in its title, labels, buttons, group boxes and actions.
QStringList shownTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QLabel *l : window->findChildren<QLabel *>())
        texts << l->text();
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        texts << b->text();
    for (QGroupBox *g : window->findChildren<QGroupBox *>())
        texts << g->title();
    for (QAction *a : window->findChildren<QAction *>())
        texts << MainMenus::plainText(a->text());
    return texts;
}

void chooseLanguage(MainWindow &w, const QString &name)
{
    for (QAction *a : w.findChild<QMenu *>(QStringLiteral("menuLanguage"))->actions())
        if (MainMenus::plainText(a->text()) == name)
            return a->trigger();
    QFAIL("no such language in the menu");
}
} // namespace

class TestRetranslate : public QObject
{
    Q_OBJECT
private slots:
    // The translations are looked for in the working folder first.
    void initTestCase() { QVERIFY(QDir::setCurrent(QStringLiteral(PLU_BIN_DIR))); }
    void openWindowsFollowLanguage_data();
    void openWindowsFollowLanguage();
};

void TestRetranslate::openWindowsFollowLanguage_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    QTest::newRow("main window menu") << "main"
                                      << "Communication" << QStringLiteral("通讯");
    QTest::newRow("link settings") << "link"
                                   << "Communication Config" << QStringLiteral("通讯设置");
    QTest::newRow("spreadsheet import") << "import"
                                        << "Shelf time" << QStringLiteral("保质期");
    QTest::newRow("hotkey editor's own menu") << "hotkey"
                                              << "use page2" << QStringLiteral("使用第二页");
}

// Windows kept open across a change of language show the new one at once, and the old one again.
void TestRetranslate::openWindowsFollowLanguage()
{
    QFETCH(QString, window);
    QFETCH(QString, english);
    QFETCH(QString, chinese);
    TestEnvironment env;
    MainWindow w;
    ZQCommunicationConfig link(&w);
    ImportExcelDialog import(&w);
    QWidget *shown = window == QLatin1String("link")     ? static_cast<QWidget *>(&link)
                     : window == QLatin1String("import") ? static_cast<QWidget *>(&import)
                     : window == QLatin1String("hotkey") ? w.findChild<HotkeyController *>()->editor()
                                                         : static_cast<QWidget *>(&w);
    QVERIFY(shownTexts(shown).contains(english));
    chooseLanguage(w, QStringLiteral("中文"));
    QCoreApplication::processEvents(); // the change reaches windows as a posted event
    QVERIFY2(shownTexts(shown).contains(chinese), qPrintable(shownTexts(shown).join(QLatin1Char('|'))));
    chooseLanguage(w, QStringLiteral("English"));
    QCoreApplication::processEvents();
    QVERIFY(shownTexts(shown).contains(english));
}

QTEST_MAIN(TestRetranslate)
#include "TestRetranslate.moc"
