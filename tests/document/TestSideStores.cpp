#include "TestSupport.h"

#include "document/AdvertisingList.h"
#include "document/MessageStore.h"
#include "document/ScheduleStore.h"

class TestSideStores : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }
    void emptyStoreIs33Bytes();
    void gapsAreWrittenAsEmptyMessages();
    void msgFileReading_data();
    void msgFileReading();
    void exportImportRoundTrip();
    void messageListAndRefill();
    void messageNumbersBelowOneAddressTheFirst();
    void msgFileErrors();
    void setPeriods_data();
    void setPeriods();
    void rscFileLayout();
    void rscParsing();
    void advertisingHeadAndTail_data();
    void advertisingHeadAndTail();
    void infoKeepsEveryLine();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestSideStores::emptyStoreIs33Bytes()
{
    MessageStore store;
    const QByteArray bytes = store.toMsgBytes();
    QCOMPARE(bytes.size(), 33);
    QCOMPARE(bytes, QByteArray("\r\n").repeated(16) + "\x1c");
    QCOMPARE(store.messageList(), QStringList{QStringLiteral("\r\n").repeated(15)});
}

void TestSideStores::gapsAreWrittenAsEmptyMessages()
{
    MessageStore store;
    store.setLine(4, 2, QStringLiteral("third line of five"));
    const QByteArray bytes = store.toMsgBytes();
    QVERIFY(bytes.endsWith("\r\n\x1c"));
    QCOMPARE(bytes.count("\r\n"), 80);
    const QList<QByteArray> lines = bytes.left(bytes.size() - 1).split('\n');
    QCOMPARE(lines.at(4 * 16 + 2), QByteArray("third line of five\r"));
    QCOMPARE(store.messageList().size(), 5);
}

void TestSideStores::msgFileReading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("lastUsed");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("lastLineOfFirst");
    QByteArray twenty;
    for (int i = 1; i <= 20; ++i)
        twenty += "line " + QByteArray::number(i) + "\r\n";
    QTest::newRow("20 lines keep message 1") << twenty << 0 << "line 1"
                                             << "line 16";
    QTest::newRow("LF line ends, no end mark") << QByteArray("a\n").repeated(32) << 1 << "a"
                                               << "a";
    QTest::newRow("end mark after LF") << QByteArray("b\n").repeated(16) + "\x1c" << 0 << "b"
                                       << "b";
    QTest::newRow("no complete group empties the store") << QByteArray("x\r\ny\r\n") << -1 << ""
                                                         << "";
}

void TestSideStores::msgFileReading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, lastUsed);
    QFETCH(QString, firstLine);
    QFETCH(QString, lastLineOfFirst);
    MessageStore store;
    store.setLine(9, 0, QStringLiteral("replaced by the file"));
    QVERIFY(store.fromMsgBytes(bytes));
    QCOMPARE(store.lastUsedIndex(), lastUsed);
    QCOMPARE(store.line(0, 0), firstLine);
    QCOMPARE(store.line(0, 15), lastLineOfFirst);
}

void TestSideStores::exportImportRoundTrip()
{
    MessageStore store;
    store.setMessageLines(1, {QStringLiteral("Ingredients:"), QString(), QStringLiteral("milk, sugar")});
    store.setMessageLines(7, {QString(), QStringLiteral("Keep below 5\u00b0C")});
    const QString path = m_env->path(QStringLiteral("m.Msg"));
    QVERIFY(store.writeMsgFile(path, nullptr));
    MessageStore back;
    back.setMessageLines(20000, {QStringLiteral("gone after import")});
    QVERIFY(back.readMsgFile(path, nullptr));
    QCOMPARE(back.messageList(), store.messageList());
    QCOMPARE(back.lastUsedIndex(), 6);
    // An empty file changes nothing.
    QVERIFY(!back.fromMsgBytes(QByteArray()));
    QCOMPARE(back.lastUsedIndex(), 6);
}

void TestSideStores::messageListAndRefill()
{
    MessageStore store;
    QStringList list{QStringLiteral("one\r\ntwo"), QString(), QStringLiteral("three")};
    QString longMessage;
    for (int i = 0; i < 18; ++i)
        longMessage += QStringLiteral("l%1\r\n").arg(i);
    list << longMessage;
    store.setMessageList(list);
    QCOMPARE(store.messageLines(1).mid(0, 3), QStringList({QStringLiteral("one"), QStringLiteral("two"), QString()}));
    QCOMPARE(store.line(2, 0), QStringLiteral("three"));
    // Lines past the 16th are dropped.
    QCOMPARE(store.line(3, 15), QStringLiteral("l15"));
    const QStringList collected = store.messageList();
    QCOMPARE(collected.size(), 4);
    QCOMPARE(collected.at(0).count(QStringLiteral("\r\n")), 15);
}

void TestSideStores::messageNumbersBelowOneAddressTheFirst()
{
    MessageStore store;
    store.setMessageLines(0, {QStringLiteral("zero")});
    QCOMPARE(store.messageLines(1).first(), QStringLiteral("zero"));
    QCOMPARE(store.messageLines(-5).first(), QStringLiteral("zero"));
    QStringList twenty;
    for (int i = 0; i < 20; ++i)
        twenty << QStringLiteral("x");
    store.setMessageLines(1, twenty);
    QCOMPARE(store.messageLines(1).size(), 16);
}

void TestSideStores::msgFileErrors()
{
    MessageStore store;
    store.setLine(0, 0, QStringLiteral("kept"));
    QString error;
    QVERIFY(!store.readMsgFile(m_env->path(QStringLiteral("missing.Msg")), &error));
    QCOMPARE(error, QStringLiteral("File Open fail"));
    QCOMPARE(store.line(0, 0), QStringLiteral("kept"));
    QVERIFY(!store.writeMsgFile(m_env->path(QStringLiteral("no/such/folder/x.Msg")), &error));
    QVERIFY(!error.isEmpty());
}

void TestSideStores::setPeriods_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("filled");
    QTest::newRow("12 periods") << 12 << 12;
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("exactly 50") << 50 << 50;
    QTest::newRow("more than 50") << 57 << 50;
}

void TestSideStores::setPeriods()
{
    QFETCH(int, count);
    QFETCH(int, filled);
    ScheduleStore store;
    SchedulePeriod old;
    old.hour = 23;
    store.setPeriod(9, 4, old);
    QVector<SchedulePeriod> list;
    for (int i = 0; i < count; ++i) {
        SchedulePeriod p;
        p.hour = static_cast<int8_t>(i % 24);
        p.minute = 10;
        p.rate = static_cast<int8_t>(100 - i);
        p.reserved[0] = 7; // kept as received
        list << p;
    }
    store.setPeriods(list);
    for (int i = 0; i < ScheduleStore::PeriodCount; ++i) {
        const SchedulePeriod &p = store.periods().at(i);
        if (i < filled)
            QVERIFY(p == list.at(i));
        else
            QVERIFY(p == SchedulePeriod());
    }
}

void TestSideStores::rscFileLayout()
{
    ScheduleStore store;
    SchedulePeriod p;
    p.hour = 8;
    p.minute = 30;
    p.rate = 85;
    store.setPeriod(1, 2, p);
    const QList<QByteArray> lines = store.toRscBytes().split('\n');
    QCOMPARE(lines.size(), 51); // 50 lines and the piece after the last line end
    QCOMPARE(lines.at(0), QByteArray("M0,S0,0,0,100\r"));
    QCOMPARE(lines.at(7), QByteArray("M1,S2,8,30,85\r"));
    QCOMPARE(lines.at(49), QByteArray("M9,S4,0,0,100\r"));
}

void TestSideStores::rscParsing()
{
    const QVector<SchedulePeriod> list = ScheduleStore::parseRsc("M0,S0,7,10,90\nshort,line\r\nM0,S1,-1,5,120\r\n");
    QCOMPARE(list.size(), 2);
    QCOMPARE(int(list.at(0).hour), 7);
    QCOMPARE(int(list.at(0).rate), 90);
    QCOMPARE(int(list.at(1).hour), -1);
    QCOMPARE(int(list.at(1).rate), 120);
}

void TestSideStores::advertisingHeadAndTail_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("tail");
    QTest::newRow("empty") << QStringList() << ""
                           << "";
    QTest::newRow("head only") << QStringList{QStringLiteral("H")} << "H"
                               << "";
    QTest::newRow("four") << QStringList{QStringLiteral("H"), QStringLiteral("a"), QString(), QStringLiteral("c")}
                          << "H"
                          << "a\r\n\r\nc";
}

void TestSideStores::advertisingHeadAndTail()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, head);
    QFETCH(QString, tail);
    AdvertisingList list;
    list.setTexts(texts);
    QCOMPARE(list.head(), head);
    QCOMPARE(list.tail(), tail);
    AdvertisingList back;
    back.setHeadTail(head, tail);
    if (texts.size() > 1)
        QCOMPARE(back.texts(), texts);
    else
        QCOMPARE(back.texts(), QStringList({head, QString()}));
}

void TestSideStores::infoKeepsEveryLine()
{
    AdvertisingList list;
    list.setTexts({QStringLiteral("Head"), QString(), QStringLiteral("Bottom\t3")});
    const QByteArray bytes = list.toInfoBytes();
    QCOMPARE(bytes, QByteArray("Head\r\n\r\nBottom 3\r\n"));
    AdvertisingList back;
    back.fromInfoBytes(bytes);
    QCOMPARE(back.texts(), QStringList({QStringLiteral("Head"), QString(), QStringLiteral("Bottom 3")}));
}

QTEST_GUILESS_MAIN(TestSideStores)
#include "TestSideStores.moc"
