#include "TestSupport.h"

#include "document/PluTableModel.h"
#include "hotkey/HotkeyFunctions.h"
#include "hotkey/HotkeySheet.h"
#include "hotkey/HotkeySheetFile.h"
#include "hotkey/HotkeySheetTypes.h"
#include "hotkey/KeyFile.h"

#include <QDataStream>
#include <QStandardItemModel>

using KeyRows = QVector<QPair<int, int>>; // hotkey, LF code
using KeyLines = QMap<int, QByteArray>;

namespace {
TPLU plu(const char *name, int lfCode, int hotkey, int price = 0)
{
    TPLU p;
    p.setPluNameBytes(name);
    p.LFCode = lfCode;
    p.HotKey = hotkey;
    p.UnitPrice = price;
    return p;
}

QImage picture()
{
    QImage image(24, 12, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 10, y * 20, 128));
    return image;
}

// A sheet using every part of a key: both layers with prices, fonts and colours, functions on
// both layers, a picture.
void buildRichSheet(HotkeySheet &sheet, int type)
{
    const int n = HotkeySheetTypes::geometry(type).keys;
    sheet.fill(type, {plu("Apple", 11, 1, 1234), plu("Pear", 22, n + 1, 5), plu("Plum", 33, n)},
               {{2, HotkeyFunctions::keyValue(0)}, {2 * n, HotkeyFunctions::keyValue(5)}});
    sheet.togglePrice({0});
    QFont font(QStringLiteral("Serif"));
    font.setPointSize(11);
    font.setBold(true);
    sheet.setFont({0}, 2, font);
    sheet.setBackground({0, n - 1}, 1, QColor(10, 200, 30));
    sheet.setPicture({2}, picture());
}
} // namespace

class TestHotkeySheet : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }
    void fileRoundTrip_data();
    void fileRoundTrip();
    void recordLayout_data();
    void recordLayout();
    void recordCountFollowsTheSheetType();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void fillFromTable();
    void layoutCommands_data();
    void layoutCommands();
    void choosingAPluEmptiesItsOtherLayer();
    void hotkeysAndFunctionsForTheTable();
    void keyFile_data();
    void keyFile();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestHotkeySheet::fileRoundTrip_data()
{
    QTest::addColumn<int>("type");
    for (int type = 0; type < HotkeySheetTypes::Count; ++type)
        QTest::addRow("%s", HotkeySheetTypes::geometry(type).label) << type;
}

void TestHotkeySheet::fileRoundTrip()
{
    QFETCH(int, type);
    HotkeySheet sheet;
    buildRichSheet(sheet, type);
    const QString path = m_env->path(QStringLiteral("sheet.Hotk"));
    QString error;
    QVERIFY2(HotkeySheetFile::write(path, sheet.keys(), &error), qPrintable(error));

    HotkeySheet opened;
    opened.newSheet(type);
    QVector<HotkeyKey> keys;
    QCOMPARE(HotkeySheetFile::read(path, opened.keyCount(), &keys, &error), HotkeySheetFile::Result::Ok);
    opened.setKeys(keys);
    QCOMPARE(opened.keyCount(), HotkeySheetTypes::geometry(type).keys);
    for (int row = 0; row < sheet.keyCount(); ++row) {
        QVERIFY2(opened.layout(row) == sheet.layout(row), qPrintable(QString::number(row)));
        QVERIFY2(opened.item(row) == sheet.item(row), qPrintable(QString::number(row)));
    }
    QCOMPARE(opened.layout(0), KeyLayout::BothWithPrices);
    QCOMPARE(opened.item(0).price1, QStringLiteral("12.34"));
    QVERIFY(!opened.item(2).picture.isNull());
    // The PLU list comes back from the keys, first layers before second layers, key by key.
    const int n = sheet.keyCount();
    QCOMPARE(opened.pluNames(), (QStringList{QStringLiteral("Apple"), QStringLiteral("Pear"), QStringLiteral("找零"),
                                             QStringLiteral("Plum"), QStringLiteral("V1")}));
    QCOMPARE(opened.plus().at(1).HotKey, n + 1);
    QCOMPARE(opened.plus().at(0).UnitPrice, 1234);
    // Function layers are no PLUs for the scale's hotkey table.
    QCOMPARE(opened.hotkeyTablePlus().size(), 3);
}

void TestHotkeySheet::recordLayout_data()
{
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("two decimals") << "12.34"
                                  << "1234"
                                  << "12.34";
    QTest::newRow("empty") << ""
                           << "0"
                           << "0.00";
    QTest::newRow("half rounds away") << "0.005"
                                      << "1"
                                      << "0.01";
    QTest::newRow("seven digits") << "99999.99"
                                  << "1e+07"
                                  << "100000.00";
}

// The file is Qt's stream forms in a fixed order; a sheet written elsewhere must read here.
void TestHotkeySheet::recordLayout()
{
    QFETCH(QString, price);
    QFETCH(QString, stored);
    QFETCH(QString, readBack);
    HotkeyKey key;
    key.data.name1 = QStringLiteral("Apple");
    key.data.price1 = price;
    key.data.lfCode1 = 7;
    key.data.hotKey1 = 1;
    key.data.nameIndex1 = 0;
    key.data.background2 = Qt::yellow;
    key.layout = KeyLayout::FirstWithPrice;

    QByteArray expected;
    QDataStream out(&expected, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_15);
    const QFont font = ItemData::defaultFont();
    out << QStringLiteral("Apple") << QString() << QColor(Qt::white) << QColor(Qt::yellow) << font << font << stored
        << QStringLiteral("0") << qint32(7) << qint32(-1) << qint32(1) << qint32(0) << qint32(0) << qint32(-1)
        << QImage() << qint32(1);
    QCOMPARE(HotkeySheetFile::encode({key}), expected);

    QVector<HotkeyKey> keys;
    QString error;
    QCOMPARE(HotkeySheetFile::decode(expected, 1, &keys, &error), HotkeySheetFile::Result::Ok);
    QCOMPARE(keys.at(0).data.price1, readBack);
    QCOMPARE(keys.at(0).data.price2, QString()); // an empty layer shows no price
}

void TestHotkeySheet::recordCountFollowsTheSheetType()
{
    HotkeySheet big;
    buildRichSheet(big, 0);
    const QByteArray bytes = HotkeySheetFile::encode(big.keys());
    QVector<HotkeyKey> keys;
    QString error;
    QCOMPARE(HotkeySheetFile::decode(bytes, 40, &keys, &error), HotkeySheetFile::Result::Ok);
    QCOMPARE(keys, big.keys().mid(0, 40));

    QCOMPARE(HotkeySheetFile::decode(HotkeySheetFile::encode(keys), 112, &keys, &error), HotkeySheetFile::Result::Ok);
    QCOMPARE(keys.size(), 112);
    QCOMPARE(keys.mid(0, 40), big.keys().mid(0, 40));
    QCOMPARE(keys.at(40), HotkeyKey());
    QCOMPARE(keys.at(111), HotkeyKey());
}

void TestHotkeySheet::damagedFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("badKey");

    HotkeySheet sheet;
    buildRichSheet(sheet, 4);
    const QVector<HotkeyKey> keys = sheet.keys();
    const QByteArray one = HotkeySheetFile::encode(keys.mid(0, 1));
    const QByteArray withPicture = HotkeySheetFile::encode(keys.mid(0, 3));
    const int pictureAt = withPicture.indexOf("\x89PNG");
    QVERIFY(pictureAt > one.size());

    QTest::newRow("cut inside a record") << one.left(one.size() / 2) << 1;
    QTest::newRow("cut inside the picture") << withPicture.left(pictureAt + 40) << 3;
    QByteArray layout = one;
    layout[layout.size() - 1] = 9;
    QTest::newRow("layout 9") << layout << 1;
    QByteArray colourForm = HotkeySheetFile::encode({HotkeyKey()});
    colourForm[8] = 9; // the first colour's form (RGB, HSV, ...), after two null names
    QTest::newRow("colour form 9") << colourForm << 1;
    QByteArray fontBytes;
    {
        QDataStream out(&fontBytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_5_15);
        out << ItemData::defaultFont();
    }
    QByteArray families = HotkeySheetFile::encode({HotkeyKey()});
    const int familiesAt = 2 * 4 + 2 * 11 + fontBytes.size() - 4; // after two null names and two colours
    QCOMPARE(families.mid(familiesAt, 4), QByteArray(4, '\0'));
    families.replace(familiesAt, 4, QByteArray(4, '\xff'));
    QTest::newRow("font family count 2^32-1") << families << 1;
    QByteArray oddName = HotkeySheetFile::encode({HotkeyKey()});
    oddName[2 * 4 + 2 * 11 + 3] = char(oddName.at(2 * 4 + 2 * 11 + 3) | 1); // family name of odd byte length
    QTest::newRow("font name of odd length") << oddName << 1;
    QByteArray huge = withPicture.left(pictureAt + 16);
    huge += QByteArray::fromHex("000186a0000186a0"); // 100000 x 100000
    huge += withPicture.mid(pictureAt + 24);
    QTest::newRow("picture of 10^10 pixels") << huge << 3;
    QByteArray notPng = withPicture;
    notPng[pictureAt + 1] = 'X';
    QTest::newRow("picture not PNG") << notPng << 3;
    QTest::newRow("text file") << QByteArray("Apple\t11\t12.34\r\nPear\t22\r\n") << 1;
}

void TestHotkeySheet::damagedFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, badKey);
    QVector<HotkeyKey> keys(3);
    keys[0].layout = 3;
    const QVector<HotkeyKey> before = keys;
    QString error;
    QCOMPARE(HotkeySheetFile::decode(bytes, 40, &keys, &error), HotkeySheetFile::Result::Damaged);
    QCOMPARE(keys, before);
    QVERIFY2(error.contains(QStringLiteral("key %1:").arg(badKey)), qPrintable(error));
}

void TestHotkeySheet::fillFromTable()
{
    HotkeySheet sheet;
    sheet.fill(
        1, // 56 keys
        {plu("A", 11, 1, 250), plu("B", 22, 57), plu("C", 33, 3), plu("D", 44, 3), plu("E", 55, 113), plu("F", 66, 0)},
        {{2, HotkeyFunctions::keyValue(0)}, {58, HotkeyFunctions::keyValue(2)}, {200, 0xAAAA01}, {4, 0x123}});
    QCOMPARE(sheet.keyCount(), 56);
    const ItemData k1 = sheet.item(0);
    QCOMPARE(k1.name1, QStringLiteral("A"));
    QCOMPARE(k1.price1, QStringLiteral("2.50"));
    QCOMPARE(k1.hotKey1, 1);
    QCOMPARE(k1.name2, QStringLiteral("B"));
    QCOMPARE(k1.hotKey2, 57);
    QCOMPARE(sheet.layout(0), KeyLayout::BothLayers);
    QCOMPARE(sheet.item(2).lfCode1, 44); // the later PLU on a key stays
    QCOMPARE(sheet.layout(2), KeyLayout::FirstOnly);
    const ItemData k2 = sheet.item(1);
    QCOMPARE(k2.name1, QStringLiteral("找零"));
    QCOMPARE(k2.lfCode1, 0xAAAA01);
    QCOMPARE(k2.name2, QStringLiteral("二维码"));
    QCOMPARE(k2.hotKey2, 58);
    QCOMPARE(sheet.layout(1), KeyLayout::BothLayers);
    QCOMPARE(sheet.item(3).lfCode1, 0x123); // a value no function has keeps the name
    QCOMPARE(sheet.item(3).name1, QString());
    QCOMPARE(sheet.pluNames().size(), 6);
}

void TestHotkeySheet::layoutCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QVector<int>>("after"); // for layouts 0, 1, 2, 3 before
    QTest::newRow("show price") << "price" << QVector<int>{1, 0, 3, 2};
    QTest::newRow("use page2") << "use" << QVector<int>{2, 3, 2, 2};
    QTest::newRow("cancel page2") << "cancel" << QVector<int>{0, 0, 0, 1};
    QTest::newRow("check box on") << "checked" << QVector<int>{2, 3, 2, 3};
    QTest::newRow("check box off") << "unchecked" << QVector<int>{0, 1, 0, 1};
}

void TestHotkeySheet::layoutCommands()
{
    QFETCH(QString, command);
    QFETCH(QVector<int>, after);
    for (int before = 0; before < 4; ++before) {
        HotkeySheet sheet;
        sheet.newSheet(4);
        sheet.setLayout(5, before);
        const QList<int> rows{5};
        if (command == QLatin1String("price"))
            sheet.togglePrice(rows);
        else if (command == QLatin1String("use"))
            sheet.useSecondLayer(rows);
        else if (command == QLatin1String("cancel"))
            sheet.cancelSecondLayer(rows);
        else
            sheet.showSecondLayer(rows, command == QLatin1String("checked"), before);
        QVERIFY2(sheet.layout(5) == after.at(before), qPrintable(QStringLiteral("from %1").arg(before)));
        QCOMPARE(sheet.layout(4), 0);
    }
}

void TestHotkeySheet::choosingAPluEmptiesItsOtherLayer()
{
    HotkeySheet sheet;
    sheet.fill(4, {plu("Apple", 11, 45, 100), plu("Pear", 22, 2)}, {}); // Apple: key 5, second layer
    QCOMPARE(sheet.item(4).name2, QStringLiteral("Apple"));
    sheet.choosePlu({0, 7}, 1, 0);
    QCOMPARE(sheet.item(4).name2, QString());
    QCOMPARE(sheet.item(4).lfCode2, -1);
    for (int row : {0, 7}) {
        const ItemData d = sheet.item(row);
        QCOMPARE(d.name1, QStringLiteral("Apple"));
        QCOMPARE(d.lfCode1, 11);
        QCOMPARE(d.price1, QStringLiteral("1.00"));
        QCOMPARE(d.hotKey1, row + 1);
        QCOMPARE(d.nameIndex1, 0);
    }
    sheet.chooseFunction({1}, 2, 1);
    QCOMPARE(sheet.item(1).name2, QStringLiteral("开钱箱"));
    QCOMPARE(sheet.item(1).hotKey2, 42);
    QCOMPARE(sheet.item(1).name1, QStringLiteral("Pear"));
    sheet.clearLayer({1}, HotkeySheet::BothLayers);
    QCOMPARE(sheet.item(1).name1, QString());
    QCOMPARE(sheet.item(1).lfCode2, -1);
}

void TestHotkeySheet::hotkeysAndFunctionsForTheTable()
{
    HotkeySheet sheet;
    sheet.fill(4, {plu("A", 11, 0), plu("B", 22, 0), plu("C", 33, 0), plu("D", 44, 0)}, {});
    sheet.loadPlu({0}, 2, 0); // A on key 1, second layer
    sheet.loadPlu({1}, 1, 0); // and on key 2, first layer: first layers are found first
    sheet.loadPlu({2}, 2, 1); // B on key 3, second layer
    sheet.chooseFunction({5}, 2, 3);
    sheet.chooseFunction({6}, 1, 0);
    // The table as it is now: B's row moved up, a new row E.
    const TPLUList table{plu("B", 22, 5), plu("A", 11, 0), plu("C", 33, 9), plu("E", 55, 0)};
    QCOMPARE(sheet.assignHotkeys(table), (QVector<int>{43, 2, 0, 0}));
    QCOMPARE(sheet.plus().at(0).HotKey, 43);
    QCOMPARE(sheet.pluNames().last(), QStringLiteral("E"));
    QCOMPARE(sheet.functionRows(), (HotkeyFunctionRows{{7, 0xAAAA01}, {46, 0xAAAA04}}));
}

void TestHotkeySheet::keyFile_data()
{
    QTest::addColumn<KeyRows>("rows");
    QTest::addColumn<KeyLines>("lines");
    QTest::newRow("empty table") << KeyRows{} << KeyLines{};
    QTest::newRow("later row wins, 225 ignored") << KeyRows{{5, 100}, {5, 200}, {225, 300}, {1, 7}, {224, 9999999}}
                                                 << KeyLines{{1, "7"}, {5, "200"}, {224, "9999999"}};
}

void TestHotkeySheet::keyFile()
{
    QFETCH(KeyRows, rows);
    QFETCH(KeyLines, lines);
    PluTableModel model;
    for (int r = 0; r < rows.size(); ++r)
        model.pluToRow(plu("x", rows.at(r).second, rows.at(r).first), r);
    QByteArray expected;
    for (int k = 1; k <= 224; ++k)
        expected += lines.value(k, "-1") + "\r\n";
    QCOMPARE(KeyFile::build(model, rows.size()), expected);
    const QString path = m_env->path(QStringLiteral("keys.key"));
    QString error;
    QVERIFY(KeyFile::write(path, model, rows.size(), &error));
    QCOMPARE(TestEnvironment::readFile(path), expected);
}

QTEST_GUILESS_MAIN(TestHotkeySheet)
#include "TestHotkeySheet.moc"
