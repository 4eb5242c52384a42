#include "TestSupport.h"
#include "linklib/LinkTestSupport.h"

#include "core/PluColumns.h"
#include "document/NutritionElementFile.h"
#include "document/NutritionValueStore.h"
#include "document/PluDocument.h"
#include "document/PluFileSet.h"

using C = PluColumns;
using linktest::ScaleSim;
using Values = QVector<NutritionValue>;

namespace {
int runCli(const QStringList &args, QString *output)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(linktest::binDir() + QStringLiteral("/plu-cli"), args);
    if (!p.waitForFinished(60000))
        p.kill();
    *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

Values valuesOf(const QString &pluFile, const QString &lfCode)
{
    NutritionValueStore store(NutritionElementFile::valuesFilePath(pluFile));
    Values values;
    QString error;
    if (!store.open(&error) || !store.load(lfCode, &values, &error))
        qWarning("%s", qPrintable(error));
    return values;
}
} // namespace

// plu-cli finds the nutrition stores where the editor keeps them: in the program's data folder,
// named after the PLU file.
class TestPluCliNutrition : public QObject
{
    Q_OBJECT
private slots:
    void sendThenFetchNutrition();
};

void TestPluCliNutrition::sendThenFetchNutrition()
{
    TestEnvironment env({{QStringLiteral("Link/TimeoutMs"), 2000}});
    // plu-cli's data folder is its program folder; the file names below are unique to this run.
    AppPaths::setDataDirOverride(linktest::binDir());
    const QString tag = QFileInfo(env.path("x")).dir().dirName();
    const QString sent = env.path("sent-" + tag + ".txp");
    const QString back = env.path("back-" + tag + ".txp");
    ScaleSim sim;
    QVERIFY(sim.startTcp());

    PluDocument doc;
    for (int r = 0; r < 3; ++r) {
        doc.model()->setCell(r, C::PluName, QString("Article %1").arg(r));
        doc.model()->setCell(r, C::LFCode, QString::number(5 + r));
        doc.model()->setCell(r, C::Nutrition, r == 1 ? "0" : "1");
    }
    QString error;
    QVERIFY(PluFileSet::save(&doc, sent, PluFileSet::sidePathsForSaveAs(sent), &error));
    const QVector<NutritionElementFile::Row> rows{{"Energy", "kJ"}, {"Salt", "mg"}, {"Vitamin D", "ug"}};
    QVERIFY(NutritionElementFile::write(NutritionElementFile::elementFilePath(sent), rows, &error));
    {
        NutritionValueStore store(NutritionElementFile::valuesFilePath(sent));
        QVERIFY(store.open(&error));
        QVERIFY(store.save("5", {{1, 900, 10}, {2, 1.25, 3}}, &error));
        QVERIFY(store.save("6", {{3, 2, 2}}, &error)); // Nutrition 0: not sent
        QVERIFY(store.save("7", {{3, 0.5, 40}}, &error));
    }

    QString out;
    QCOMPARE(runCli({"send", sent, "--parts", "plu,nutrition", "--scale", QString::fromLatin1(sim.link()), "--config",
                     env.settingsPath()},
                    &out),
             0);
    QCOMPARE(
        runCli({"fetch", "--scale", QString::fromLatin1(sim.link()), "-o", back, "--config", env.settingsPath()}, &out),
        0);

    QVector<NutritionElementFile::Row> backRows;
    QCOMPARE(NutritionElementFile::read(NutritionElementFile::elementFilePath(back), &backRows, &error),
             NutritionElementFile::ReadResult::Ok);
    QCOMPARE(backRows.mid(0, 3), rows);
    QCOMPARE(valuesOf(back, "5"), Values({{1, 900, 10}, {2, 1.25, 3}}));
    QCOMPARE(valuesOf(back, "6"), Values());
    QCOMPARE(valuesOf(back, "7"), Values({{3, 0.5, 40}}));
    PluDocument fetched;
    QCOMPARE(PluFileSet::load(&fetched, back, &error), PluFileSet::LoadResult::Loaded);
    QCOMPARE(fetched.model()->text(0, C::Nutrition), QString("1"));
    QCOMPARE(fetched.model()->text(1, C::Nutrition), QString("0"));

    for (const QString &f : {sent, back}) {
        QFile::remove(NutritionElementFile::elementFilePath(f));
        QFile::remove(NutritionElementFile::valuesFilePath(f));
    }
}

QTEST_GUILESS_MAIN(TestPluCliNutrition)
#include "TestPluCliNutrition.moc"
