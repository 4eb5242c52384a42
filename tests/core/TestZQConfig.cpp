#include "TestSupport.h"

#include "core/PriceFormat.h"
#include "document/PluTableModel.h"

#include <QTextCodec>

class TestZQConfig : public QObject
{
    Q_OBJECT
private slots:
    void firstStartWritesDefaults();
    void greeceSwitchesRecomdaysOn_data();
    void greeceSwitchesRecomdaysOn();
    void minusOneRewrittenToFalse_data();
    void minusOneRewrittenToFalse();
    void positionSetsPriceDecimals();
    void typedValuesConvertAsTheFileSays_data();
    void typedValuesConvertAsTheFileSays();
    void keysMatchWithoutCase();
    void weightIdsRoundTrip();
    void codePageSelectsCodec();
};

void TestZQConfig::firstStartWritesDefaults()
{
    TestEnvironment env;
    QSettings ini(env.settingsPath(), QSettings::IniFormat);
    for (const char *key :
         {"isShowIce", "isShowRecomdays", "IsShowGST", "isShowCusHotKeyFun", "IsShowPT", "IsShowPackPrice"})
        QCOMPARE(ini.value(QStringLiteral("Function/") + QLatin1String(key)).toString(), QStringLiteral("false"));
    // Keys that are only read keep their defaults without appearing in the file.
    QVERIFY(!ini.contains(QStringLiteral("PLU/PluNameLen")));
    QCOMPARE(ZQConfig::pluNameLen(), 36);
    QCOMPARE(ZQConfig::lfcodeLen(), 6);
    QCOMPARE(ZQConfig::pluCaption(), QStringLiteral("PLU manager"));
    QCOMPARE(ZQConfig::flag(ZQConfig::IsShowNutrition), true);
    QCOMPARE(ZQConfig::flag(ZQConfig::IsClearMessage), true);
    QCOMPARE(ZQConfig::text(ZQConfig::CboxTolerance), QStringLiteral("14"));
    QCOMPARE(ZQConfig::number(ZQConfig::CboxFixWeightUnit), 4);
    QCOMPARE(PriceFormat::decimals(), 2);
    QCOMPARE(env.config()->language(), QStringLiteral("en_US"));
    env.config()->sync();
    QCOMPARE(QSettings(env.settingsPath(), QSettings::IniFormat).value(QStringLiteral("Language/Language")).toString(),
             QStringLiteral("en_US"));
}

void TestZQConfig::greeceSwitchesRecomdaysOn_data()
{
    QTest::addColumn<QString>("company");
    QTest::addColumn<bool>("recomdays");
    QTest::newRow("upper") << "GREECE" << true;
    QTest::newRow("mixed") << "gReEcE" << true;
    QTest::newRow("other") << "GREECE2" << false;
    QTest::newRow("empty") << "" << false;
}

void TestZQConfig::greeceSwitchesRecomdaysOn()
{
    QFETCH(QString, company);
    QFETCH(bool, recomdays);
    TestEnvironment env({{QStringLiteral("Version/CompanyID"), company}});
    QCOMPARE(ZQConfig::isShowRecomdays(), recomdays);
    QSettings ini(env.settingsPath(), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Function/isShowRecomdays")).toString(),
             recomdays ? QStringLiteral("true") : QStringLiteral("false"));
    QCOMPARE(ini.value(QStringLiteral("Version/CompanyID")).toString(), recomdays ? QString() : company);

    // The rows carry the recommended days into records from then on.
    PluTableModel model;
    model.setCell(0, PluColumns::Recomdays, QStringLiteral("7"));
    QCOMPARE(model.rowToPlu(0).Recomdays, recomdays ? 7 : 0);

    // The marker is used once: the next start keeps the switch without it.
    env.restart();
    QCOMPARE(ZQConfig::isShowRecomdays(), recomdays);
}

void TestZQConfig::minusOneRewrittenToFalse_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("isShowIce") << "isShowIce";
    QTest::newRow("IsShowGST") << "IsShowGST";
    QTest::newRow("IsShowPT") << "IsShowPT";
}

void TestZQConfig::minusOneRewrittenToFalse()
{
    QFETCH(QString, key);
    TestEnvironment env({{QStringLiteral("Function/") + key, QStringLiteral("-1")}});
    QSettings ini(env.settingsPath(), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Function/") + key).toString(), QStringLiteral("false"));
    QCOMPARE(env.config()->value(QStringLiteral("Function"), key).toString(), QStringLiteral("false"));
    QVERIFY(!ZQConfig::isShowIce());
}

void TestZQConfig::positionSetsPriceDecimals()
{
    TestEnvironment env({{QStringLiteral("KVB2600/Position"), 3}});
    QCOMPARE(PriceFormat::decimals(), 3);
    PluTableModel model;
    model.setCell(0, PluColumns::UnitPrice, QStringLiteral("1.2345"));
    QCOMPARE(model.rowToPlu(0).UnitPrice, 1235);
    TPLU plu;
    plu.UnitPrice = 1234;
    model.pluToRow(plu, 1);
    QCOMPARE(model.text(1, PluColumns::UnitPrice), QStringLiteral("1.234"));
    QCOMPARE(model.text(1, PluColumns::Ice), QStringLiteral("0.000"));
}

void TestZQConfig::typedValuesConvertAsTheFileSays_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<int>("number");
    QTest::newRow("true") << "true" << true << 0;
    QTest::newRow("one") << "1" << true << 1;
    QTest::newRow("zero") << "0" << false << 0;
    QTest::newRow("word") << "yes" << false << 0;
    QTest::newRow("number") << "35" << true << 35;
}

void TestZQConfig::typedValuesConvertAsTheFileSays()
{
    QFETCH(QString, stored);
    QFETCH(bool, flag);
    QFETCH(int, number);
    TestEnvironment env(
        {{QStringLiteral("Function/IsShowNutrition"), stored}, {QStringLiteral("PLU/PluNameLen"), stored}});
    QCOMPARE(ZQConfig::flag(ZQConfig::IsShowNutrition), flag);
    QCOMPARE(ZQConfig::pluNameLen(), number);
}

void TestZQConfig::keysMatchWithoutCase()
{
    TestEnvironment env({{QStringLiteral("PLU/plunamelen"), 20},
                         {QStringLiteral("Function/CERTISTATUS"), 1},
                         {QStringLiteral("kvb2600/Position"), 3}});
    QCOMPARE(ZQConfig::pluNameLen(), 20);
    QCOMPARE(ZQConfig::certiStatus(), 1);
    QCOMPARE(WeightUnits::name(10), QStringLiteral("PCS"));
    QCOMPARE(PriceFormat::decimals(), 3);
    // Writing through the table key replaces the stored spelling instead of adding a twin.
    env.config()->setValue(ZQConfig::PluNameLen, 30);
    env.config()->setValue(ZQConfig::Position, 4);
    env.config()->sync();
    QSettings ini(env.settingsPath(), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("PLU/plunamelen")).toInt(), 30);
    QVERIFY(!ini.contains(QStringLiteral("PLU/PluNameLen")));
    QCOMPARE(ini.value(QStringLiteral("kvb2600/Position")).toInt(), 4);
    QVERIFY(!ini.childGroups().contains(QStringLiteral("KVB2600")));
}

void TestZQConfig::weightIdsRoundTrip()
{
    TestEnvironment env({{QStringLiteral("WeightIDSet/4"), QStringLiteral("KG")}});
    QStringList ids = ZQConfig::weightIds();
    QCOMPARE(ids.size(), 13);
    QCOMPARE(ids.at(4), QStringLiteral("KG"));
    QCOMPARE(ids.at(12), QStringLiteral("12"));
    ids[0] = QStringLiteral("50G");
    env.config()->setWeightIds(ids);
    env.config()->saveWeightIDSet();
    env.restart();
    QCOMPARE(ZQConfig::weightIds(), ids);
}

void TestZQConfig::codePageSelectsCodec()
{
    TestEnvironment env({{QStringLiteral("Setting/CodePage"), QStringLiteral("GBK")}});
    QCOMPARE(TextCodec::name(), QByteArray("GBK"));
    const QString name = QStringLiteral("\u82f9\u679c"); // two Chinese characters
    QCOMPARE(TextCodec::toLocal8(name).size(), 4);
    QCOMPARE(TextCodec::fromLocal8(TextCodec::toLocal8(name)), name);
    // A misspelt name changes nothing while running; at the next start it is reported and the
    // default is used, not the code page of before.
    env.config()->setValue(ZQConfig::CodePage, QStringLiteral("GKB"));
    QCOMPARE(TextCodec::name(), QByteArray("GBK"));
    QVERIFY(env.config()->problems().isEmpty());
    env.restart();
    const QByteArray fallback = QTextCodec::codecForLocale()->name();
    QCOMPARE(TextCodec::name(), fallback);
    QCOMPARE(env.config()->problems(), QStringList(QStringLiteral("Unknown code page 'GKB' in SYSTEM.CFG; using ") +
                                                   QString::fromLatin1(fallback)));
}

QTEST_GUILESS_MAIN(TestZQConfig)
#include "TestZQConfig.moc"
