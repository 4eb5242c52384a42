#include "EditorTestSupport.h"

#include "editors/MessageEditingDlg.h"
#include "editors/ZQMessageInputDialog.h"

#include <QTableView>
#include <QTextCodec>

using C = PluColumns;
using namespace EditorTest;

class TestMessages : public QObject
{
    Q_OBJECT
private slots:
    void importExportRoundTrip_data();
    void importExportRoundTrip();
    void importRefusals_data();
    void importRefusals();
    void messageCell_data();
    void messageCell();
    void windowEditMarksTheDocument();
};

void TestMessages::importExportRoundTrip_data()
{
    QTest::addColumn<QByteArray>("codePage");
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("GBK text") << QByteArray("GBK") << 3
                              << QStringList{QStringLiteral("配料：小麦粉、白砂糖"), QString(),
                                             QStringLiteral("保质期 7 天，2–6 °C")};
    // The last message number, every line filled, each line far longer than a label line.
    QStringList longest;
    for (int i = 0; i < MessageStore::LinesPerMessage; ++i)
        longest << QStringLiteral("Line %1 ").arg(i + 1) + QStringLiteral("éà ").repeated(300);
    QTest::newRow("longest message the store holds") << QByteArray("UTF-8") << MessageStore::MessageCount << longest;
}

void TestMessages::importExportRoundTrip()
{
    QFETCH(QByteArray, codePage);
    QFETCH(int, number);
    QFETCH(QStringList, lines);
    TestEnvironment env({{QStringLiteral("Setting/CodePage"), QString::fromLatin1(codePage)}});
    MainWindow w;
    MessageStore &store = w.document()->messages();
    store.setMessageLines(number, lines);
    const QStringList before = store.messageList();
    const QString path = env.path(QStringLiteral("out.Msg"));

    {
        ModalDriver driver;
        driver.on("MessageEditingDlg", [path](QWidget *dlg) {
            Prompt::queueFileName(path);
            click(dlg, "btn_Export");
            click(dlg, "btn_OK");
        });
        trigger(w, "actionMessage_editing");
    }
    // The file is the store in the chosen code page: number-1 empty messages, then the lines.
    QString text = QStringLiteral("\r\n").repeated((number - 1) * MessageStore::LinesPerMessage);
    for (int i = 0; i < MessageStore::LinesPerMessage; ++i)
        text += lines.value(i) + QStringLiteral("\r\n");
    QCOMPARE(TestEnvironment::readFile(path), QTextCodec::codecForName(codePage)->fromUnicode(text) + "\x1c");
    QVERIFY(!w.isModified());

    store.clearMessages();
    ModalDriver driver; // the window is kept: a fresh driver sees it again
    driver.on("MessageEditingDlg", [path](QWidget *dlg) {
        Prompt::queueFileName(path);
        click(dlg, "btn_Import");
        click(dlg, "btn_Cancel"); // Cancel closes only; the import stays
    });
    trigger(w, "actionMessage_editing");
    QCOMPARE(Prompt::last().kind, QStringLiteral("open")); // no warning: nothing was left out
    QCOMPARE(store.messageList(), before);
    QCOMPARE(store.messageLines(number).mid(0, lines.size()), lines);
    QVERIFY(w.isModified());
}

void TestMessages::importRefusals_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no such file
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("missing file") << QByteArray() << "File Open fail"
                                  << "kept";
    QTest::newRow("binary data") << QByteArray("a\r\n\0\x01\x02\r\n", 9).repeated(8) << "it holds binary data"
                                 << "kept";
    QByteArray twenty;
    for (int i = 1; i <= 20; ++i)
        twenty += "line " + QByteArray::number(i) + "\r\n";
    QTest::newRow("incomplete last message") << twenty << "The last 4 lines"
                                             << "line 1";
}

void TestMessages::importRefusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, warning);
    QFETCH(QString, firstLine);
    TestEnvironment env;
    MainWindow w;
    w.document()->messages().setLine(0, 0, QStringLiteral("kept"));
    const QString path = env.path(QStringLiteral("in.Msg"));
    if (!bytes.isEmpty())
        QVERIFY(TestEnvironment::writeFile(path, bytes));
    ModalDriver driver;
    driver.on("MessageEditingDlg", [path](QWidget *dlg) {
        Prompt::queueFileName(path);
        click(dlg, "btn_Import");
        click(dlg, "btn_OK");
    });
    trigger(w, "actionMessage_editing");
    QCOMPARE(Prompt::last().kind, QStringLiteral("warning"));
    QVERIFY2(Prompt::lastText().contains(warning), qPrintable(Prompt::lastText()));
    QCOMPARE(w.document()->messages().line(0, 0), firstLine);
}

void TestMessages::messageCell_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("cellAfter");
    QTest::addColumn<int>("message");
    QTest::newRow("0 opens message 1; OK writes 1") << int(C::Message1) << "0" << true << "1"
                                                    << "1" << 1;
    QTest::newRow("Cancel keeps the cell, the typed lines stay") << int(C::Message1) << "0" << false << "1"
                                                                 << "0" << 1;
    QTest::newRow("message 2 column") << int(C::Message2) << "7" << true << "7"
                                      << "7" << 7;
}

void TestMessages::messageCell()
{
    QFETCH(int, column);
    QFETCH(QString, cell);
    QFETCH(bool, accept);
    QFETCH(QString, header);
    QFETCH(QString, cellAfter);
    QFETCH(int, message);
    TestEnvironment env;
    MainWindow w;
    w.model()->setCell(2, column, cell);
    w.document()->messages().setMessageLines(message, {QStringLiteral("old first"), QStringLiteral("second")});
    const int steps = undoCount(w);
    QString shownHeader;
    QString shownLine;
    ModalDriver driver;
    driver.on("ZQMessageInputDialog", [&](QWidget *dlg) {
        auto *view = dlg->findChild<QTableView *>();
        shownHeader = view->model()->headerData(0, Qt::Horizontal).toString();
        shownLine = view->model()->index(1, 0).data().toString();
        view->model()->setData(view->model()->index(0, 0), QStringLiteral("typed"));
        click(dlg, accept ? "okBtn" : "cancelBtn");
    });
    doubleClick(w, 2, column);
    QCOMPARE(shownHeader, header);
    QCOMPARE(shownLine, QStringLiteral("second"));
    QCOMPARE(w.model()->text(2, column), cellAfter);
    QCOMPARE(w.document()->messages().messageLines(message).mid(0, 2),
             QStringList({QStringLiteral("typed"), QStringLiteral("second")}));
    QVERIFY(w.isModified());
    QCOMPARE(undoCount(w), steps + (cellAfter != cell ? 1 : 0));
    w.editCommands()->undoStack()->undo();
    QCOMPARE(w.model()->text(2, column), cell);
}

void TestMessages::windowEditMarksTheDocument()
{
    TestEnvironment env;
    MainWindow w;
    {
        ModalDriver driver;
        driver.on("MessageEditingDlg", [](QWidget *dlg) {
            auto *view = dlg->findChild<QTableView *>(QStringLiteral("TABLEVW_SHOW"));
            QCOMPARE(view->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("Line 1"));
            QCOMPARE(view->model()->headerData(19999, Qt::Horizontal).toInt(), 20000);
            view->model()->setData(view->model()->index(15, 4), QStringLiteral("message 5, line 16"));
            click(dlg, "btn_OK");
        });
        trigger(w, "actionMessage_editing");
    }
    QCOMPARE(w.document()->messages().line(4, 15), QStringLiteral("message 5, line 16"));
    QVERIFY(w.isModified());
    // Nothing changed the second time: the document stays as saved.
    w.setModified(false);
    ModalDriver driver;
    driver.on("MessageEditingDlg", [](QWidget *dlg) { click(dlg, "btn_Cancel"); });
    trigger(w, "actionMessage_editing");
    QVERIFY(!w.isModified());
}

QTEST_MAIN(TestMessages)
#include "TestMessages.moc"
