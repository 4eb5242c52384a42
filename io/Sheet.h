#pragma once

#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>

// The first worksheet of a spreadsheet file, as the import sees it: rows of cell values. A cell
// is empty (an invalid QVariant), a text (QString), a number (double), a truth value (bool), or
// a date or time (QDate, QDateTime, QTime). A workbook's rows all span its used range, empty
// cells keeping their column; a text sheet's rows hold the fields of their line.
struct Sheet
{
    QVector<QVector<QVariant>> rows;

    // Bounds that keep a hostile or runaway file from taking the machine: a PLU list holds
    // 20000 rows and the import uses the first 19 cells of a row, so a sheet may be larger than
    // that (titles, blank rows, notes beside the data) but not without limit. Rows beyond the
    // limit refuse the file; columns beyond it are left out.
    static constexpr int MaxRows = 65536;
    static constexpr int MaxColumns = 64;
    static constexpr int MaxTextLength = 32767;                 // a cell's text is cut here, as spreadsheet programs do
    static constexpr qint64 MaxPartBytes = 256LL * 1024 * 1024; // an XML part of a workbook, unpacked
    static constexpr qint64 MaxTextBytes = 32LL * 1024 * 1024;  // a tab-separated sheet (ten full exports)

    // A cell as the import reads it: numbers in their shortest form ("12.5", "7"), dates as
    // ISO texts, truth values as "1" and "0".
    static QString text(const QVariant &cell);
    // Numbers round to the nearest integer; texts that read as a number likewise; else 0.
    static qint64 integer(const QVariant &cell);
    static double decimal(const QVariant &cell);
};

// Why a file could not be read. Tests check the code; the operator reads the text.
struct SheetError
{
    enum Code
    {
        None,
        CannotOpen,        // missing, unreadable
        NotASpreadsheet,   // no format we know
        Damaged,           // a known format, but broken
        PasswordProtected, // encrypted; we cannot read it
        TooLarge,          // more than a PLU list can use
        NoWorksheet,       // a workbook without any worksheet
        Cancelled,         // the operator stopped it
    };
    Code code = None;
    QString reason;

    bool set(Code c, const QString &text)
    {
        code = c;
        reason = text;
        return false;
    }
};

// Called now and then while a file is read: done out of total (any unit); returning false stops
// the reading with SheetError::Cancelled.
using SheetProgress = std::function<bool(qint64 done, qint64 total)>;
