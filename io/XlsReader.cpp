#include "io/XlsReader.h"

#include "io/SheetBuilder.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QTime>
#include <freexl.h>

namespace {
// FreeXL keeps every sheet's cells in memory at once (16 bytes each, empty or not): the
// sheets' declared sizes are checked before it is allowed to.
constexpr qint64 kMaxCells = 8 * 1024 * 1024;

QString tr(const char *text)
{
    return QCoreApplication::translate("SheetReader", text);
}

// Closes the handle on every path; FreeXL wants that even after a failed open.
class Handle
{
public:
    ~Handle()
    {
        if (m_handle)
            freexl_close(m_handle);
    }
    const void **out() { return &m_handle; }
    const void *get() const { return m_handle; }

private:
    const void *m_handle = nullptr;
};

bool failed(int code, SheetError *error)
{
    switch (code) {
    case FREEXL_OK:
        return false;
    case FREEXL_FILE_NOT_FOUND:
        error->set(SheetError::CannotOpen, tr("the file cannot be opened"));
        return true;
    case FREEXL_INSUFFICIENT_MEMORY:
        error->set(SheetError::TooLarge, tr("the workbook does not fit in memory"));
        return true;
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
        error->set(SheetError::NotASpreadsheet, tr("an Office file, but no workbook"));
        return true;
    default:
        error->set(SheetError::Damaged, tr("the workbook is damaged (code %1)").arg(code));
        return true;
    }
}

QVariant valueOf(const FreeXL_CellValue &cell)
{
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return double(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return cell.value.double_value;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return QString::fromUtf8(cell.value.text_value).left(Sheet::MaxTextLength);
    case FREEXL_CELL_DATE: {
        const QDate d = QDate::fromString(QString::fromLatin1(cell.value.text_value), Qt::ISODate);
        return d.isValid() ? QVariant(d) : QVariant(QString::fromLatin1(cell.value.text_value));
    }
    case FREEXL_CELL_DATETIME: {
        const QString text = QString::fromLatin1(cell.value.text_value);
        const QDateTime dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return dt.isValid() ? QVariant(dt) : QVariant(text);
    }
    case FREEXL_CELL_TIME: {
        const QString text = QString::fromLatin1(cell.value.text_value);
        const QTime t = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
        return t.isValid() ? QVariant(t) : QVariant(text);
    }
    default:
        return QVariant();
    }
}

// Checks what the full open would allocate, from the sheets' declared dimensions.
bool checkSize(const QByteArray &path, SheetError *error)
{
    Handle info;
    if (failed(freexl_open_info(path.constData(), info.out()), error))
        return false;
    unsigned int value = 0;
    if (freexl_get_info(info.get(), FREEXL_BIFF_PASSWORD, &value) == FREEXL_OK && value == FREEXL_BIFF_OBFUSCATED)
        return error->set(SheetError::PasswordProtected, tr("the workbook is password-protected"));
    unsigned int sheets = 0;
    if (freexl_get_info(info.get(), FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK || sheets == 0)
        return error->set(SheetError::NoWorksheet, tr("the workbook has no worksheet"));
    qint64 cells = 0;
    for (unsigned int s = 0; s < sheets && s < 0xffff; ++s) {
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_select_active_worksheet(info.get(), static_cast<unsigned short>(s)) != FREEXL_OK ||
            freexl_worksheet_dimensions(info.get(), &rows, &columns) != FREEXL_OK)
            continue;
        if (s == 0 && rows > unsigned(Sheet::MaxRows))
            return error->set(SheetError::TooLarge, tr("the sheet has more than %1 rows").arg(Sheet::MaxRows));
        cells += qint64(rows) * columns;
        if (cells > kMaxCells)
            return error->set(SheetError::TooLarge, tr("the workbook has more than %1 cells").arg(kMaxCells));
    }
    return true;
}
} // namespace

bool XlsReader::read(const QString &path, Sheet *sheet, SheetError *error, const SheetProgress &progress)
{
    const QByteArray name = QFile::encodeName(path);
    if (!checkSize(name, error))
        return false;
    Handle book;
    if (failed(freexl_open(name.constData(), book.out()), error))
        return false;
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(book.get(), 0) != FREEXL_OK ||
        freexl_worksheet_dimensions(book.get(), &rows, &columns) != FREEXL_OK)
        return error->set(SheetError::NoWorksheet, tr("the workbook has no worksheet"));
    SheetBuilder builder;
    const unsigned short width = static_cast<unsigned short>(qMin<int>(columns, Sheet::MaxColumns));
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < width; ++c) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(book.get(), r, c, &cell) != FREEXL_OK)
                return error->set(SheetError::Damaged,
                                  tr("the cell in row %1, column %2 cannot be read").arg(r + 1).arg(c + 1));
            if (!builder.set(static_cast<int>(r), c, valueOf(cell)))
                return error->set(SheetError::TooLarge, tr("the sheet has more than %1 rows").arg(Sheet::MaxRows));
        }
        if (progress && (r & 0x3ff) == 0x3ff && !progress(r, rows))
            return error->set(SheetError::Cancelled, tr("cancelled"));
    }
    *sheet = builder.take();
    return true;
}
