#pragma once

#include <QList>
#include <QStringList>

class PluTableModel;

// Find in one column of the used rows: rows whose text equals the searched text (ignoring
// case) are hits; texts that merely contain it are offered as suggestions.
class PluFinder
{
public:
    struct Result
    {
        QList<int> rows;
        QStringList suggestions;
    };
    // The four searchable columns in the order of the index-name box.
    static int columnForIndex(int index);
    static Result scan(const PluTableModel &model, int column, const QString &text, int rowCount);
};
