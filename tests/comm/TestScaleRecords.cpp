#include "TestSupport.h"

#include "comm/ScaleRecords.h"

#include <QJsonDocument>

namespace {
TPLU plu(int lf, int hotkey = 0, const QByteArray &name = "Item")
{
    TPLU p;
    p.LFCode = lf;
    p.HotKey = hotkey;
    p.setPluNameBytes(name);
    return p;
}
} // namespace

class TestScaleRecords : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }
    void packetsOfFour_data();
    void packetsOfFour();
    void sentObjectLeavesOutScaleOnlyMembers();
    void receivedRecord_data();
    void receivedRecord();
    void packetsNeverOverflowTheBuffer();
    void nameCutInsideACharacterStaysWithinTheLimit();
    void hotkeyTable();
    void periodsBothWays();
    void departmentFlagsAsNumbers();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestScaleRecords::packetsOfFour_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("9 rows") << 9 << QList<int>{4, 4, 1};
    QTest::newRow("8 rows, no empty third") << 8 << QList<int>{4, 4};
    QTest::newRow("none") << 0 << QList<int>{};
    QTest::newRow("one") << 1 << QList<int>{1};
}

void TestScaleRecords::packetsOfFour()
{
    QFETCH(int, rows);
    QFETCH(QList<int>, sizes);
    TPLUList list;
    for (int i = 0; i < rows; ++i)
        list << plu(i + 1);
    const QList<QByteArray> packets = ScaleRecords::pluPackets(list);
    QList<int> got;
    int lf = 1;
    for (const QByteArray &p : packets) {
        const QJsonArray array = QJsonDocument::fromJson(p).array();
        got << array.size();
        for (const QJsonValue &v : array)
            QCOMPARE(v.toObject().value(QStringLiteral("LFCode")).toInt(), lf++); // rows in table order
        QVERIFY(p.contains("\n    {"));                                           // indented text
    }
    QCOMPARE(got, sizes);
}

void TestScaleRecords::sentObjectLeavesOutScaleOnlyMembers()
{
    TPLU p = plu(7, 5);
    p.IsLock = true;
    p.Recomdays = 3;
    p.Account = 99;
    const QJsonObject o = ScaleRecords::pluToJson(p);
    QCOMPARE(o.size(), 18);
    for (const char *absent : {"HotKey", "IsLock", "Recomdays", "Account", "ProDate", "TraceID", "Nutrition"})
        QVERIFY2(!o.contains(QLatin1String(absent)), absent);
    QCOMPARE(o.value(QStringLiteral("LFCode")).toInt(), 7);
}

void TestScaleRecords::receivedRecord_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("message2");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<int>("hotkey");
    QTest::newRow("plain") << QByteArray(R"({"PluName":"Figs","HotKey":4,"IsLock":0,"Message2":7})")
                           << QByteArray("Figs") << 7 << false << 4;
    QTest::newRow("80-byte name, 300, lock 2")
        << QByteArray(R"({"PluName":")" + QByteArray(80, 'n') + R"(","Message2":300,"IsLock":2})")
        << QByteArray(72, 'n') << 44 << true << 0;
    QTest::newRow("not JSON") << QByteArray("{oops") << QByteArray() << 0 << false << 0;
}

void TestScaleRecords::receivedRecord()
{
    QFETCH(QByteArray, json);
    QFETCH(QByteArray, name);
    QFETCH(int, message2);
    QFETCH(bool, locked);
    QFETCH(int, hotkey);
    const TPLU p = ScaleRecords::pluFromJson(ScaleRecords::parseLocalText(json.constData()).toObject());
    QCOMPARE(p.pluNameBytes(), name);
    QCOMPARE(int(p.Message2), message2);
    QCOMPARE(p.IsLock, locked);
    QCOMPARE(p.HotKey, hotkey);
    QCOMPARE(p.Account, 0);
}

void TestScaleRecords::packetsNeverOverflowTheBuffer()
{
    // Names of control characters are escaped six bytes each: four such records do not fit.
    TPLUList list;
    for (int i = 0; i < 9; ++i)
        list << plu(i + 1, 0, QByteArray(72, '\x01'));
    const QList<QByteArray> packets = ScaleRecords::pluPackets(list);
    int records = 0;
    for (const QByteArray &p : packets) {
        QVERIFY(p.size() < ScaleRecords::PacketBufferSize);
        records += QJsonDocument::fromJson(p).array().size();
    }
    QCOMPARE(records, 9);
}

void TestScaleRecords::nameCutInsideACharacterStaysWithinTheLimit()
{
    TestEnvironment env({{QStringLiteral("Setting/CodePage"), QStringLiteral("UTF-8")}});
    TPLU p;
    p.setPluNameBytes(QByteArray(71, 'a') + "\xe8\x8b\xb9"); // a three-byte character cut after one byte
    const QString sent = ScaleRecords::pluToJson(p).value(QStringLiteral("PluName")).toString();
    QCOMPARE(sent, QString(71, QLatin1Char('a')));
    QVERIFY(TextCodec::toLocal8(sent).size() <= 72);
}

void TestScaleRecords::hotkeyTable()
{
    const QVector<int> table =
        ScaleRecords::hotkeyTable({plu(11, 7), plu(22, 7), plu(33, 0), plu(44, 225), plu(55, 224), plu(66, 169)});
    QCOMPARE(table.size(), 224);
    QCOMPARE(table.at(6), 22); // a later article with the same key wins
    QCOMPARE(table.at(223), 55);
    QCOMPARE(table.at(168), 66);
    QCOMPARE(std::count(table.begin(), table.end(), 0), 221);
}

void TestScaleRecords::periodsBothWays()
{
    QVector<SchedulePeriod> periods(2);
    periods[0].hour = 23;
    periods[0].minute = 50;
    periods[0].rate = 85;
    periods[1].rate = static_cast<int8_t>(200); // the byte as stored, sent unsigned
    const QJsonArray array = ScaleRecords::periodsToJson(periods);
    QCOMPARE(array.at(0).toObject().value(QStringLiteral("Hour")).toInt(), 23);
    QCOMPARE(array.at(1).toObject().value(QStringLiteral("Discount")).toInt(), 200);
    const QVector<SchedulePeriod> back = ScaleRecords::periodsFromJson(array);
    QVERIFY(back == periods);
}

void TestScaleRecords::departmentFlagsAsNumbers()
{
    // Some scales send the print flags as 0 and 1 rather than as booleans.
    const QJsonArray array = QJsonDocument::fromJson(R"([{"DeptId": 3, "IsPrintDeptId": 1, "IsPrintDeptName": 0},
        {"DeptId": 4, "IsPrintDeptId": false, "IsPrintDeptName": true}])")
                                 .array();
    const DepartmentRecords records = ScaleRecords::departmentsFromJson(array);
    QCOMPARE(records.size(), 2);
    QCOMPARE(int(records.at(0).printNumber), 1);
    QCOMPARE(int(records.at(0).printName), 0);
    QCOMPARE(int(records.at(1).printNumber), 0);
    QCOMPARE(int(records.at(1).printName), 1);
}

QTEST_GUILESS_MAIN(TestScaleRecords)
#include "TestScaleRecords.moc"
