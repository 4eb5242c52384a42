#include "TestSupport.h"

#include "core/PluColumns.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"
#include "table/PluEditCommands.h"
#include "table/PluGridChange.h"

#include <QTableView>
#include <QUndoStack>

using C = PluColumns;
using Grid = QVector<PluTableModel::Row>;

namespace {
// A cell and the value it is given before a command runs.
QVariant cell(int row, int column, const QVariant &value)
{
    return QVariantList{row, column, value};
}

// "" when equal in type and content, else the first difference.
QString gridDifference(const Grid &a, const Grid &b)
{
    if (a.size() != b.size())
        return QStringLiteral("row count %1 != %2").arg(a.size()).arg(b.size());
    for (int r = 0; r < a.size(); ++r) {
        for (int c = 0; c < PluColumns::Count; ++c) {
            if (!PluGridChange::sameValue(a[r][c], b[r][c])) {
                return QStringLiteral("row %1 column %2: %3 (%4) != %5 (%6)")
                    .arg(r)
                    .arg(c)
                    .arg(a[r][c].toString(), QString::fromLatin1(a[r][c].typeName()), b[r][c].toString(),
                         QString::fromLatin1(b[r][c].typeName()));
            }
        }
    }
    return QString();
}
} // namespace

class TestPluEditCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void unitChoiceConvertsTheRow_data();
    void unitChoiceConvertsTheRow();
    void typedEditsAreChecked_data();
    void typedEditsAreChecked();
    void numbering_data();
    void numbering();
    void moveRow_data();
    void moveRow();
    void pasteNeedsTheFinalLineFeed_data();
    void pasteNeedsTheFinalLineFeed();
    void copyBuildsTheRectangle();
    void deleteKeepsTheGridSize();
    void clearOfUnitConvertsToKilograms();
    void fillConvertsWeightsToEachRowsUnit();
    void sortByNameKeepsUnnamedRowsLastInOrder();
    void sortOrdersByValue_data();
    void sortOrdersByValue();
    void undoRedoRestoresExactCells_data();
    void undoRedoRestoresExactCells();
    void resetHistoryForgetsSteps();

private:
    PluTableModel *model() const { return m_doc->model(); }
    QModelIndex index(int row, int column) const { return model()->index(row, column); }
    void preset(const QVariantList &cells);
    void select(const QList<QModelIndex> &cells);
    void nameRows(int count);

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<PluDocument> m_doc;
    std::unique_ptr<QTableView> m_view;
    std::unique_ptr<PluEditCommands> m_edit;
};

void TestPluEditCommands::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_doc = std::make_unique<PluDocument>();
    m_view = std::make_unique<QTableView>();
    m_view->setModel(m_doc->model());
    m_edit = std::make_unique<PluEditCommands>(m_doc.get(), m_view.get(), m_view.get());
}

void TestPluEditCommands::cleanup()
{
    m_edit.reset();
    m_view.reset();
    m_doc.reset();
    m_env.reset();
}

void TestPluEditCommands::preset(const QVariantList &cells)
{
    PluTableModel::BulkUpdate bulk(model());
    for (const QVariant &c : cells) {
        const QVariantList l = c.toList();
        model()->setCell(l.at(0).toInt(), l.at(1).toInt(), l.at(2));
    }
}

void TestPluEditCommands::select(const QList<QModelIndex> &cells)
{
    m_view->selectionModel()->clearSelection();
    for (const QModelIndex &i : cells)
        m_view->selectionModel()->select(i, QItemSelectionModel::Select);
    if (!cells.isEmpty())
        m_view->selectionModel()->setCurrentIndex(cells.first(), QItemSelectionModel::NoUpdate);
}

void TestPluEditCommands::nameRows(int count)
{
    PluTableModel::BulkUpdate bulk(model());
    for (int r = 0; r < count; ++r) {
        model()->setCell(r, C::PluName, QStringLiteral("P%1").arg(r));
        model()->setCell(r, C::LFCode, 100 + r);
        model()->setCell(r, C::Code, qlonglong(5000000000LL + r));
    }
}

void TestPluEditCommands::unitChoiceConvertsTheRow_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("tare");
    QTest::addColumn<QString>("packageWeight");
    QTest::addColumn<QString>("packageType");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("newUnit");
    QTest::addColumn<QString>("newTare");
    QTest::addColumn<QString>("newPackageWeight");
    QTest::addColumn<QString>("newPackageType");
    QTest::newRow("kg to g") << "kg"
                             << "0.150"
                             << "1.250"
                             << "Normal" << 1 << "g"
                             << "150"
                             << "1250"
                             << "Normal";
    QTest::newRow("g to lb rounds to 3 decimals") << "g"
                                                  << "454"
                                                  << "0"
                                                  << "Normal" << 6 << "lb"
                                                  << "1.001"
                                                  << "0.000"
                                                  << "Normal";
    QTest::newRow("same unit untouched") << "kg"
                                         << "0.15"
                                         << "1.2"
                                         << "Fixed Price" << 4 << "kg"
                                         << "0.15"
                                         << "1.2"
                                         << "Fixed Price";
    QTest::newRow("piece unit resets package type") << "kg"
                                                    << "0.150"
                                                    << "0"
                                                    << "Fixed Price" << 11 << "PCS(oz)"
                                                    << "5.3"
                                                    << "0.0"
                                                    << "Normal";
    QTest::newRow("unknown unit counts as kg") << "PCS"
                                               << "2"
                                               << "0"
                                               << "Both Fixed" << 1 << "g"
                                               << "2000"
                                               << "0"
                                               << "Both Fixed";
}

void TestPluEditCommands::unitChoiceConvertsTheRow()
{
    QFETCH(QString, unit);
    QFETCH(QString, tare);
    QFETCH(QString, packageWeight);
    QFETCH(QString, packageType);
    QFETCH(int, chosen);
    nameRows(3);
    preset({cell(1, C::WeightUnit, unit), cell(1, C::Tare, tare), cell(1, C::PackageWeight, packageWeight),
            cell(1, C::PackageType, packageType)});
    const Grid before = model()->rows();
    select({index(1, C::WeightUnit)});
    QCOMPARE(m_edit->doubleClicked(index(1, C::WeightUnit)), PluEditCommands::Choice::UnitMenu);
    m_edit->chooseUnit(chosen);
    QTEST(model()->text(1, C::WeightUnit), "newUnit");
    QTEST(model()->text(1, C::Tare), "newTare");
    QTEST(model()->text(1, C::PackageWeight), "newPackageWeight");
    QTEST(model()->text(1, C::PackageType), "newPackageType");
    // Modified exactly when the choice changed something.
    QCOMPARE(m_doc->isModified(), !gridDifference(model()->rows(), before).isEmpty());
    // The choice and its conversion are one step.
    QVERIFY(m_edit->undoStack()->count() <= 1);
    m_edit->undoStack()->undo();
    QCOMPARE(gridDifference(model()->rows(), before), QString());
}

void TestPluEditCommands::typedEditsAreChecked_data()
{
    QTest::addColumn<QVariantList>("cells");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("result");

    const QString none;
    QTest::newRow("duplicate LF code names the other row")
        << QVariantList{cell(1, C::LFCode, 12)} << 4 << int(C::LFCode) << "12"
        << "critical"
        << "Row[2]LFcode repeated!" << QVariant(0);
    QTest::newRow("duplicate hotkey names the other row")
        << QVariantList{cell(2, C::HotKey, QStringLiteral("7"))} << 6 << int(C::HotKey) << "7"
        << "critical"
        << "Row[3]Hotkey repeated!" << QVariant(0);
    QTest::newRow("hotkey 0 is never a duplicate")
        << QVariantList{cell(6, C::HotKey, QStringLiteral("9"))} << 6 << int(C::HotKey) << "0" << none << none
        << QVariant(QStringLiteral("0"));
    QTest::newRow("LF code unique") << QVariantList{cell(1, C::LFCode, 12)} << 4 << int(C::LFCode) << "13" << none
                                    << none << QVariant(QStringLiteral("13"));
    QTest::newRow("15.5 kg refused") << QVariantList{} << 3 << int(C::PackageWeight) << "15.5"
                                     << "Warning"
                                     << "The quality must be between 0~15.00" << QVariant(0);
    QTest::newRow("15.5 g accepted") << QVariantList{cell(3, C::WeightUnit, QStringLiteral("g"))} << 3
                                     << int(C::PackageWeight) << "15.5" << none << none
                                     << QVariant(QStringLiteral("15.5"));
    // Kilograms compare in single precision, pounds in double precision.
    QTest::newRow("just over 15 kg, equal as a float") << QVariantList{} << 3 << int(C::PackageWeight) << "15.0000001"
                                                       << none << none << QVariant(QStringLiteral("15.0000001"));
    QTest::newRow("just over 33.07 lb refused")
        << QVariantList{cell(3, C::WeightUnit, QStringLiteral("PCS(lb)"))} << 3 << int(C::PackageWeight) << "33.0700001"
        << "Warning"
        << "The quality must be between 0~33.07" << QVariant(0);
    QTest::newRow("a unit outside the table is not checked")
        << QVariantList{cell(3, C::WeightUnit, QStringLiteral("PCS"))} << 3 << int(C::PackageWeight) << "99999" << none
        << none << QVariant(QStringLiteral("99999"));
    QTest::newRow("tolerance 20 accepted")
        << QVariantList{} << 2 << int(C::Tolerance) << "20" << none << none << QVariant(QStringLiteral("20"));
    QTest::newRow("tolerance 21 refused") << QVariantList{} << 2 << int(C::Tolerance) << "21"
                                          << "Warning"
                                          << "The error range is 0~20" << QVariant(0);
}

void TestPluEditCommands::typedEditsAreChecked()
{
    QFETCH(QVariantList, cells);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QVariant, result);
    nameRows(10);
    preset(cells);
    const Grid before = model()->rows();
    select({index(row, column)});
    QVERIFY(model()->setData(index(row, column), typed));
    QCOMPARE(Prompt::count(), title.isEmpty() ? 0 : 1);
    QCOMPARE(Prompt::lastTitle(), title);
    QCOMPARE(Prompt::lastText(), text);
    QCOMPARE(gridDifference({model()->row(row)}, {[&] {
                                PluTableModel::Row r = before[row];
                                r[column] = result;
                                return r;
                            }()}),
             QString());
    QVERIFY(m_doc->isModified());
    // The edit and the reset that followed it are one step.
    QCOMPARE(m_edit->undoStack()->count(), 1);
    m_edit->undoStack()->undo();
    QCOMPARE(gridDifference(model()->rows(), before), QString());
}

void TestPluEditCommands::numbering_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("namedRows");
    QTest::addColumn<QVariantList>("cells");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariantList>("expected");
    QTest::addColumn<int>("lfcodeLen");

    QTest::newRow("hotkeys skip used ones")
        << "hotkey" << 10
        << QVariantList{cell(0, C::HotKey, QStringLiteral("1")), cell(1, C::HotKey, QStringLiteral("2")),
                        cell(2, C::HotKey, QStringLiteral("4"))}
        << 3 << 5 << int(C::HotKey) << QVariantList{3, 5, 6} << 6;
    QTest::newRow("hotkeys continue from the first row's value")
        << "hotkey" << 10 << QVariantList{cell(3, C::HotKey, QStringLiteral("223")), cell(0, C::HotKey, 224)} << 3 << 5
        << int(C::HotKey) << QVariantList{223, 1, 2} << 6;
    QVariantList allUsed;
    for (int r = 0; r < 224; ++r)
        allUsed << QVariant(cell(r, C::HotKey, QString::number(r + 1)));
    QTest::newRow("no free hotkey gives 0 and stops") << "hotkey" << 230 << allUsed << 225 << 227 << int(C::HotKey)
                                                      << QVariantList{0, QStringLiteral("0"), QStringLiteral("0")} << 6;
    QTest::newRow("LF codes skip values used outside")
        << "lfcode" << 10 << QVariantList{cell(2, C::LFCode, 1000), cell(8, C::LFCode, 1001)} << 2 << 4
        << int(C::LFCode) << QVariantList{1000, 1002, 1003} << 6;
    QTest::newRow("LF codes start at 1 from 0")
        << "lfcode" << 10
        << QVariantList{cell(2, C::LFCode, 0), cell(0, C::LFCode, 1), cell(1, C::LFCode, 3), cell(3, C::LFCode, 3)} << 2
        << 3 << int(C::LFCode) << QVariantList{2, 4} << 6;
    QTest::newRow("codes as 64-bit values")
        << "code" << 10 << QVariantList{cell(4, C::Code, qlonglong(9999999999LL)), cell(7, C::Code, qlonglong(1))} << 4
        << 6 << int(C::Code) << QVariantList{qlonglong(9999999999LL), qlonglong(2), qlonglong(3)} << 6;
    QTest::newRow("seven-digit LF codes keep their range")
        << "lfcode" << 10 << QVariantList{cell(2, C::LFCode, 1500000), cell(8, C::LFCode, 1500001)} << 2 << 4
        << int(C::LFCode) << QVariantList{1500000, 1500002, 1500003} << 7;
    QTest::newRow("seven-digit LF codes wrap at the top")
        << "lfcode" << 10 << QVariantList{cell(2, C::LFCode, 9999999), cell(0, C::LFCode, 1)} << 2 << 3
        << int(C::LFCode) << QVariantList{9999999, 2} << 7;
    QTest::newRow("message IDs number the used rows")
        << "message" << 3 << QVariantList{cell(1, C::Message1, QStringLiteral("9"))} << 0 << 3 << int(C::Message1)
        << QVariantList{1, 2, 3, QStringLiteral("0")} << 6;
    QTest::newRow("selection below the used rows does nothing")
        << "hotkey" << 3 << QVariantList{} << 3 << 4 << int(C::HotKey)
        << QVariantList{QStringLiteral("0"), QStringLiteral("0")} << 6;
}

void TestPluEditCommands::numbering()
{
    QFETCH(QString, command);
    QFETCH(int, namedRows);
    QFETCH(QVariantList, cells);
    QFETCH(int, firstRow);
    QFETCH(int, lastRow);
    QFETCH(int, column);
    QFETCH(QVariantList, expected);
    QFETCH(int, lfcodeLen);
    m_env->config()->setValue(ZQConfig::LfcodeLen, lfcodeLen);
    nameRows(namedRows);
    preset(cells);
    QList<QModelIndex> selected;
    for (int r = firstRow; r <= lastRow; ++r)
        selected << index(r, column);
    select(selected);
    if (command == QLatin1String("hotkey"))
        m_edit->generateHotkeys();
    else if (command == QLatin1String("lfcode"))
        m_edit->generateLfCodes();
    else if (command == QLatin1String("message"))
        m_edit->generateMessageIds();
    else
        m_edit->generateCodes();
    for (int i = 0; i < expected.size(); ++i) {
        const QVariant &got = model()->cell(firstRow + i, column);
        QVERIFY2(PluGridChange::sameValue(got, expected.at(i)),
                 qPrintable(QStringLiteral("row %1: %2 (%3)")
                                .arg(firstRow + i)
                                .arg(got.toString(), QString::fromLatin1(got.typeName()))));
    }
}

void TestPluEditCommands::moveRow_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("target");
    QTest::newRow("up: 10th row to 3") << 9 << 3;
    QTest::newRow("down: 3rd row to 10") << 2 << 10;
    QTest::newRow("beyond the hotkeys: to 500") << 9 << 500;
    QTest::newRow("to the last row") << 2 << 20000;
}

void TestPluEditCommands::moveRow()
{
    QFETCH(int, from);
    QFETCH(int, target);
    nameRows(20);
    preset({cell(from, C::HotKey, QStringLiteral("7"))});
    const Grid before = model()->rows();
    m_edit->moveRow(from, target);

    const Grid &after = model()->rows();
    QCOMPARE(after.size(), PluColumns::RowCount);
    QCOMPARE(after[target - 1][C::PluName], before[from][C::PluName]);
    // The moved row is rebuilt from its texts.
    QCOMPARE(after[target - 1][C::LFCode].userType(), int(QMetaType::QString));
    QCOMPARE(after[target - 1][C::LFCode].toString(), before[from][C::LFCode].toString());
    // The rows in between shift by one towards the gap.
    const int step = from > target - 1 ? 1 : -1;
    for (int r = qMin(from, target - 1); r <= qMax(from, target - 1); ++r) {
        if (r == target - 1)
            continue;
        QCOMPARE(after[r][C::PluName], before[r - step][C::PluName]);
    }
    for (int r = 0; r < 224; ++r)
        QCOMPARE(after[r][C::HotKey], QVariant(QString::number(r + 1)));
    if (target > 224)
        QCOMPARE(after[target - 1][C::HotKey], QVariant(QStringLiteral("0")));
    QVERIFY(m_doc->isModified());
}

void TestPluEditCommands::pasteNeedsTheFinalLineFeed_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QVariantList>("expected"); // cells after pasting at row 2, column PluName
    const QVariantList untouched{cell(2, C::PluName, QStringLiteral("P2")), cell(2, C::LFCode, 102),
                                 cell(2, C::Code, qlonglong(5000000002LL))};
    QTest::newRow("no final line feed") << "Apple\t42" << untouched;
    QTest::newRow("final line feed") << "Apple\t42\n"
                                     << QVariantList{cell(2, C::PluName, QStringLiteral("Apple")),
                                                     cell(2, C::LFCode, 42), untouched.at(2)};
    QTest::newRow("three fields, code as a number")
        << "Pear\t 7\t007\n"
        << QVariantList{cell(2, C::PluName, QStringLiteral("Pear")), cell(2, C::LFCode, 7),
                        cell(2, C::Code, qlonglong(7))};
    QTest::newRow("empty code stays text")
        << "Fig\t8\t\n"
        << QVariantList{cell(2, C::PluName, QStringLiteral("Fig")), cell(2, C::LFCode, 8), cell(2, C::Code, QString())};
    QTest::newRow("each line keeps its own fields")
        << "Kiwi\nPlum\t9\t90\n"
        << QVariantList{
               cell(2, C::PluName, QStringLiteral("Kiwi")), untouched.at(1),       untouched.at(2),
               cell(3, C::PluName, QStringLiteral("Plum")), cell(3, C::LFCode, 9), cell(3, C::Code, qlonglong(90))};
}

void TestPluEditCommands::pasteNeedsTheFinalLineFeed()
{
    QFETCH(QString, clipboard);
    QFETCH(QVariantList, expected);
    nameRows(5);
    const Grid before = model()->rows();
    select({index(2, C::PluName)});
    m_edit->pasteText(clipboard);
    for (const QVariant &e : expected) {
        const QVariantList l = e.toList();
        QVERIFY2(PluGridChange::sameValue(model()->cell(l.at(0).toInt(), l.at(1).toInt()), l.at(2)),
                 qPrintable(clipboard));
    }
    // The neighbours of the pasted block are untouched.
    QCOMPARE(gridDifference({model()->row(4)}, {before[4]}), QString());
    QCOMPARE(model()->cell(2, C::HotKey), before[2][C::HotKey]);
}

void TestPluEditCommands::copyBuildsTheRectangle()
{
    nameRows(4);
    select({index(1, C::LFCode), index(0, C::PluName), index(1, C::PluName), index(9, C::PluName)});
    // Row 9 lies beyond the used rows; the unselected corner stays empty.
    QCOMPARE(m_edit->copyText(), QStringLiteral("P0\t\nP1\t101\n"));
}

void TestPluEditCommands::deleteKeepsTheGridSize()
{
    nameRows(10);
    const Grid before = model()->rows();
    select({index(5, C::Tare), index(6, C::PluName), index(6, C::Code)});
    m_edit->deleteRows();
    const Grid &after = model()->rows();
    QCOMPARE(after.size(), PluColumns::RowCount);
    QCOMPARE(after[5][C::PluName], before[7][C::PluName]);
    QCOMPARE(after[7][C::PluName], before[9][C::PluName]);
    QCOMPARE(gridDifference({after[19998], after[19999]}, {PluTableModel::newRow(), PluTableModel::newRow()}),
             QString());
    QVERIFY(m_doc->isModified());
}

void TestPluEditCommands::clearOfUnitConvertsToKilograms()
{
    nameRows(3);
    preset(
        {cell(1, C::WeightUnit, QStringLiteral("g")), cell(1, C::Tare, QStringLiteral("150")), cell(1, C::LFCode, 77)});
    select({index(1, C::WeightUnit), index(1, C::LFCode)});
    m_edit->clear();
    QCOMPARE(model()->cell(1, C::Tare), QVariant(QStringLiteral("0.150")));
    QCOMPARE(model()->cell(1, C::WeightUnit), QVariant(QStringLiteral("kg")));
    QCOMPARE(model()->cell(1, C::LFCode), QVariant(QStringLiteral("0")));
    QVERIFY(m_doc->isModified());
}

void TestPluEditCommands::fillConvertsWeightsToEachRowsUnit()
{
    nameRows(5);
    preset({cell(1, C::WeightUnit, QStringLiteral("g")), cell(1, C::Tare, QStringLiteral("150")),
            cell(1, C::Department, QStringLiteral("12")), cell(3, C::WeightUnit, QStringLiteral("PCS(kg)")),
            cell(1, C::PackageType, QStringLiteral("Fixed Price"))});
    select({index(1, C::Tare), index(1, C::Department), index(1, C::PackageType), index(2, C::Tare), index(3, C::Tare),
            index(3, C::Department), index(2, C::PackageType), index(3, C::PackageType), index(3, C::PluName)});
    m_edit->fill();
    QCOMPARE(model()->text(2, C::Tare), QStringLiteral("0.150"));
    QCOMPARE(model()->text(3, C::Tare), QStringLiteral("0.150"));
    QCOMPARE(model()->text(3, C::Department), QStringLiteral("12"));
    QCOMPARE(model()->text(2, C::PackageType), QStringLiteral("Fixed Price"));
    QCOMPARE(model()->text(3, C::PackageType), QStringLiteral("Normal"));
    QCOMPARE(model()->text(3, C::PluName), QStringLiteral("P3"));
    QVERIFY(m_doc->isModified());
}

void TestPluEditCommands::sortByNameKeepsUnnamedRowsLastInOrder()
{
    preset({cell(0, C::PluName, QStringLiteral("b")), cell(2, C::PluName, QStringLiteral("a")),
            cell(4, C::PluName, QStringLiteral("c")), cell(1, C::LFCode, 11), cell(3, C::LFCode, 33),
            cell(5, C::LFCode, 55)});
    m_edit->sortBy(C::PluName);
    QStringList names;
    for (int r = 0; r < 3; ++r)
        names << model()->text(r, C::PluName);
    QCOMPARE(names, QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    QCOMPARE(model()->cell(3, C::LFCode), QVariant(11));
    QCOMPARE(model()->cell(4, C::LFCode), QVariant(33));
    QCOMPARE(model()->cell(5, C::LFCode), QVariant(55));
    QVERIFY(m_doc->isModified());
}

void TestPluEditCommands::sortOrdersByValue_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariantList>("values"); // of rows "X", "Y", "Z"
    QTest::addColumn<QString>("order");
    QTest::newRow("names by character codes")
        << int(C::PluName) << QVariantList{QStringLiteral("b"), QStringLiteral("B"), QStringLiteral("a")} << "YZX";
    QTest::newRow("LF codes as numbers") << int(C::LFCode) << QVariantList{100, 9, 20} << "YZX";
    QTest::newRow("codes as 64-bit numbers")
        << int(C::Code) << QVariantList{qlonglong(9999999999LL), qlonglong(5), qlonglong(70)} << "YZX";
    QTest::newRow("equal values keep their order") << int(C::LFCode) << QVariantList{4, 4, 1} << "ZXY";
}

void TestPluEditCommands::sortOrdersByValue()
{
    QFETCH(int, column);
    QFETCH(QVariantList, values);
    const QStringList names{QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    for (int r = 0; r < 3; ++r) {
        preset({cell(r + 1, column, values.at(r))});
        if (column != C::PluName)
            preset({cell(r + 1, C::PluName, names.at(r))});
    }
    m_edit->sortBy(column);
    QString order;
    for (int r = 0; r < 3; ++r) {
        order +=
            column == C::PluName ? names.at(values.indexOf(model()->cell(r, column))) : model()->text(r, C::PluName);
    }
    QTEST(order, "order");
}

void TestPluEditCommands::undoRedoRestoresExactCells_data()
{
    QTest::addColumn<QString>("command");
    for (const char *c :
         {"typed edit", "unit choice", "package choice", "paste", "fill", "clear", "insert", "delete", "cut", "move",
          "sort by name", "sort by LF code", "sort by code", "generate hotkey", "generate LF code", "generate code",
          "generate message ID", "barcode type", "replace content"})
        QTest::newRow(c) << QString::fromLatin1(c);
}

void TestPluEditCommands::undoRedoRestoresExactCells()
{
    QFETCH(QString, command);
    nameRows(30);
    preset({cell(3, C::PluName, QStringLiteral("Zed")), cell(4, C::LFCode, QStringLiteral("9")),
            cell(5, C::Code, QString()), cell(6, C::WeightUnit, QStringLiteral("g")),
            cell(6, C::Tare, QStringLiteral("250")), cell(40, C::LFCode, 3)});
    const Grid before = model()->rows();
    const QStringList messagesBefore = m_doc->messages().messageList();
    select({index(4, C::LFCode), index(5, C::Code), index(6, C::WeightUnit), index(7, C::Tare), index(8, C::Code)});
    m_view->selectionModel()->setCurrentIndex(index(6, C::WeightUnit), QItemSelectionModel::NoUpdate);

    if (command == QLatin1String("typed edit"))
        model()->setData(index(4, C::LFCode), QStringLiteral("101")); // a duplicate: edit plus reset
    else if (command == QLatin1String("unit choice")) {
        m_edit->doubleClicked(index(6, C::WeightUnit));
        m_edit->chooseUnit(12);
    } else if (command == QLatin1String("package choice")) {
        m_edit->doubleClicked(index(6, C::PackageType));
        m_edit->choosePackageType(4);
    } else if (command == QLatin1String("paste"))
        m_edit->pasteText(QStringLiteral("1\t2\n3\t4\n"));
    else if (command == QLatin1String("fill"))
        m_edit->fill();
    else if (command == QLatin1String("clear"))
        m_edit->clear();
    else if (command == QLatin1String("insert"))
        m_edit->insertRow();
    else if (command == QLatin1String("delete"))
        m_edit->deleteRows();
    else if (command == QLatin1String("cut"))
        m_edit->cut();
    else if (command == QLatin1String("move"))
        m_edit->moveRow(6, 2);
    else if (command == QLatin1String("sort by name"))
        m_edit->sortBy(C::PluName);
    else if (command == QLatin1String("sort by LF code"))
        m_edit->sortBy(C::LFCode);
    else if (command == QLatin1String("sort by code"))
        m_edit->sortBy(C::Code);
    else if (command == QLatin1String("generate hotkey"))
        m_edit->generateHotkeys();
    else if (command == QLatin1String("generate LF code"))
        m_edit->generateLfCodes();
    else if (command == QLatin1String("generate code"))
        m_edit->generateCodes();
    else if (command == QLatin1String("generate message ID"))
        m_edit->generateMessageIds();
    else if (command == QLatin1String("barcode type"))
        m_edit->updateBarcodeType(1, QStringLiteral("7"));
    else if (command == QLatin1String("replace content")) {
        PluDocument::Content content = m_doc->content();
        content.rows.fill(PluTableModel::newRow());
        content.rows[0][C::PluName] = QStringLiteral("Imported");
        content.rowCount = 1;
        content.messages.setMessageLines(1, {QStringLiteral("from the scale")});
        m_edit->replaceContent(QStringLiteral("Upload PLU"), content);
        QCOMPARE(m_doc->rowCount(), 1);
        QCOMPARE(m_doc->messages().messageLines(1).first(), QStringLiteral("from the scale"));
    }

    const Grid after = model()->rows();
    QVERIFY2(!gridDifference(after, before).isEmpty(), "the command changed nothing");
    QCOMPARE(m_edit->undoStack()->count(), 1);
    m_doc->setModified(false);
    QSignalSpy modified(m_doc.get(), &PluDocument::modifiedChanged);

    m_edit->undoStack()->undo();
    QCOMPARE(gridDifference(model()->rows(), before), QString());
    QCOMPARE(m_doc->messages().messageList(), messagesBefore);
    QVERIFY(m_doc->isModified());
    m_edit->undoStack()->redo();
    QCOMPARE(gridDifference(model()->rows(), after), QString());
    QVERIFY(!m_doc->isModified()); // back at the saved state
    QCOMPARE(modified.size(), 2);
    QCOMPARE(modified.at(0).first().toBool(), true);
    m_edit->undoStack()->undo();
    QCOMPARE(gridDifference(model()->rows(), before), QString());
}

void TestPluEditCommands::resetHistoryForgetsSteps()
{
    nameRows(3);
    select({index(0, C::PluName)});
    m_edit->clear();
    QVERIFY(m_edit->undoStack()->canUndo());
    m_doc->resetHistory();
    QVERIFY(!m_edit->undoStack()->canUndo());
}

QTEST_MAIN(TestPluEditCommands)
#include "TestPluEditCommands.moc"
