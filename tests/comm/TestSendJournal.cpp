#include "TestSupport.h"

#include "comm/SendJournal.h"

class TestSendJournal : public QObject
{
    Q_OBJECT
private slots:
    void keepsTheNewestAndFilters_data();
    void keepsTheNewestAndFilters();
};

void TestSendJournal::keepsTheNewestAndFilters_data()
{
    QTest::addColumn<QString>("scale");
    QTest::addColumn<bool>("failedOnly");
    QTest::addColumn<int>("sinceMinutes");    // before the last entry; -1: no bound
    QTest::addColumn<QStringList>("reasons"); // newest first
    QTest::newRow("all kept") << QString() << false << -1 << QStringList{"e", "d", "c"};
    QTest::newRow("by part of the scale's name") << "deli" << false << -1 << QStringList{"e", "c"};
    QTest::newRow("what did not end well") << QString() << true << -1 << QStringList{"d"};
    QTest::newRow("a name with a wildcard is taken as it is") << "d%" << false << -1 << QStringList();
    QTest::newRow("since a time") << QString() << false << 1 << QStringList{"e", "d"};
}

void TestSendJournal::keepsTheNewestAndFilters()
{
    QFETCH(QString, scale);
    QFETCH(bool, failedOnly);
    QFETCH(int, sinceMinutes);
    QFETCH(QStringList, reasons);
    TestEnvironment env;
    const QDateTime start = QDateTime::currentDateTimeUtc();
    const char *scales[] = {"front", "deli (1.2.3.4)", "deli (1.2.3.4)", "back, \"new\"", "deli (1.2.3.4)"};
    QString error;
    for (int i = 0; i < 5; ++i) {
        SendJournal::Entry e;
        e.at = start.addSecs(60 * i);
        e.scale = QString::fromLatin1(scales[i]);
        e.result = i == 3 ? QStringLiteral("failed") : QStringLiteral("ok");
        e.reason = QString(QLatin1Char('a' + i));
        QVERIFY2(SendJournal::record(e, &error, 3), qPrintable(error)); // the oldest go beyond three
    }
    SendJournal::Filter filter;
    filter.scale = scale;
    filter.failedOnly = failedOnly;
    if (sinceMinutes >= 0)
        filter.since = start.addSecs(60 * (4 - sinceMinutes));
    QVector<SendJournal::Entry> entries;
    QVERIFY(SendJournal::read(filter, &entries, &error));
    QStringList found;
    for (const SendJournal::Entry &e : entries)
        found << e.reason;
    QCOMPARE(found, reasons);
    if (!scale.isEmpty() || failedOnly)
        return;
    const QList<QByteArray> csv = SendJournal::toCsv(entries).split('\n');
    QCOMPARE(csv.size(), entries.size() + 2); // the captions, the entries, and the last line end
    QVERIFY2(csv.at(2).contains("\"back, \"\"new\"\"\""), csv.at(2).constData());
}

QTEST_GUILESS_MAIN(TestSendJournal)
#include "TestSendJournal.moc"
