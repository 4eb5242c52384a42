#include "TestSupport.h"

#include "comm/SendCheck.h"
#include "comm/TransferJob.h"
#include "comm/TransferSnapshot.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"

using C = PluColumns;

namespace {
// "row|column|text"; row -1 is the advertising head, -2 the tail, -3 the first message.
QString cell(int row, int column, const QString &text)
{
    return QStringLiteral("%1|%2|%3").arg(row).arg(column).arg(text);
}

DownloadSelection partsOf(const QString &names)
{
    DownloadSelection s;
    s.plu = names.contains(QLatin1String("plu"));
    s.hotkey = names.contains(QLatin1String("hotkey"));
    s.info = names.contains(QLatin1String("info"));
    s.message = names.contains(QLatin1String("message"));
    return s;
}
} // namespace

class TestSendCheck : public QObject
{
    Q_OBJECT
private slots:
    void findsWhatWouldNotArrive_data();
    void findsWhatWouldNotArrive();
};

void TestSendCheck::findsWhatWouldNotArrive_data()
{
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<int>("job");
    QTest::addColumn<QString>("parts");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("lines");
    const QVariantMap none;
    const QVariantMap utf8{{"Setting/CodePage", "UTF-8"}};
    const int down = JobDownloadPlu;

    QTest::newRow("clean rows") << none << down << "plu,hotkey,info" << QStringList() << QStringList();
    QTest::newRow("tolerance") << none << down << "plu" << QStringList{cell(1, C::Tolerance, "30")}
                               << QStringList{"row 2: Tolerance (%) 30 is outside 0~20"};
    QTest::newRow("tolerance at its limit")
        << none << down << "plu" << QStringList{cell(1, C::Tolerance, "20")} << QStringList();
    QTest::newRow("update checks the rows too")
        << none << int(JobUpdatePlu) << "" << QStringList{cell(0, C::Tolerance, "-1")}
        << QStringList{"row 1: Tolerance (%) -1 is outside 0~20"};
    QTest::newRow("rows after the last name are not sent")
        << none << down << "plu" << QStringList{cell(5, C::Tolerance, "30")} << QStringList();
    QTest::newRow("a job that sends nothing")
        << none << int(JobNone0) << "plu" << QStringList{cell(0, C::Tolerance, "30")} << QStringList();
    QTest::newRow("six-digit lf codes") << none << down << "plu"
                                        << QStringList{cell(0, C::LFCode, "1000000"), cell(1, C::LFCode, "1000000")}
                                        << QStringList{"row 1: LF Code 1000000 is outside 0~999999",
                                                       "row 2: LF Code 1000000 is outside 0~999999"};
    QTest::newRow("seven-digit lf codes") << QVariantMap{{"Setting/LfcodeLen", 7}} << down << "plu"
                                          << QStringList{cell(0, C::LFCode, "1000000")} << QStringList();
    QTest::newRow("repeated lf code") << none << down << "plu" << QStringList{cell(1, C::LFCode, "11")}
                                      << QStringList{"row 2: LF Code 11 is also in row 1"};
    QTest::newRow("not a whole number") << none << down << "plu" << QStringList{cell(0, C::Department, "3.5")}
                                        << QStringList{"row 1: Department \"3.5\" is not a whole number in 0~99"};
    QTest::newRow("cut to one byte on the way") << none << down << "plu" << QStringList{cell(0, C::Message2, "300")}
                                                << QStringList{"row 1: Message 2 300 is outside 0~255"};
    QTest::newRow("label in one byte") << none << down << "plu" << QStringList{cell(0, C::Label, "256")}
                                       << QStringList{"row 1: Label 256 is outside 0~255"};
    QTest::newRow("between discounts and schedules")
        << none << down << "plu" << QStringList{cell(0, C::Rebate, "128"), cell(1, C::Rebate, "138")}
        << QStringList{"row 1: Discount/Schedule 128 is outside 0~127, 129~138"};
    QTest::newRow("package weight over its unit")
        << none << down << "plu"
        << QStringList{cell(0, C::PackageWeight, "15.5"), cell(1, C::WeightUnit, "g"),
                       cell(1, C::PackageWeight, "15.5")}
        << QStringList{"row 1: Package Weight 15.5 is outside 0~15.00 for kg"};
    QTest::newRow("package weight past every unit, named once")
        << none << down << "plu" << QStringList{cell(0, C::PackageWeight, "1000000")}
        << QStringList{"row 1: Package Weight 1000000 is outside 0~999999"};
    QTest::newRow("unknown unit") << none << down << "plu" << QStringList{cell(0, C::WeightUnit, "KG")}
                                  << QStringList{"row 1: Weight unit \"KG\" is not a weight unit; it would be sent as "
                                                 "\"kg\""};
    QTest::newRow("unknown package type")
        << none << down << "plu" << QStringList{cell(0, C::PackageType, "Fixed Price"), cell(1, C::PackageType, "Bulk")}
        << QStringList{"row 2: Package type \"Bulk\" is not a package type; it would be sent as \"Normal\""};
    QTest::newRow("price rounded into range, and past it")
        << none << down << "plu"
        << QStringList{cell(0, C::UnitPrice, "999999.994"), cell(1, C::UnitPrice, "999999.995")}
        << QStringList{"row 2: Unit Price 999999.995 is outside 0~999999.99"};
    QTest::newRow("price not a number") << none << down << "plu" << QStringList{cell(0, C::UnitPrice, "12,50")}
                                        << QStringList{"row 1: Unit Price \"12,50\" is not a number in 0~999999.99"};
    QTest::newRow("code with a letter") << none << down << "plu" << QStringList{cell(0, C::Code, "12a")}
                                        << QStringList{"row 1: Code \"12a\" is not at most 10 digits"};
    QTest::newRow("name outside the code page")
        << QVariantMap{{"Setting/CodePage", "ISO-8859-1"}} << down << "plu"
        << QStringList{cell(0, C::PluName, QString::fromUtf8("K\xc3\xa4se \xe2\x98\x83"))}
        << QStringList{QString::fromUtf8("row 1: PLU name \"K\xc3\xa4se \xe2\x98\x83\" has characters that "
                                         "ISO-8859-1 cannot encode: \xe2\x98\x83")};
    QTest::newRow("name over its characters")
        << none << down << "plu" << QStringList{cell(0, C::PluName, QString(37, QLatin1Char('n')))}
        << QStringList{"row 1: PLU name \"" + QString(37, QLatin1Char('n')) + "\" is longer than 36 characters"};
    const QString wide = QString(30, QChar(0x4ef7));
    QTest::newRow("name over the record's bytes")
        << utf8 << down << "plu" << QStringList{cell(1, C::PluName, wide)}
        << QStringList{"row 2: PLU name \"" + wide + "\" takes 90 bytes in UTF-8, more than 72"};
    QTest::newRow("hotkeys when the hotkey table goes")
        << none << down << "hotkey"
        << QStringList{cell(0, C::HotKey, "225"), cell(1, C::HotKey, "7"), cell(1, C::Tolerance, "30"),
                       cell(2, C::PluName, "Plums"), cell(2, C::HotKey, "7")}
        << QStringList{"row 1: Hotkey 225 is outside 0~224", "row 3: Hotkey 7 is also in row 2"};
    QTest::newRow("hotkeys stay home with the plu part alone")
        << none << down << "plu" << QStringList{cell(0, C::HotKey, "225")} << QStringList();
    const QString head259(259, QLatin1Char('h'));
    QTest::newRow("advertising with the info part")
        << utf8 << down << "info" << QStringList{cell(-1, 0, head259), cell(-2, 0, head259 + "\r\nt")}
        << QStringList{"Advertising tail \"" + head259 + " / t\" takes 262 bytes in UTF-8, more than 259"};
    QTest::newRow("advertising not sent")
        << utf8 << down << "plu" << QStringList{cell(-1, 0, head259 + "h")} << QStringList();
    QTest::newRow("download ad") << utf8 << int(JobDownloadAdvertising) << "" << QStringList{cell(-1, 0, head259 + "h")}
                                 << QStringList{"Advertising head \"" + head259 +
                                                "h\" takes 260 bytes in UTF-8, more than 259"};
    const QString snowman = QString::fromUtf8("Fresh \xe2\x98\x83");
    const QStringList snowmanLine{QString::fromUtf8("Message 1 \"Fresh \xe2\x98\x83\" has characters that ISO-8859-1 "
                                                    "cannot encode: \xe2\x98\x83")};
    QTest::newRow("a message outside the code page")
        << QVariantMap{{"Setting/CodePage", "ISO-8859-1"}} << down << "plu,message" << QStringList{cell(-3, 0, snowman)}
        << snowmanLine;
    // A scale found changed gets everything, the messages too.
    QTest::newRow("send changes checks the messages")
        << QVariantMap{{"Setting/CodePage", "ISO-8859-1"}} << int(JobUpdatePlu) << "changes"
        << QStringList{cell(-3, 0, snowman)} << snowmanLine;
    QTest::newRow("messages that stay home") << QVariantMap{{"Setting/CodePage", "ISO-8859-1"}} << down << "plu"
                                             << QStringList{cell(-3, 0, snowman)} << QStringList();
    QTest::newRow("no department table") << none << int(JobDownloadDepartments) << "" << QStringList()
                                         << QStringList{"\"DeptSet.dat\" is missing"};
}

void TestSendCheck::findsWhatWouldNotArrive()
{
    QFETCH(QVariantMap, settings);
    QFETCH(int, job);
    QFETCH(QString, parts);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, lines);
    TestEnvironment env(settings);
    PluDocument doc;
    PluTableModel *m = doc.model();
    m->setCell(0, C::PluName, QStringLiteral("Apples"));
    m->setCell(0, C::LFCode, 11);
    m->setCell(1, C::PluName, QStringLiteral("Pears"));
    m->setCell(1, C::LFCode, 12);
    QStringList ad{QStringLiteral("Welcome"), QStringLiteral("Thanks")};
    for (const QString &c : cells) {
        const int row = c.section(QLatin1Char('|'), 0, 0).toInt();
        const QString text = c.section(QLatin1Char('|'), 2);
        if (row == -3)
            doc.messages().setMessageList({text});
        else if (row < 0)
            ad[-row - 1] = text;
        else
            m->setCell(row, c.section(QLatin1Char('|'), 1, 1).toInt(), text);
    }
    doc.advertising().setTexts(ad);
    TransferSnapshot snapshot = TransferSnapshot::take(&doc);
    snapshot.selection = partsOf(parts);

    QStringList found;
    for (const SendProblem &p : SendCheck::check(snapshot, job, parts == QLatin1String("changes")))
        found << p.line();
    QCOMPARE(found, lines);
}

QTEST_GUILESS_MAIN(TestSendCheck)
#include "TestSendCheck.moc"
