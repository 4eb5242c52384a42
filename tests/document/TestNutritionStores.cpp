#include "TestSupport.h"

#include "comm/NutritionRecords.h"
#include "document/NutritionElementFile.h"
#include "document/NutritionValueStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using Rows = QVector<NutritionElementFile::Row>;
using Values = QVector<NutritionValue>;
Q_DECLARE_METATYPE(Rows)

class TestNutritionStores : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        NutritionValueStore::failAfterInserts(-1);
        m_env.reset();
    }
    void elementFileRoundTrip_data();
    void elementFileRoundTrip();
    void damagedElementFileIsRefused_data();
    void damagedElementFileIsRefused();
    void storesAreNamedUpToTheLastDot();
    void unitCodes_data();
    void unitCodes();
    void failedSaveKeepsTheOldRows();
    void unreadableDatabaseIsReported();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestNutritionStores::elementFileRoundTrip_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::newRow("all empty") << Rows{};
    QTest::newRow("three named") << Rows{{"Energy", "kJ"}, {"Fat", "g"}, {"Natrium \u00e4", "mg"}};
}

void TestNutritionStores::elementFileRoundTrip()
{
    QFETCH(Rows, rows);
    const QString path = NutritionElementFile::elementFilePath(m_env->path("shop.Txp"));
    QString error;
    QVERIFY2(NutritionElementFile::write(path, rows, &error), qPrintable(error));

    // Qt's binary JSON with 12 {"Name", "iUnit"} objects, however many rows were named.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QJsonArray array = QJsonDocument::fromBinaryData(TestEnvironment::readFile(path)).array();
    QT_WARNING_POP
    QCOMPARE(array.size(), 12);
    QCOMPARE(array.at(11).toObject().keys(), QStringList({"Name", "iUnit"}));

    Rows back;
    QCOMPARE(NutritionElementFile::read(path, &back, &error), NutritionElementFile::ReadResult::Ok);
    Rows expected = rows;
    expected.resize(12);
    QCOMPARE(back, expected);
}

void TestNutritionStores::damagedElementFileIsRefused_data()
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QByteArray good = QJsonDocument(QJsonArray{QJsonObject{{"Name", "Fat"}}}).toBinaryData();
    const QByteArray object = QJsonDocument(QJsonObject{{"Name", "Fat"}}).toBinaryData();
    QT_WARNING_POP
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("cut short") << good.left(good.size() - 5);
    QTest::newRow("JSON text") << QByteArray("[{\"Name\":\"Fat\",\"iUnit\":\"g\"}]");
    QTest::newRow("an object") << object;
}

void TestNutritionStores::damagedElementFileIsRefused()
{
    QFETCH(QByteArray, bytes);
    const QString path = NutritionElementFile::elementFilePath(m_env->path("shop.Txp"));
    QVERIFY(TestEnvironment::writeFile(path, bytes));
    Rows rows{{"stale", "g"}};
    QString error;
    QCOMPARE(NutritionElementFile::read(path, &rows, &error), NutritionElementFile::ReadResult::Failed);
    QVERIFY(rows.isEmpty());
    QVERIFY2(error.contains("NutritionElem_shop.elem"), qPrintable(error));
}

void TestNutritionStores::storesAreNamedUpToTheLastDot()
{
    const QString db = m_env->path("DB/");
    QCOMPARE(NutritionElementFile::elementFilePath("/x/shop.v2.Txp"), db + "NutritionElem_shop.v2.elem");
    QCOMPARE(NutritionElementFile::elementFilePath("/x/shop.Txp"), db + "NutritionElem_shop.elem");
    QCOMPARE(NutritionElementFile::valuesFilePath("/x/shop.v2.Txp"), db + "LFCodeNutrition_shop.v2.db");
    QVERIFY(NutritionElementFile::valuesFilePath(QString()).isEmpty());
}

void TestNutritionStores::unitCodes_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("editorCode");
    QTest::addColumn<int>("transferCode");
    QTest::addColumn<int>("factor");
    QTest::newRow("kJ") << "kJ" << 1 << 1 << 1;
    QTest::newRow("Kj") << "Kj" << 0 << 1 << 1;
    QTest::newRow("g") << "g" << 2 << 2 << 10;
    QTest::newRow("mg") << "mg" << 3 << 3 << 10;
    QTest::newRow("MG") << "MG" << 0 << 3 << 10;
    QTest::newRow("ug") << "ug" << 4 << 4 << 100;
    QTest::newRow("empty") << "" << 0 << 0 << 1;
    QTest::newRow("other") << "kcal" << 0 << 0 << 1;
}

void TestNutritionStores::unitCodes()
{
    QFETCH(QString, unit);
    QFETCH(int, editorCode);
    QFETCH(int, transferCode);
    QFETCH(int, factor);
    QCOMPARE(NutritionElementFile::unitCode(unit), editorCode);
    const QVector<NutritionElement> sent = NutritionRecords::transferElements({{"E", unit}});
    QCOMPARE(int(sent.at(0).unit), transferCode);
    QCOMPARE(NutritionElementFile::unitFactor(transferCode), factor);
}

void TestNutritionStores::failedSaveKeepsTheOldRows()
{
    const QString path = NutritionElementFile::valuesFilePath(m_env->path("shop.Txp"));
    const Values old{{1, 10, 2}, {4, 0.5, 1}};
    {
        NutritionValueStore store(path);
        QString error;
        QVERIFY2(store.open(&error), qPrintable(error));
        QVERIFY(store.save("7", old, &error));
        QVERIFY(store.save("8", {{2, 1, 1}}, &error));
        NutritionValueStore::failAfterInserts(1);
        QVERIFY(!store.save("7", {{2, 3, 4}, {3, 5, 6}}, &error));
        QVERIFY2(error.contains("LFCodeNutrition_shop.db"), qPrintable(error));
    }
    NutritionValueStore::failAfterInserts(-1);
    NutritionValueStore reopened(path);
    QString error;
    QVERIFY(reopened.open(&error));
    Values back;
    QVERIFY(reopened.load("7", &back, &error));
    QCOMPARE(back, old);
    QHash<QString, Values> all;
    QVERIFY(reopened.loadAll(&all, &error));
    QCOMPARE(all.keys().size(), 2);
}

void TestNutritionStores::unreadableDatabaseIsReported()
{
    const QString path = NutritionElementFile::valuesFilePath(m_env->path("shop.Txp"));
    QVERIFY(TestEnvironment::writeFile(path, QByteArray("this is no database at all").repeated(200)));
    NutritionValueStore store(path);
    QString error;
    QVERIFY(!store.open(&error));
    QVERIFY2(error.contains("LFCodeNutrition_shop.db"), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestNutritionStores)
#include "TestNutritionStores.moc"
