// The link library against a real scale-sim over TCP: what goes down comes back up, the scale's
// checks refuse bad records, clearing clears, and the rarely used entry points behave.
#include "LinkTestSupport.h"

#include <cstring>

using namespace linktest;

class TestLinkLibrary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void loadsEveryEntryPoint();
    void pluRoundTrip_data();
    void pluRoundTrip();
    void uploadCarriesHotkeysAndReplacesByLfCode();
    void refusesWhatTheScaleWouldRefuse_data();
    void refusesWhatTheScaleWouldRefuse();
    void memoryFullIsRefused();
    void sideDataRoundTrip_data();
    void sideDataRoundTrip();
    void messagesOfAnyLengthKeepTheirNumbers();
    void advertisingTexts();
    void nutritionDownloadAndClear();
    void otherEntryPoints();
    void callsWithoutConnectionFail();
    void connectUsesPortFromSettings();
    void memorySurvivesRestart_data();
    void memorySurvivesRestart();
    void changeThatCannotBeKeptIsRefused();

private:
    int connectTo(ScaleSim &sim);
    // A refusal closes a TCP link (the program never disconnects after one): open it again.
    void reconnect();
    QList<QJsonObject> uploadPlus(int handle, int *result);

    std::unique_ptr<ScaleLinkLibrary> m_lib;
    std::unique_ptr<ScaleSim> m_sim;
    QTemporaryDir m_dir;
    int m_handle = 0;
};

void TestLinkLibrary::initTestCase()
{
    m_lib = std::make_unique<ScaleLinkLibrary>(binDir());
    QVERIFY2(m_lib->isLoaded(), qPrintable(m_lib->errorString()));
    QVERIFY(loadSettings(*m_lib, m_dir.path(), 2000));
}

void TestLinkLibrary::init()
{
    m_sim = std::make_unique<ScaleSim>();
    QVERIFY(m_sim->startTcp(
        {QStringLiteral("--capacity"), QStringLiteral("100"), QStringLiteral("--weight"), QStringLiteral("1234")}));
    m_handle = connectTo(*m_sim);
    QVERIFY(m_handle > 0);
}

void TestLinkLibrary::cleanup()
{
    if (m_handle > 0)
        QCOMPARE(m_lib->zqscaleDisConnect(m_handle), 0);
    m_handle = 0;
    if (QTest::currentTestFailed())
        qWarning().noquote() << m_sim->log().right(3000);
    m_sim.reset();
}

int TestLinkLibrary::connectTo(ScaleSim &sim)
{
    int handle = 0;
    const int r = m_lib->zqscaleConnect(sim.link().constData(), 0, &handle);
    return r == 0 ? handle : r;
}

void TestLinkLibrary::reconnect()
{
    QCOMPARE(m_lib->zqscaleDisConnect(m_handle), 0);
    m_handle = connectTo(*m_sim);
    QVERIFY(m_handle > 0);
}

QList<QJsonObject> TestLinkLibrary::uploadPlus(int handle, int *result)
{
    ReceiveScope scope;
    *result = m_lib->zqscaleUploadPluData(handle, &collect);
    QList<QJsonObject> out;
    for (int k = 0; k < scope.data.texts.size(); ++k) {
        if (scope.data.itemNumbers[k] != k + 1)
            return {};
        out.append(parseBytes(scope.data.texts[k]).toObject());
    }
    return out;
}

void TestLinkLibrary::loadsEveryEntryPoint()
{
    QCOMPARE(ScaleLinkLibrary::entryPointCount(), 32);
    QCOMPARE(m_lib->resolvedCount(), 32);
    QVERIFY(m_lib->fileName().startsWith(binDir()));
}

void TestLinkLibrary::pluRoundTrip_data()
{
    QTest::addColumn<QList<QJsonObject>>("plus");
    QTest::addColumn<int>("window"); // frames sent ahead of their answers
    QList<QJsonObject> plain;
    for (int i = 1; i <= 9; ++i)
        plain.append(makePlu(i));
    QTest::newRow("nine ordinary PLUs in three packets") << plain << 0;
    QTest::newRow("nine PLUs sent ahead") << plain << 4;

    QJsonObject latin = makePlu(7);
    latin.insert(QStringLiteral("PluName"), QStringLiteral("Caf\u00e9 cr\u00e8me \"quoted\" back\\slash"));
    QTest::newRow("bytes that are not UTF-8 and escaped characters") << QList<QJsonObject>{latin} << 0;

    QJsonObject longest = makePlu(8);
    longest.insert(QStringLiteral("PluName"), QString(72, QLatin1Char('N')));
    longest.insert(QStringLiteral("Code"), QStringLiteral("0000000001"));
    QTest::newRow("longest name and code") << QList<QJsonObject>{longest} << 0;

    QJsonObject reals = makePlu(9);
    reals.insert(QStringLiteral("Tare"), 0.1234567);
    reals.insert(QStringLiteral("PackageWeight"), 14.999);
    reals.insert(QStringLiteral("Ice"), 99.9);
    reals.insert(QStringLiteral("ShlefTime"), -9999);
    reals.insert(QStringLiteral("UnitPrice"), 99999999);
    reals.insert(QStringLiteral("LFCode"), 9999999);
    QTest::newRow("fractions and extremes") << QList<QJsonObject>{reals} << 0;

    QJsonObject locked = makePlu(10);
    locked.insert(QStringLiteral("IsLock"), 1);
    locked.insert(QStringLiteral("Recomdays"), 12);
    QTest::newRow("lock and recommended days") << QList<QJsonObject>{locked} << 0;
}

void TestLinkLibrary::pluRoundTrip()
{
    QFETCH(QList<QJsonObject>, plus);
    QFETCH(int, window);
    const QByteArray settings = "{\"Window\": " + QByteArray::number(window) + '}';
    QCOMPARE(m_lib->zqscaleDownLoadData(m_handle, 100, settings.constData()), 0);
    QCOMPARE(m_lib->zqscaleClearPLUData(m_handle), 0);
    // One buffer filled anew for each packet, as a program may do: each text is read afresh.
    QByteArray buffer(4096, '\0');
    for (int p = 0; p * 4 < plus.size(); ++p) {
        QJsonArray packet;
        for (int i = p * 4; i < plus.size() && i < p * 4 + 4; ++i)
            packet.append(plus[i]);
        const QByteArray text = jsonBytes(packet);
        std::memcpy(buffer.data(), text.constData(), size_t(text.size()) + 1);
        QCOMPARE(m_lib->zqscaleDownLoadPLU(m_handle, buffer.constData(), p), 0);
    }
    int result = -100;
    const QList<QJsonObject> back = uploadPlus(m_handle, &result);
    QCOMPARE(result, plus.size());
    QCOMPARE(back.size(), plus.size());
    for (int i = 0; i < plus.size(); ++i) {
        QString diff;
        QVERIFY2(sameSentMembers(plus[i], back[i], &diff), qPrintable(diff));
        QCOMPARE(back[i].value(QStringLiteral("HotKey")).toInt(-1), 0);
        QVERIFY(back[i].contains(QStringLiteral("IsLock")));
        QVERIFY(back[i].contains(QStringLiteral("Recomdays")));
    }
}

void TestLinkLibrary::uploadCarriesHotkeysAndReplacesByLfCode()
{
    QJsonArray packet{makePlu(11), makePlu(22), makePlu(33)};
    QCOMPARE(m_lib->zqscaleDownLoadPLU(m_handle, jsonBytes(packet).constData(), 0), 0);
    int table[224] = {};
    table[6] = 22;   // key 7
    table[223] = 33; // key 224, in the third packet
    for (int p = 0; p < 3; ++p) {
        int packetCodes[84] = {};
        for (int k = 0; k < 84 && p * 84 + k < 224; ++k)
            packetCodes[k] = table[p * 84 + k];
        QCOMPARE(m_lib->zqscaleDownLoadHotkey(m_handle, packetCodes, p), 0);
    }
    QJsonObject renamed = makePlu(22);
    renamed.insert(QStringLiteral("PluName"), QStringLiteral("Replaced"));
    QCOMPARE(m_lib->zqscaleDownLoadPLU(m_handle, jsonBytes(QJsonArray{renamed}).constData(), 1), 0);

    int result = 0;
    const QList<QJsonObject> back = uploadPlus(m_handle, &result);
    QCOMPARE(result, 3);
    QCOMPARE(back.size(), 3);
    QCOMPARE(back[0].value(QStringLiteral("HotKey")).toInt(), 0);
    QCOMPARE(back[1].value(QStringLiteral("LFCode")).toInt(), 22);
    QCOMPARE(back[1].value(QStringLiteral("PluName")).toString(), QStringLiteral("Replaced"));
    QCOMPARE(back[1].value(QStringLiteral("HotKey")).toInt(), 7);
    QCOMPARE(back[2].value(QStringLiteral("HotKey")).toInt(), 224);

    int badPacket[84] = {};
    QVERIFY(m_lib->zqscaleDownLoadHotkey(m_handle, badPacket, 3) < 0);
}

void TestLinkLibrary::refusesWhatTheScaleWouldRefuse_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QJsonValue>("value");
    QTest::newRow("name of 73 bytes") << QStringLiteral("PluName") << QJsonValue(QString(73, QLatin1Char('x')));
    QTest::newRow("weight unit 13") << QStringLiteral("WeightUnit") << QJsonValue(13);
    QTest::newRow("negative LF code") << QStringLiteral("LFCode") << QJsonValue(-1);
    QTest::newRow("code with a letter") << QStringLiteral("Code") << QJsonValue(QStringLiteral("12a"));
    QTest::newRow("code of 11 digits") << QStringLiteral("Code") << QJsonValue(QStringLiteral("12345678901"));
    QTest::newRow("tolerance 21") << QStringLiteral("Tolerance") << QJsonValue(21);
    QTest::newRow("ice 100") << QStringLiteral("Ice") << QJsonValue(100.0);
    QTest::newRow("negative tare") << QStringLiteral("Tare") << QJsonValue(-0.5);
}

void TestLinkLibrary::refusesWhatTheScaleWouldRefuse()
{
    QFETCH(QString, member);
    QFETCH(QJsonValue, value);
    QCOMPARE(m_lib->zqscaleDownLoadPLU(m_handle, jsonBytes(QJsonArray{makePlu(1)}).constData(), 0), 0);
    QJsonObject bad = makePlu(2);
    bad.insert(member, value);
    // One bad record refuses its whole packet.
    QVERIFY(m_lib->zqscaleDownLoadPLU(m_handle, jsonBytes(QJsonArray{makePlu(3), bad}).constData(), 1) < 0);
    reconnect();
    int result = 0;
    const QList<QJsonObject> back = uploadPlus(m_handle, &result);
    QCOMPARE(result, 1);
    QCOMPARE(back.size(), 1);
}

void TestLinkLibrary::memoryFullIsRefused()
{
    for (int p = 0; p < 25; ++p) {
        QJsonArray packet;
        for (int i = 1; i <= 4; ++i)
            packet.append(makePlu(p * 4 + i));
        QCOMPARE(m_lib->zqscaleDownLoadPLU(m_handle, jsonBytes(packet).constData(), p), 0);
    }
    // The 101st PLU does not fit; replacing a stored one still does.
    QVERIFY(m_lib->zqscaleDownLoadPLU(m_handle, jsonBytes(QJsonArray{makePlu(101)}).constData(), 25) < 0);
    reconnect();
    QCOMPARE(m_lib->zqscaleDownLoadPLU(m_handle, jsonBytes(QJsonArray{makePlu(50)}).constData(), 25), 0);
    QCOMPARE(m_lib->zqscaleClearPLUData(m_handle), 0);
    int result = -1;
    QVERIFY(uploadPlus(m_handle, &result).isEmpty());
    QCOMPARE(result, 0);
}

void TestLinkLibrary::sideDataRoundTrip_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QJsonArray>("records");
    QTest::newRow("discount periods") << QStringLiteral("schedule")
                                      << parseBytes(R"([{"Hour": 8, "Minute": 30, "Discount": 90},
                                                        {"Hour": 23, "Minute": 59, "Discount": 0}])")
                                             .toArray();
    QTest::newRow("departments") << QStringLiteral("department")
                                 << parseBytes(R"([{"DeptId": 1, "DeptName": "Bakery", "CGST": 2.5, "SGST": 9,
                           "IsPrintDeptId": true, "IsPrintDeptName": false},
                          {"DeptId": 99, "DeptName": "Fourteen bytes", "CGST": 0, "SGST": 0.125,
                           "IsPrintDeptId": false, "IsPrintDeptName": true}])")
                                        .toArray();
    QTest::newRow("package types")
        << QStringLiteral("packtype")
        << parseBytes(R"([{"KeyValue": "12"}, {"KeyValue": ""}, {"KeyValue": "Tray 3"}])").toArray();
    QTest::newRow("hotkey functions") << QStringLiteral("hotkeyfun")
                                      << parseBytes(R"([{"HotKey": 1, "KeyValue": 5},
                                                        {"HotKey": 448, "KeyValue": 11184658}])")
                                             .toArray();
    QTest::newRow("empty department set") << QStringLiteral("department") << QJsonArray();
}

void TestLinkLibrary::sideDataRoundTrip()
{
    QFETCH(QString, kind);
    QFETCH(QJsonArray, records);
    const QByteArray text = jsonBytes(records);
    int down = -100, up = -100;
    ReceiveScope scope;
    // Twice: a later download replaces the whole set rather than adding to it.
    for (int round = 0; round < 2; ++round) {
        if (kind == QLatin1String("schedule")) {
            down = m_lib->zqscaleDownLoadDisCountSchedule(m_handle, text.constData());
        } else if (kind == QLatin1String("department")) {
            down = m_lib->zqscaleDownLoadDepartment(m_handle, text.constData(), 1);
        } else if (kind == QLatin1String("packtype")) {
            down = m_lib->zqscaleDownLoadPackTypeFunSet(m_handle, text.constData());
        } else {
            down = m_lib->zqscaleDownLoadData(m_handle, 7, text.constData());
        }
        QCOMPARE(down, 0);
    }
    if (kind == QLatin1String("schedule"))
        up = m_lib->zqscaleUpLoadDisCountSchedule(m_handle, &collect);
    else if (kind == QLatin1String("department"))
        up = m_lib->zqscaleUpLoadDepartment(m_handle, &collect, 1);
    else if (kind == QLatin1String("packtype"))
        up = m_lib->zqscaleUpLoadPackTypeFunSet(m_handle, &collect);
    else
        up = m_lib->zqscaleUploadCustomHotkey(m_handle, &collect);
    QCOMPARE(up, records.size());
    // Sets arrive whole, in one callback.
    QCOMPARE(scope.data.texts.size(), 1);
    QCOMPARE(scope.data.itemNumbers.value(0), 1);
    QCOMPARE(parseBytes(scope.data.texts[0]).toArray(), records);
}

void TestLinkLibrary::messagesOfAnyLengthKeepTheirNumbers()
{
    // 16 lines of 80 characters, and one far longer than a frame, which travels in pieces.
    QByteArray first;
    for (int line = 0; line < 16; ++line)
        first += QByteArray(80, char('a' + line)) + (line < 15 ? "\r\n" : "");
    QByteArray third("Caf\xe9 ");
    while (third.size() < 300000)
        third += third;
    int reserved = 7;
    QCOMPARE(m_lib->zqscaleDownLoadMessage(m_handle, 0, first.constData(), first.size(), &reserved), 0);
    QCOMPARE(reserved, 0);
    QCOMPARE(m_lib->zqscaleDownLoadMessage(m_handle, 2, third.constData(), third.size(), &reserved), 0);
    {
        ReceiveScope scope;
        QCOMPARE(m_lib->zqscaleUploadMessage(m_handle, &collect), 3);
        QCOMPARE(scope.data.itemNumbers, (QList<int>{1, 2, 3}));
        QCOMPARE(parseBytes(scope.data.texts[0]).toObject().value(QStringLiteral("MsgText")).toString().toLatin1(),
                 first);
        QCOMPARE(parseBytes(scope.data.texts[1]).toObject().value(QStringLiteral("MsgText")).toString(), QString());
        QCOMPARE(parseBytes(scope.data.texts[2]).toObject().value(QStringLiteral("MsgText")).toString().toLatin1(),
                 third);
    }
    const QByteArray tooLong(2 * 1024 * 1024 + 1, 'm');
    QVERIFY(m_lib->zqscaleDownLoadMessage(m_handle, 1, tooLong.constData(), tooLong.size(), &reserved) < 0);
    reconnect();
    QVERIFY(m_lib->zqscaleDownLoadMessage(m_handle, 20000, "x", 1, &reserved) < 0);
    reconnect();
    // Messages go with the PLUs that name them.
    QCOMPARE(m_lib->zqscaleClearPLUData(m_handle), 0);
    ReceiveScope scope;
    QCOMPARE(m_lib->zqscaleUploadMessage(m_handle, &collect), 0);
    QVERIFY(scope.data.texts.isEmpty());
}

void TestLinkLibrary::advertisingTexts()
{
    const QByteArray head = "Fresh every day";
    const QByteArray tail = QByteArray("Thank you\r\n\r\nCaf\xe9 open 8-20");
    QCOMPARE(m_lib->zqscaleDownLoadAdHead(m_handle, head.constData(), head.size()), 0);
    QCOMPARE(m_lib->zqscaleDownLoadAdTail(m_handle, tail.constData(), tail.size()), 0);
    char buffer[260] = {};
    QCOMPARE(m_lib->zqscaleUploadDataAdHead(m_handle, buffer), 0);
    QCOMPARE(QByteArray(buffer), head);
    std::fill(std::begin(buffer), std::end(buffer), 'z');
    QCOMPARE(m_lib->zqscaleUploadDataAdTail(m_handle, buffer), 0);
    QCOMPARE(QByteArray(buffer), tail);
    // The upload buffer holds 259 bytes and the NUL, so the scale takes no more.
    const QByteArray longest(259, 'a');
    QCOMPARE(m_lib->zqscaleDownLoadAdTail(m_handle, longest.constData(), longest.size()), 0);
    QCOMPARE(m_lib->zqscaleUploadDataAdTail(m_handle, buffer), 0);
    QCOMPARE(QByteArray(buffer), longest);
    const QByteArray tooLong(260, 'a');
    QVERIFY(m_lib->zqscaleDownLoadAdHead(m_handle, tooLong.constData(), tooLong.size()) < 0);
    reconnect();
    QCOMPARE(m_lib->zqscaleDownLoadAdHead(m_handle, "", 0), 0);
    QCOMPARE(m_lib->zqscaleUploadDataAdHead(m_handle, buffer), 0);
    QCOMPARE(QByteArray(buffer), QByteArray());
}

void TestLinkLibrary::nutritionDownloadAndClear()
{
    const QJsonArray elements =
        parseBytes(R"([{"Name": "Energy", "iUnit": 1}, {"Name": "Fat", "iUnit": 2}])").toArray();
    QCOMPARE(m_lib->zqscaleDownLoadNutritionTable(m_handle, jsonBytes(elements).constData()), 0);
    QJsonArray isPrint, percent, value;
    for (int e = 0; e < 12; ++e) {
        isPrint.append(e < 2);
        percent.append(e < 2 ? 12.5 * (e + 1) : 0);
        value.append(e < 2 ? 100.0 * (e + 1) : 0);
    }
    QJsonArray plus;
    for (int lf = 1; lf <= 6; ++lf) {
        QJsonObject o;
        o.insert(QStringLiteral("LFCode"), lf);
        o.insert(QStringLiteral("GroupTitle"), QStringLiteral("Article %1").arg(lf));
        o.insert(QStringLiteral("isPrint"), isPrint);
        o.insert(QStringLiteral("percent"), percent);
        o.insert(QStringLiteral("value"), value);
        plus.append(o);
    }
    QVERIFY(m_lib->zqscaleDownLoadPluNutrition(m_handle, jsonBytes(plus).constData()) >= 0);
    {
        ReceiveScope scope;
        QCOMPARE(m_lib->zqscaleUploadData(m_handle, 8, &collect), 2);
        QCOMPARE(parseBytes(scope.data.texts.value(0)).toArray(), elements);
    }
    {
        ReceiveScope scope;
        QCOMPARE(m_lib->zqscaleUploadData(m_handle, 9, &collect), 6);
        for (int k = 0; k < 6; ++k)
            QCOMPARE(parseBytes(scope.data.texts[k]).toObject(), plus[k].toObject());
    }
    QVERIFY(m_lib->zqscaleClearPluNutritionData(m_handle) >= 0);
    ReceiveScope scope;
    QCOMPARE(m_lib->zqscaleUploadData(m_handle, 9, &collect), 0);
    // Clearing the per-PLU values leaves the element table.
    QCOMPARE(m_lib->zqscaleUploadData(m_handle, 8, &collect), 2);
}

void TestLinkLibrary::otherEntryPoints()
{
    QCOMPARE(m_lib->zqscaleDownLoadPLU(m_handle, jsonBytes(QJsonArray{makePlu(5)}).constData(), 0), 0);
    QCOMPARE(m_lib->zqscaleUpDatePrice(m_handle, 5, 4321), 0);
    QVERIFY(m_lib->zqscaleUpDatePrice(m_handle, 6, 4321) < 0);
    reconnect();
    QVERIFY(m_lib->zqscaleUpDatePrice(m_handle, 5, -1) < 0);
    reconnect();
    int result = 0;
    QCOMPARE(uploadPlus(m_handle, &result).value(0).value(QStringLiteral("UnitPrice")).toInt(), 4321);

    QCOMPARE(m_lib->zqscaleDownLoadWeightUnit(m_handle, 4), 0);
    QVERIFY(m_lib->zqscaleDownLoadWeightUnit(m_handle, 13) < 0);
    reconnect();
    int weight = 0;
    QCOMPARE(m_lib->zqscaleGetPluWeight(m_handle, &weight), 0);
    QCOMPARE(weight, 1234);
    QVERIFY(m_lib->zqscaleUploadSaleData(m_handle, &collect) < 0);
    QVERIFY(m_lib->zqscaleDownLoadCustomBar(m_handle, "[]") < 0);
    // A bad JSON text is refused before anything is sent.
    QVERIFY(m_lib->zqscaleDownLoadPLU(m_handle, "[{\"LFCode\": 1", 0) < 0);
    QVERIFY(m_lib->zqscaleDownLoadPLU(m_handle, "[{\"LFCode\": 1.5}]", 0) < 0);
    QVERIFY(m_lib->zqscaleDownLoadPLU(m_handle, nullptr, 0) < 0);
    QVERIFY(m_lib->zqscaleDownLoadDisCountSchedule(m_handle, nullptr) < 0);
    QVERIFY(m_lib->zqscaleDownLoadData(m_handle, 42, "[]") < 0);
    // Link settings out of range, or not an object, change nothing.
    for (const char *settings : {"{\"Window\": 65}", "{\"Window\": -1}", "{\"TimeoutMs\": 99}", "[]", "{"})
        QVERIFY2(m_lib->zqscaleDownLoadData(m_handle, 100, settings) < 0, settings);
    // Refusals by the library itself leave the link open.
    QCOMPARE(m_lib->zqscaleUploadData(m_handle, 1, &collect), 1);
}

void TestLinkLibrary::callsWithoutConnectionFail()
{
    const int h = 987654;
    char buffer[260] = {};
    int codes[84] = {};
    int out = 0;
    QVERIFY(m_lib->zqscaleDisConnect(h) < 0);
    QVERIFY(m_lib->zqscaleClearPLUData(h) < 0);
    QVERIFY(m_lib->zqscaleDownLoadPLU(h, "[]", 0) < 0);
    QVERIFY(m_lib->zqscaleDownLoadHotkey(h, codes, 0) < 0);
    QVERIFY(m_lib->zqscaleDownLoadMessage(h, 0, "x", 1, &out) < 0);
    QVERIFY(m_lib->zqscaleClearMessage(h) < 0);
    QVERIFY(m_lib->zqscaleDownLoadAdHead(h, "x", 1) < 0);
    QVERIFY(m_lib->zqscaleDownLoadAdTail(h, "x", 1) < 0);
    QVERIFY(m_lib->zqscaleDownLoadDisCountSchedule(h, "[]") < 0);
    QVERIFY(m_lib->zqscaleDownLoadPackTypeFunSet(h, "[]") < 0);
    QVERIFY(m_lib->zqscaleDownLoadNutritionTable(h, "[]") < 0);
    QVERIFY(m_lib->zqscaleDownLoadPluNutrition(h, "[]") < 0);
    QVERIFY(m_lib->zqscaleDownLoadDepartment(h, "[]", 1) < 0);
    QVERIFY(m_lib->zqscaleClearPluNutritionData(h) < 0);
    QVERIFY(m_lib->zqscaleUploadDataAdHead(h, buffer) < 0);
    QVERIFY(m_lib->zqscaleUploadDataAdTail(h, buffer) < 0);
    QVERIFY(m_lib->zqscaleUploadPluData(h, &collect) < 0);
    QVERIFY(m_lib->zqscaleUploadCustomHotkey(h, &collect) < 0);
    QVERIFY(m_lib->zqscaleUploadMessage(h, &collect) < 0);
    QVERIFY(m_lib->zqscaleUpLoadDisCountSchedule(h, &collect) < 0);
    QVERIFY(m_lib->zqscaleUpLoadPackTypeFunSet(h, &collect) < 0);
    QVERIFY(m_lib->zqscaleUpLoadDepartment(h, &collect, 1) < 0);
    QVERIFY(m_lib->zqscaleDownLoadData(h, 1, "[]") < 0);
    QVERIFY(m_lib->zqscaleUploadData(h, 1, &collect) < 0);
    QVERIFY(m_lib->zqscaleUpDatePrice(h, 1, 1) < 0);
    QVERIFY(m_lib->zqscaleDownLoadWeightUnit(h, 4) < 0);
    QVERIFY(m_lib->zqscaleUploadSaleData(h, &collect) < 0);
    QVERIFY(m_lib->zqscaleGetPluWeight(h, &out) < 0);
    QVERIFY(m_lib->zqscaleDownLoadCustomBar(h, "[]") < 0);
    int handle = 0;
    QVERIFY(m_lib->zqscaleConnect(nullptr, 0, &handle) < 0);
    QVERIFY(m_lib->zqscaleConnect("300.1.1.1", 0, &handle) < 0);
    QCOMPARE(handle, 0);
}

void TestLinkLibrary::connectUsesPortFromSettings()
{
    // The bare address takes its port from the settings file.
    QVERIFY(loadSettings(*m_lib, m_dir.path(), 2000, m_sim->port()));
    int handle = 0;
    QCOMPARE(m_lib->zqscaleConnect("127.0.0.1", 0, &handle), 0);
    QVERIFY(handle > 0 && handle != m_handle);
    QCOMPARE(m_lib->zqscaleDisConnect(handle), 0);
    QVERIFY(m_lib->zqscaleDisConnect(handle) < 0);
    QVERIFY(loadSettings(*m_lib, m_dir.path(), 2000));
}

void TestLinkLibrary::memorySurvivesRestart_data()
{
    QTest::addColumn<bool>("killed");
    QTest::newRow("after a goodbye") << false;
    // Every answered command is kept, whatever happens to the simulator after the answer.
    QTest::newRow("killed right after the last answer") << true;
}

void TestLinkLibrary::memorySurvivesRestart()
{
    QFETCH(bool, killed);
    QCOMPARE(m_lib->zqscaleDisConnect(m_handle), 0);
    m_handle = 0;
    m_sim.reset();
    auto sim = std::make_unique<ScaleSim>();
    QVERIFY(sim->startTcp({QStringLiteral("--data"), sim->dataFile()}));
    int handle = connectTo(*sim);
    QVERIFY(handle > 0);
    for (int p = 0; p < 50; ++p) {
        const QByteArray packet = jsonBytes(QJsonArray{makePlu(2 * p + 1), makePlu(2 * p + 2)});
        QCOMPARE(m_lib->zqscaleDownLoadPLU(handle, packet.constData(), p), 0);
    }
    QCOMPARE(m_lib->zqscaleDownLoadAdHead(handle, "Head", 4), 0);
    if (killed) {
        sim->kill();
    } else {
        QCOMPARE(m_lib->zqscaleDisConnect(handle), 0);
        const QJsonObject state = sim->dump();
        QCOMPARE(state.value(QStringLiteral("memory")).toObject().value(QStringLiteral("PLU")).toArray().size(), 100);
        QVERIFY(state.value(QStringLiteral("counters")).toObject().value(QStringLiteral("framesIn")).toInt() >= 52);
    }

    // A new simulator on the same file holds the same memory.
    const QString dataFile = sim->dataFile();
    sim->stop();
    ScaleSim again;
    QVERIFY(again.startTcp({QStringLiteral("--data"), dataFile}));
    if (killed)
        m_lib->zqscaleDisConnect(handle);
    handle = connectTo(again);
    QVERIFY(handle > 0);
    int result = 0;
    const QList<QJsonObject> back = uploadPlus(handle, &result);
    QCOMPARE(back.size(), 100);
    QString diff;
    QVERIFY2(sameSentMembers(makePlu(100), back[99], &diff), qPrintable(diff));
    char buffer[260] = {};
    QCOMPARE(m_lib->zqscaleUploadDataAdHead(handle, buffer), 0);
    QCOMPARE(QByteArray(buffer), QByteArray("Head"));
    QCOMPARE(m_lib->zqscaleDisConnect(handle), 0);
    m_sim = std::make_unique<ScaleSim>();
}

void TestLinkLibrary::changeThatCannotBeKeptIsRefused()
{
    ScaleSim sim;
    QVERIFY(QDir().mkpath(sim.dataFile() + QStringLiteral(".journal"))); // a folder: no journal can be written
    QVERIFY(sim.startTcp({QStringLiteral("--data"), sim.dataFile()}));
    const int handle = connectTo(sim);
    QVERIFY(handle > 0);
    QVERIFY(m_lib->zqscaleDownLoadPLU(handle, jsonBytes(QJsonArray{makePlu(1)}).constData(), 0) < 0);
    m_lib->zqscaleDisConnect(handle);
}

QTEST_GUILESS_MAIN(TestLinkLibrary)
#include "TestLinkLibrary.moc"
