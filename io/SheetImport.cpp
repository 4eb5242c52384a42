#include "io/SheetImport.h"

#include "core/PackageTypes.h"
#include "core/PriceFormat.h"
#include "core/TextCodec.h"
#include "core/WeightUnits.h"

#include <QCoreApplication>
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
int32_t codeOf(const QVariant &cell, const QStringList &names)
{
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
    p.WeightUnit = codeOf(cell(6), WeightUnits::names());
    p.QtyUnit = byteOf(cell(7));
    p.Deptment = int32Of(cell(8));
    p.Tare = Sheet::decimal(cell(9));
    p.ShlefTime = int32Of(cell(10));
    p.PackageType = codeOf(cell(11), PackageTypes::names());
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

TPLUList SheetImport::records(const Sheet &sheet)
{
    TPLUList list;
    for (const QVector<QVariant> &row : sheet.rows) {
        if (row.size() >= MinCells)
            list.append(recordOf(row));
    }
    return list;
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

TPLUList SheetImport::chosen(const TPLUList &records, const Flags &flags)
{
    TPLUList list;
    list.reserve(records.size());
    for (const TPLU &r : records)
        list.append(chosen(r, flags));
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

QVector<PluTableModel::Row> SheetImport::place(const TPLUList &records, int first, int last, int to)
{
    QVector<PluTableModel::Row> grid(PluColumns::RowCount, PluTableModel::newRow());
    for (int i = first - 1; i <= last - 1 && i < records.size(); ++i) {
        const int row = to - first + i;
        if (i >= 0 && row >= 0 && row < PluColumns::RowCount)
            grid[row] = PluTableModel::rowFromPlu(records.at(i));
    }
    return grid;
}
