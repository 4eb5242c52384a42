#pragma once

#include "core/PackageTypes.h"
#include "core/WeightUnits.h"
#include "document/PluTableModel.h"
#include "io/Sheet.h"

#include <QStringList>

namespace iotest {
// A grid whose shown cells differ from row to row and use every unit and package type.
inline void fillVaried(PluTableModel &model, int rows)
{
    for (int r = 0; r < rows; ++r) {
        TPLU p;
        p.HotKey = r % 225;
        p.setPluNameBytes(QStringLiteral("Article %1, \"special\"").arg(r).toUtf8());
        p.LFCode = 100000 + r;
        p.setCodeBytes(QByteArray::number(9000000 + r));
        p.BarCode = r % 111;
        p.UnitPrice = r * 7 + 1;
        p.WeightUnit = r % WeightUnits::Count;
        p.QtyUnit = static_cast<uint8_t>(r % 16);
        p.Deptment = r % 100;
        p.Tare = (r % 50) * 0.005;
        p.ShlefTime = r % 9999 - 20;
        p.PackageType = r % PackageTypes::Count;
        p.PackageWeight = (r % 13) * 0.25;
        p.Tolerance = r % 21;
        p.Message1 = r % 20001;
        p.Message2 = static_cast<uint8_t>(r % 256);
        p.LabelId = static_cast<uint8_t>(r % 8);
        p.Rebate = static_cast<uint8_t>(r % 139 == 128 ? 0 : r % 139); // 128 is no discount
        p.Nutrition = r % 2;
        model.pluToRow(p, r);
    }
}
// One line per row, cells joined by "|", each with its kind: s text, n number, b truth value,
// d date, t date and time; an empty cell is empty.
inline QString dump(const Sheet &sheet)
{
    QStringList lines;
    for (const QVector<QVariant> &row : sheet.rows) {
        QStringList cells;
        for (const QVariant &cell : row) {
            const char *kind = "";
            switch (cell.userType()) {
            case QMetaType::QString:
                kind = "s:";
                break;
            case QMetaType::Double:
                kind = "n:";
                break;
            case QMetaType::Bool:
                kind = "b:";
                break;
            case QMetaType::QDate:
                kind = "d:";
                break;
            case QMetaType::QDateTime:
                kind = "t:";
                break;
            default:
                break;
            }
            cells << QLatin1String(kind) + Sheet::text(cell);
        }
        lines << cells.join(QLatin1Char('|'));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace iotest
