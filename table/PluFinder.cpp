#include "table/PluFinder.h"

#include "core/PluColumns.h"
#include "document/PluTableModel.h"

int PluFinder::columnForIndex(int index)
{
    static const int columns[] = {PluColumns::HotKey, PluColumns::PluName, PluColumns::LFCode, PluColumns::Code};
    return index >= 0 && index < 4 ? columns[index] : PluColumns::HotKey;
}

PluFinder::Result PluFinder::scan(const PluTableModel &model, int column, const QString &text, int rowCount)
{
    Result result;
    if (text.isEmpty())
        return result;
    const int n = qMin(rowCount, model.rowCount());
    for (int r = 0; r < n; ++r) {
        const QString cell = model.text(r, column);
        if (!cell.contains(text, Qt::CaseInsensitive))
            continue;
        if (cell.compare(text, Qt::CaseInsensitive) == 0)
            result.rows << r;
        else
            result.suggestions << cell;
    }
    return result;
}
