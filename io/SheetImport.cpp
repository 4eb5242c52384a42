#include "io/SheetImport.h"

#include "core/PackageTypes.h"
#include "core/PriceFormat.h"
#include "core/TextCodec.h"
#include "core/WeightUnits.h"

#include <QCoreApplication>
#include <QDate>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
const char *const kProperties[SheetImport::PropertyCount] = {
    QT_TRANSLATE_NOOP("ZQheaderwidget", "PLU name"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "LF Code"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Code"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Barcode type"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Unit Price"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Weight unit"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Quantity type"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Department"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Tare"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Shelf time"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Package type"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Package Weight"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Tolerance (%)"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Message 1"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Message 2"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Label"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Discount/Schedule"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "Nutrition"),
    QT_TRANSLATE_NOOP("ZQheaderwidget", "NgTolerance"),
};

int32_t int32Of(const QVariant &cell)
{
    return static_cast<int32_t>(
        qBound<qint64>(std::numeric_limits<int32_t>::min(), Sheet::integer(cell), std::numeric_limits<int32_t>::max()));
}

uint8_t byteOf(const QVariant &cell)
{
    return static_cast<uint8_t>(Sheet::integer(cell));
}

// A code as our export writes it; a sheet kept by hand may name it instead ("kg", "Normal"),
// which is taken too, whatever the letter case.
int32_t codeOf(const QVariant &cell, const QStringList &names, int32_t empty)
{
    if (Sheet::text(cell).trimmed().isEmpty())
        return empty;
    if (cell.userType() == QMetaType::QString) {
        const QString text = cell.toString().trimmed();
        for (int i = 0; i < names.size(); ++i) {
            if (text.compare(names.at(i), Qt::CaseInsensitive) == 0)
                return i;
        }
    }
    return int32Of(cell);
}

TPLU newRecord()
{
    TPLU p;
    p.WeightUnit = WeightUnits::DefaultCode;
    return p;
}

// The table column of each box; the sheet cell of box k is cell k.
const int kColumns[SheetImport::PropertyCount + 1] = {
    PluColumns::HotKey,        PluColumns::PluName,   PluColumns::LFCode,     PluColumns::Code,
    PluColumns::BarCode,       PluColumns::UnitPrice, PluColumns::WeightUnit, PluColumns::QtyUnit,
    PluColumns::Department,    PluColumns::Tare,      PluColumns::ShelfTime,  PluColumns::PackageType,
    PluColumns::PackageWeight, PluColumns::Tolerance, PluColumns::Message1,   PluColumns::Message2,
    PluColumns::Label,         PluColumns::Rebate,    PluColumns::Nutrition,  -1,
};

QVariant cellAt(const QVector<QVariant> &cells, int c)
{
    return c < cells.size() ? cells.at(c) : QVariant();
}

// The text a cell is checked as. Numbers are taken with the 15 significant digits spreadsheet
// programs show, so that the noise of a binary fraction (0.1 + 0.2) is no decimal; a date or a
// truth value stands where no number does.
bool checkText(const QVariant &cell, int column, QString *text, QString *reason)
{
    switch (static_cast<QMetaType::Type>(cell.userType())) {
    case QMetaType::Double: {
        const double d = cell.toDouble();
        if (d == std::trunc(d) && std::fabs(d) < 1e15) {
            *text = QString::number(static_cast<qint64>(d));
            return true;
        }
        *text = QString::number(d, 'g', 15);
        if (text->contains(QLatin1Char('e')) && std::isfinite(d) && d != 0) {
            const int digits = 14 - int(std::floor(std::log10(std::fabs(d))));
            *text = QString::number(d, 'f', qBound(0, digits, 30));
            if (text->contains(QLatin1Char('.'))) {
                while (text->endsWith(QLatin1Char('0')))
                    text->chop(1);
                if (text->endsWith(QLatin1Char('.')))
                    text->chop(1);
            }
        }
        return true;
    }
    case QMetaType::QDate:
    case QMetaType::QDateTime:
    case QMetaType::QTime:
        *text = Sheet::text(cell);
        if (column == PluColumns::PluName)
            return true;
        *reason = SheetImport::tr("a date, not a number");
        return false;
    case QMetaType::Bool:
        *text = cell.toBool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        if (column == PluColumns::PluName)
            return true;
        *reason = SheetImport::tr("a truth value, not a number");
        return false;
    default:
        *text = Sheet::text(cell);
        return true;
    }
}

// The weight unit a sheet row names (its code or name), or -1 when the cell names none.
int sheetUnit(const QVariant &cell)
{
    const QString text = Sheet::text(cell).trimmed();
    if (text.isEmpty())
        return WeightUnits::DefaultCode;
    const int named = WeightUnits::find(text);
    if (named >= 0)
        return named;
    bool ok = false;
    const int code = text.toInt(&ok);
    return ok && WeightUnits::isValid(code) ? code : -1;
}

// Checks the cells of the chosen boxes (and the hotkey when withHotkey) of one row. unitCode:
// the unit whose decimals a tare and a package weight keep when the row does not name its own.
bool checkRow(const SheetImport::SourceRow &row, const SheetImport::Flags &flags, bool withHotkey, int unitCode,
              ImportCheck *check)
{
    bool ok = true;
    if (SheetImport::isChosen(flags, 6)) {
        const int named = sheetUnit(cellAt(row.cells, 6));
        if (named >= 0)
            unitCode = named;
    }
    for (int k = withHotkey ? 0 : 1; k <= SheetImport::PropertyCount; ++k) {
        const int column = kColumns[k];
        if (column < 0 || (k > 0 && !SheetImport::isChosen(flags, k)))
            continue;
        QString text;
        QString reason;
        const QVariant cell = cellAt(row.cells, k);
        if (!checkText(cell, column, &text, &reason))
            ok = check->problem(row.number, column, text, reason) && ok;
        else if (!check->cell(row.number, column, text, unitCode))
            ok = false;
        else if (column == PluColumns::LFCode || column == PluColumns::HotKey)
            ok = check->unique(row.number, column, Sheet::integer(cell)) && ok;
    }
    return ok;
}

PluTableModel::Row withChosen(PluTableModel::Row cells, const TPLU &record, const SheetImport::Flags &flags)
{
    const PluTableModel::Row taken = PluTableModel::rowFromPlu(record);
    const int unit = unitCode(cells[PluColumns::WeightUnit].toString());
    for (int k = 1; k <= SheetImport::PropertyCount; ++k) {
        const int column = kColumns[k];
        if (column >= 0 && SheetImport::isChosen(flags, k))
            cells[column] = taken[column];
    }
    // Shown with the decimals of the unit the article keeps.
    if (!SheetImport::isChosen(flags, 6)) {
        if (SheetImport::isChosen(flags, 9))
            cells[PluColumns::Tare] = QString::number(record.Tare, 'f', WeightUnits::decimals(unit));
        if (SheetImport::isChosen(flags, 12))
            cells[PluColumns::PackageWeight] = QString::number(record.PackageWeight, 'f', WeightUnits::decimals(unit));
    }
    return cells;
}
} // namespace

QStringList SheetImport::propertyNames()
{
    QStringList names;
    for (const char *n : kProperties)
        names << QString::fromLatin1(n);
    return names;
}

SheetImport::Flags SheetImport::allChosen()
{
    Flags flags;
    for (int k = 0; k <= PropertyCount; ++k)
        flags << 1;
    return flags;
}

TPLU SheetImport::recordOf(const QVector<QVariant> &cells)
{
    const auto cell = [&cells](int c) { return c < cells.size() ? cells.at(c) : QVariant(); };
    TPLU p = newRecord();
    p.HotKey = int32Of(cell(0));
    p.setPluNameBytes(TextCodec::toLocal8(Sheet::text(cell(1))));
    p.LFCode = int32Of(cell(2));
    p.setCodeBytes(TextCodec::toLocal8(Sheet::text(cell(3))));
    p.BarCode = int32Of(cell(4));
    p.UnitPrice = static_cast<int32_t>(qBound<qint64>(std::numeric_limits<int32_t>::min(),
                                                      PriceFormat::toScaled(Sheet::text(cell(5))),
                                                      std::numeric_limits<int32_t>::max()));
    p.WeightUnit = codeOf(cell(6), WeightUnits::names(), WeightUnits::DefaultCode);
    p.QtyUnit = byteOf(cell(7));
    p.Deptment = int32Of(cell(8));
    p.Tare = Sheet::decimal(cell(9));
    p.ShlefTime = int32Of(cell(10));
    p.PackageType = codeOf(cell(11), PackageTypes::names(), 0);
    // Read with its decimals: an exported "0.250" kg must come back as it went out.
    p.PackageWeight = Sheet::decimal(cell(12));
    p.Tolerance = int32Of(cell(13));
    p.Message1 = int32Of(cell(14));
    p.Message2 = byteOf(cell(15));
    p.LabelId = byteOf(cell(16));
    p.Rebate = byteOf(cell(17));
    p.Nutrition = int32Of(cell(18));
    return p;
}

int SheetImport::columnOfBox(int box)
{
    return box >= 0 && box <= PropertyCount ? kColumns[box] : -1;
}

QVector<SheetImport::SourceRow> SheetImport::articleRows(const Sheet &sheet)
{
    QVector<SourceRow> rows;
    for (int r = 0; r < sheet.rows.size(); ++r) {
        const QVector<QVariant> &cells = sheet.rows.at(r);
        if (cells.size() < MinCells)
            continue;
        const bool empty = std::all_of(cells.cbegin(), cells.cend(),
                                       [](const QVariant &c) { return Sheet::text(c).trimmed().isEmpty(); });
        if (!empty)
            rows.append({r + 1, cells});
    }
    return rows;
}

bool SheetImport::isCaptionRow(const QVector<QVariant> &cells)
{
    // The export's captions of the columns the import reads, in the table's order.
    int matched = 0;
    for (int k = 0; k <= PropertyCount && k < cells.size(); ++k) {
        const int column = kColumns[k];
        const QString text = Sheet::text(cells.at(k)).trimmed();
        if (column < 0 || text.isEmpty())
            continue;
        if (text.compare(PluColumns::untranslatedCaption(column), Qt::CaseInsensitive) != 0 &&
            text.compare(PluColumns::caption(column), Qt::CaseInsensitive) != 0)
            return false;
        ++matched;
    }
    return matched >= 2;
}

int SheetImport::proposedFirstRow(const QVector<SourceRow> &rows)
{
    if (rows.isEmpty())
        return 0;
    return isCaptionRow(rows.first().cells) && rows.size() > 1 ? 2 : 1;
}

TPLU SheetImport::chosen(const TPLU &record, const Flags &flags)
{
    const auto on = [&flags](int k) { return k < flags.size() && flags.at(k) != 0; };
    TPLU p = newRecord();
    p.HotKey = record.HotKey;
    if (on(1))
        std::copy(std::begin(record.PluName), std::end(record.PluName), std::begin(p.PluName));
    if (on(2))
        p.LFCode = record.LFCode;
    if (on(3))
        std::copy(std::begin(record.Code), std::end(record.Code), std::begin(p.Code));
    if (on(4))
        p.BarCode = record.BarCode;
    if (on(5))
        p.UnitPrice = record.UnitPrice;
    if (on(6))
        p.WeightUnit = record.WeightUnit;
    if (on(7))
        p.QtyUnit = record.QtyUnit;
    if (on(8))
        p.Deptment = record.Deptment;
    if (on(9))
        p.Tare = record.Tare;
    if (on(10))
        p.ShlefTime = record.ShlefTime;
    if (on(11))
        p.PackageType = record.PackageType;
    if (on(12))
        p.PackageWeight = record.PackageWeight;
    if (on(13))
        p.Tolerance = record.Tolerance;
    if (on(14))
        p.Message1 = record.Message1;
    if (on(15))
        p.Message2 = record.Message2;
    if (on(16))
        p.LabelId = record.LabelId;
    if (on(17))
        p.Rebate = record.Rebate;
    if (on(18))
        p.Nutrition = record.Nutrition;
    return p;
}

TPLUList SheetImport::checked(const QVector<SourceRow> &rows, int first, int last, const Flags &flags,
                              ImportCheck *check)
{
    TPLUList list;
    for (int i = qMax(first, 1) - 1; i < last && i < rows.size(); ++i) {
        if (checkRow(rows.at(i), flags, true, WeightUnits::DefaultCode, check))
            list.append(chosen(recordOf(rows.at(i).cells), flags));
    }
    return list;
}

SheetImport::RangeError SheetImport::checkRange(int first, int last, int to, int recordCount)
{
    if (first < 1)
        return RangeError::NoFirstRow;
    if (first > last)
        return RangeError::FirstAfterLast;
    if (last > recordCount)
        return RangeError::BeyondRecords;
    if (to < 1)
        return RangeError::NoTableRow;
    return RangeError::None;
}

QVector<PluTableModel::Row> SheetImport::place(const TPLUList &records, int to)
{
    QVector<PluTableModel::Row> grid(PluColumns::RowCount, PluTableModel::newRow());
    for (int i = 0; i < records.size(); ++i) {
        const int row = to - 1 + i;
        if (row >= 0 && row < PluColumns::RowCount)
            grid[row] = PluTableModel::rowFromPlu(records.at(i));
    }
    return grid;
}

SheetImport::Update SheetImport::update(const QVector<PluTableModel::Row> &grid, int rowCount,
                                        const QVector<SourceRow> &rows, int first, int last, const Flags &flags,
                                        bool addNew, ImportCheck *check)
{
    Update out;
    out.rows = grid;
    out.rowCount = rowCount;
    QHash<qint64, int> articles;
    for (int r = 0; r < rowCount && r < grid.size(); ++r) {
        const qint64 lf = grid.at(r)[PluColumns::LFCode].toLongLong();
        if (lf > 0 && !articles.contains(lf))
            articles.insert(lf, r);
    }
    Flags matchFlags = flags;
    while (matchFlags.size() <= PropertyCount)
        matchFlags << 0;
    matchFlags[2] = 0; // the LF code is what matches, checked first
    for (int i = qMax(first, 1) - 1; i < last && i < rows.size(); ++i) {
        const SourceRow &row = rows.at(i);
        const QVariant lfCell = cellAt(row.cells, 2);
        QString text;
        QString reason;
        if (!checkText(lfCell, PluColumns::LFCode, &text, &reason)) {
            check->problem(row.number, PluColumns::LFCode, text, reason);
            continue;
        }
        if (!check->cell(row.number, PluColumns::LFCode, text, WeightUnits::DefaultCode))
            continue;
        const qint64 lf = Sheet::integer(lfCell);
        if (lf == 0) {
            check->problem(row.number, PluColumns::LFCode, text, tr("no LF code to match an article by"));
            continue;
        }
        if (!check->unique(row.number, PluColumns::LFCode, lf))
            continue;
        const auto match = articles.constFind(lf);
        if (match == articles.constEnd()) {
            if (!addNew) {
                out.unmatched.append({row.number, PluColumns::LFCode, text, tr("no article has this LF code")});
                continue;
            }
            if (!checkRow(row, matchFlags, true, WeightUnits::DefaultCode, check))
                continue;
            if (out.rowCount >= out.rows.size()) {
                check->problem(row.number, PluColumns::LFCode, text,
                               tr("the table holds %1 rows and is full").arg(PluColumns::RowCount));
                continue;
            }
            TPLU record = chosen(recordOf(row.cells), flags);
            record.LFCode = static_cast<int32_t>(lf);
            out.rows[out.rowCount++] = PluTableModel::rowFromPlu(record);
            ++out.added;
            continue;
        }
        PluTableModel::Row &article = out.rows[*match];
        if (!checkRow(row, matchFlags, false, unitCode(article[PluColumns::WeightUnit].toString()), check))
            continue;
        const PluTableModel::Row changed = withChosen(article, recordOf(row.cells), matchFlags);
        bool same = true;
        for (int c = 0; c < PluColumns::Count && same; ++c)
            same = changed[c].toString() == article[c].toString();
        if (same) {
            ++out.unchanged;
        } else {
            article = changed;
            ++out.updated;
        }
    }
    return out;
}
