#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

class PluTableModel;

// "Export to Excel" without its dialogs: the shown columns of the used rows, as tab-separated
// text (what spreadsheet programs open under ".xls") or as a real workbook (".xlsx"). Weight
// unit and package type go out as their codes, so that the import reads them back.
class SheetExport
{
    Q_DECLARE_TR_FUNCTIONS(SheetExport)

public:
    enum class Format
    {
        TabText,
        Workbook
    };
    // ".xlsx" (any case) is a workbook; anything else tab-separated text.
    static Format formatOf(const QString &path);
    // The columns a table set up with the current settings shows.
    static QVector<int> shownColumns();

    // The field of one cell as both formats write it.
    static QString field(const PluTableModel &model, int row, int column);
    // Title line and one line per row; every field followed by a tab, lines ended by LF, in the
    // code page of the settings.
    static QByteArray tabText(const PluTableModel &model, int rowCount, const QVector<int> &columns);
    // One worksheet: a bold, frozen title row; numbers as numbers (shown with the decimals the
    // grid shows), names, codes and dates as texts, so leading zeros stay.
    static bool writeWorkbook(const QString &path, const PluTableModel &model, int rowCount,
                              const QVector<int> &columns, QString *error);
    // Either, by the path's suffix; written atomically, *error names the file and the reason.
    static bool write(const QString &path, const PluTableModel &model, int rowCount, const QVector<int> &columns,
                      QString *error);
};
