#pragma once
// The full 20000-row list, with 500 messages, that the file-set and recovery benchmarks time.
#include "core/PluColumns.h"
#include "core/TPLU.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"

inline void fillBenchDocument(PluDocument *doc)
{
    {
        PluTableModel::BulkUpdate bulk(doc->model());
        for (int r = 0; r < PluColumns::RowCount; ++r) {
            TPLU plu;
            plu.setPluNameBytes("Article number " + QByteArray::number(r));
            plu.LFCode = r + 1;
            plu.setCodeBytes(QByteArray::number(2000000 + r));
            plu.UnitPrice = 100 + r;
            plu.WeightUnit = r % 13;
            plu.Tare = 0.01 * (r % 50);
            plu.HotKey = r < 224 ? r + 1 : 0;
            plu.Message1 = r % 100;
            doc->model()->pluToRow(plu, r);
        }
    }
    for (int m = 1; m <= 500; ++m)
        doc->messages().setMessageLines(m, {QStringLiteral("Message %1").arg(m), QStringLiteral("second line")});
}
