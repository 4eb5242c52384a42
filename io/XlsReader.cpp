#include "io/XlsReader.h"

#include "io/BiffFormulas.h"
#include "io/CompoundFile.h"
#include "io/SheetBuilder.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTime>
#include <freexl.h>

namespace {
// The helper gets this long; a damaged file can make FreeXL loop.
constexpr int kHelperTimeoutMs = 120000;
const QByteArray kMagic("PLUXLS1\n");

enum CellKind : quint8
{
    Empty,
    Text,
    Number,
    Truth,
    Date,
    DateTime,
    Time
};

// FreeXL keeps every sheet's cells in memory at once (16 bytes each, empty or not): the
// sheets' declared sizes are checked before it is allowed to.
constexpr qint64 kMaxCells = 8 * 1024 * 1024;

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

// What FreeXL's code says about the file, in words.
QString reasonOf(int code)
{
    switch (code) {
    case FREEXL_INVALID_CFBF_HEADER:
    case FREEXL_CFBF_INVALID_SIGNATURE:
    case FREEXL_CFBF_INVALID_SECTOR_SIZE:
        return XlsReader::tr("the workbook's container has a damaged header");
    case FREEXL_CFBF_READ_ERROR:
    case FREEXL_CFBF_SEEK_ERROR:
        return XlsReader::tr("the workbook ends before its last part (a broken copy or download?)");
    case FREEXL_CFBF_EMPTY_FAT_CHAIN:
    case FREEXL_CFBF_ILLEGAL_FAT_ENTRY:
    case FREEXL_INVALID_MINI_STREAM:
    case FREEXL_CFBF_ILLEGAL_MINI_FAT_ENTRY:
        return XlsReader::tr("the table of the workbook's container points outside the file");
    case FREEXL_BIFF_INVALID_BOF:
        return XlsReader::tr("the workbook does not start as an Excel 97-2003 workbook does");
    case FREEXL_BIFF_INVALID_SST:
    case FREEXL_BIFF_ILLEGAL_SST_INDEX:
        return XlsReader::tr("a cell refers to a shared text that does not exist");
    case FREEXL_INVALID_CHARACTER:
    case FREEXL_UNSUPPORTED_CHARSET:
        return XlsReader::tr("the workbook's texts are in a character set that cannot be read");
    case FREEXL_ILLEGAL_RK_VALUE:
        return XlsReader::tr("a number of the workbook cannot be read");
    default:
        return XlsReader::tr("the workbook is damaged");
    }
}

bool failed(int code, SheetError *error)
{
    switch (code) {
    case FREEXL_OK:
        return false;
    case FREEXL_FILE_NOT_FOUND:
        error->set(SheetError::CannotOpen, XlsReader::tr("the file cannot be opened"));
        return true;
    case FREEXL_INSUFFICIENT_MEMORY:
        error->set(SheetError::TooLarge, XlsReader::tr("the workbook does not fit in memory"));
        return true;
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
        error->set(SheetError::NotASpreadsheet, XlsReader::tr("an Office file, but no workbook"));
        return true;
    default:
        error->set(SheetError::Damaged, reasonOf(code));
        return true;
    }
}

// Codes of the container rather than of the workbook in it: a rewritten container may read.
bool containerFault(int code)
{
    return code == FREEXL_INVALID_MINI_STREAM || code == FREEXL_CFBF_ILLEGAL_MINI_FAT_ENTRY ||
           code == FREEXL_CFBF_EMPTY_FAT_CHAIN || code == FREEXL_CFBF_ILLEGAL_FAT_ENTRY ||
           code == FREEXL_BIFF_WORKBOOK_NOT_FOUND || code == FREEXL_CFBF_READ_ERROR;
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
        return error->set(SheetError::PasswordProtected, XlsReader::tr("the workbook is password-protected"));
    unsigned int sheets = 0;
    if (freexl_get_info(info.get(), FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK || sheets == 0)
        return error->set(SheetError::NoWorksheet, XlsReader::tr("the workbook has no worksheet"));
    qint64 cells = 0;
    for (unsigned int s = 0; s < sheets && s < 0xffff; ++s) {
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_select_active_worksheet(info.get(), static_cast<unsigned short>(s)) != FREEXL_OK ||
            freexl_worksheet_dimensions(info.get(), &rows, &columns) != FREEXL_OK)
            continue;
        if (s == 0 && rows > unsigned(Sheet::MaxRows))
            return error->set(SheetError::TooLarge,
                              XlsReader::tr("the sheet has more than %1 rows").arg(Sheet::MaxRows));
        cells += qint64(rows) * columns;
        if (cells > kMaxCells)
            return error->set(SheetError::TooLarge,
                              XlsReader::tr("the workbook has more than %1 cells").arg(kMaxCells));
    }
    return true;
}
} // namespace

bool XlsReader::readInProcess(const QString &path, Sheet *sheet, SheetError *error)
{
    QByteArray name = QFile::encodeName(path);
    // FreeXL reads a small workbook only from a container laid out as Excel lays it out (the
    // root named "Root Entry"); writers of web tools name it otherwise. The workbook stream is
    // then put into a plain container of its own.
    QTemporaryDir scratch;
    {
        Handle probe;
        const int code = freexl_open_info(name.constData(), probe.out());
        QFile file(path);
        if (code != FREEXL_OK && containerFault(code) && scratch.isValid() && file.open(QIODevice::ReadOnly)) {
            const QByteArray plain =
                CompoundFile::withStream("Workbook", CompoundFile(file.readAll()).stream("Workbook"));
            const QString copy = scratch.filePath(QStringLiteral("workbook.xls"));
            QFile out(copy);
            if (plain.size() > 512 && out.open(QIODevice::WriteOnly) && out.write(plain) == plain.size() && out.flush())
                name = QFile::encodeName(copy);
        }
    }
    if (!checkSize(name, error))
        return false;
    Handle book;
    if (failed(freexl_open(name.constData(), book.out()), error))
        return false;
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(book.get(), 0) != FREEXL_OK ||
        freexl_worksheet_dimensions(book.get(), &rows, &columns) != FREEXL_OK)
        return error->set(SheetError::NoWorksheet, XlsReader::tr("the workbook has no worksheet"));
    SheetBuilder builder;
    const unsigned short width = static_cast<unsigned short>(qMin<int>(columns, Sheet::MaxColumns));
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < width; ++c) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(book.get(), r, c, &cell) != FREEXL_OK)
                return error->set(SheetError::Damaged,
                                  XlsReader::tr("the cell in row %1, column %2 cannot be read").arg(r + 1).arg(c + 1));
            if (!builder.set(static_cast<int>(r), c, valueOf(cell)))
                return error->set(SheetError::TooLarge,
                                  XlsReader::tr("the sheet has more than %1 rows").arg(Sheet::MaxRows));
        }
    }
    // FreeXL leaves formula cells empty; their stored results come from the records.
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QHash<BiffFormulas::Cell, QVariant> formulas = BiffFormulas::read(file.readAll());
        for (auto it = formulas.cbegin(); it != formulas.cend(); ++it)
            builder.set(it.key().first, it.key().second, it.value());
    }
    *sheet = builder.take();
    return true;
}

namespace {
void writeText(QDataStream &out, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    out << quint32(bytes.size());
    out.writeRawData(bytes.constData(), bytes.size());
}
} // namespace

QByteArray XlsReader::encode(const Sheet &sheet, const SheetError &error)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData(kMagic.constData(), kMagic.size());
    out << qint32(error.code);
    writeText(out, error.reason.left(4096));
    out << quint32(sheet.rows.size());
    for (const QVector<QVariant> &row : sheet.rows) {
        out << quint32(row.size());
        for (const QVariant &cell : row) {
            switch (cell.userType()) {
            case QMetaType::QString:
                out << quint8(Text);
                writeText(out, cell.toString());
                break;
            case QMetaType::Double:
                out << quint8(Number) << cell.toDouble();
                break;
            case QMetaType::Bool:
                out << quint8(Truth) << quint8(cell.toBool());
                break;
            case QMetaType::QDate:
                out << quint8(Date) << qint64(cell.toDate().toJulianDay());
                break;
            case QMetaType::QDateTime:
                out << quint8(DateTime) << qint64(cell.toDateTime().date().toJulianDay())
                    << qint32(cell.toDateTime().time().msecsSinceStartOfDay());
                break;
            case QMetaType::QTime:
                out << quint8(Time) << qint32(cell.toTime().msecsSinceStartOfDay());
                break;
            default:
                out << quint8(Empty);
                break;
            }
        }
    }
    return bytes;
}

namespace {
// A length-prefixed UTF-8 text of at most `limit` bytes.
bool readText(QDataStream &in, int limit, QString *text)
{
    quint32 size = 0;
    in >> size;
    if (in.status() != QDataStream::Ok || size > quint32(limit))
        return false;
    QByteArray bytes(static_cast<int>(size), Qt::Uninitialized);
    if (size > 0 && in.readRawData(bytes.data(), static_cast<int>(size)) != static_cast<int>(size))
        return false;
    *text = QString::fromUtf8(bytes);
    return true;
}

bool readCell(QDataStream &in, QVariant *cell)
{
    quint8 kind = Empty;
    in >> kind;
    switch (kind) {
    case Empty:
        *cell = QVariant();
        return true;
    case Text: {
        QString text;
        if (!readText(in, Sheet::MaxTextLength * 4, &text))
            return false;
        *cell = text.left(Sheet::MaxTextLength);
        return true;
    }
    case Number: {
        double d = 0;
        in >> d;
        *cell = d;
        return true;
    }
    case Truth: {
        quint8 b = 0;
        in >> b;
        *cell = b != 0;
        return true;
    }
    case Date:
    case DateTime: {
        qint64 day = 0;
        qint32 ms = 0;
        in >> day;
        if (kind == DateTime)
            in >> ms;
        const QDate date = QDate::fromJulianDay(day);
        const QTime time = QTime::fromMSecsSinceStartOfDay(ms);
        if (!date.isValid() || !time.isValid())
            return false;
        *cell = kind == Date ? QVariant(date) : QVariant(QDateTime(date, time));
        return true;
    }
    case Time: {
        qint32 ms = 0;
        in >> ms;
        const QTime time = QTime::fromMSecsSinceStartOfDay(ms);
        *cell = time;
        return time.isValid();
    }
    default:
        return false;
    }
}
} // namespace

bool XlsReader::decode(const QByteArray &answer, Sheet *sheet, SheetError *error)
{
    const auto damaged = [error] {
        return error->set(SheetError::Damaged,
                          XlsReader::tr("the workbook is damaged (its reader gave no usable answer)"));
    };
    if (!answer.startsWith(kMagic))
        return damaged();
    QDataStream in(answer);
    in.setByteOrder(QDataStream::LittleEndian);
    in.skipRawData(kMagic.size());
    qint32 code = 0;
    QString reason;
    in >> code;
    if (!readText(in, 4096 * 4, &reason) || code < SheetError::None || code > SheetError::Cancelled)
        return damaged();
    if (code != SheetError::None)
        return error->set(static_cast<SheetError::Code>(code),
                          reason.isEmpty() ? XlsReader::tr("the workbook is damaged") : reason);
    quint32 rows = 0;
    in >> rows;
    if (in.status() != QDataStream::Ok || rows > quint32(Sheet::MaxRows))
        return damaged();
    Sheet result;
    result.rows.reserve(static_cast<int>(rows));
    for (quint32 r = 0; r < rows; ++r) {
        quint32 cells = 0;
        in >> cells;
        if (in.status() != QDataStream::Ok || cells > quint32(Sheet::MaxColumns))
            return damaged();
        QVector<QVariant> row(static_cast<int>(cells));
        for (QVariant &cell : row) {
            if (!readCell(in, &cell) || in.status() != QDataStream::Ok)
                return damaged();
        }
        result.rows.append(std::move(row));
    }
    if (!in.atEnd())
        return damaged();
    *sheet = std::move(result);
    return true;
}

QString XlsReader::helperPath()
{
    const QString program = QCoreApplication::applicationDirPath();
    const QString name = QString::fromLatin1(HelperName);
    const QString beside = program + QLatin1Char('/') + name;
    if (QFileInfo(beside).isExecutable())
        return beside;
    const QString buildTree = QDir::cleanPath(program + QStringLiteral("/../bin/") + name);
    return QFileInfo(buildTree).isExecutable() ? buildTree : beside;
}

bool XlsReader::read(const QString &path, Sheet *sheet, SheetError *error, const SheetProgress &progress)
{
    const QString helper = helperPath();
    if (!QFileInfo(helper).isExecutable())
        return error->set(SheetError::CannotOpen,
                          XlsReader::tr("the .xls reader \"%1\" is missing beside the program").arg(helper));
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(helper, {QFileInfo(path).absoluteFilePath()});
    QElapsedTimer clock;
    clock.start();
    while (!process.waitForFinished(50)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if ((progress && !progress(0, 0)) || clock.elapsed() > kHelperTimeoutMs) {
            process.kill();
            process.waitForFinished();
            if (clock.elapsed() > kHelperTimeoutMs)
                return error->set(SheetError::Damaged,
                                  XlsReader::tr("the workbook is damaged (reading it did not end)"));
            return error->set(SheetError::Cancelled, XlsReader::tr("cancelled"));
        }
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return error->set(SheetError::Damaged, XlsReader::tr("the workbook is damaged (its reader stopped)"));
    return decode(process.readAllStandardOutput(), sheet, error);
}
