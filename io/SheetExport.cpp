#include "io/SheetExport.h"

#include "core/AtomicFile.h"
#include "core/PackageTypes.h"
#include "core/PluColumns.h"
#include "core/TextCodec.h"
#include "core/TextLines.h"
#include "core/WeightUnits.h"
#include "document/PluTableModel.h"
#include "io/Sheet.h"
#include "io/XlsxWriterLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using C = PluColumns;

namespace {
QString codeField(const QString &text, const QStringList &names)
{
    for (int i = 0; i < names.size(); ++i) {
        if (text.compare(names.at(i), Qt::CaseInsensitive) == 0)
            return QString::number(i);
    }
    return QString();
}

bool isTextColumn(int column)
{
    return column == C::PluName || column == C::Code || column == C::ProDate;
}

// The decimals of a plain decimal number ("-12.50" has 2), or -1 for any other text: "1e3" or
// "0x10" stay texts, and so do numbers too long for a spreadsheet's precision.
int decimalsOfNumber(const QString &text)
{
    int i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    int digits = 0;
    while (i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128) {
        ++i;
        ++digits;
    }
    if (digits == 0 || digits > 15)
        return -1;
    if (i == text.size())
        return 0;
    if (text.at(i) != QLatin1Char('.'))
        return -1;
    const int point = i++;
    while (i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128)
        ++i;
    const int decimals = i - point - 1;
    return i == text.size() && decimals >= 1 && decimals <= 9 ? decimals : -1;
}

QString describe(const QString &path, const QString &reason)
{
    return SheetExport::tr("Cannot write \"%1\": %2").arg(QDir::toNativeSeparators(path), reason);
}
} // namespace

SheetExport::Format SheetExport::formatOf(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0 ? Format::Workbook
                                                                                             : Format::TabText;
}

QVector<int> SheetExport::shownColumns()
{
    QVector<int> columns;
    for (int c = 0; c < C::Count; ++c) {
        if (!C::hiddenAtSetup(c))
            columns << c;
    }
    return columns;
}

QString SheetExport::field(const PluTableModel &model, int row, int column)
{
    const QString text = model.text(row, column);
    if (column == C::WeightUnit)
        return codeField(text, WeightUnits::names());
    if (column == C::PackageType)
        return codeField(text, PackageTypes::names());
    return TextLines::oneLine(text);
}

QByteArray SheetExport::tabText(const PluTableModel &model, int rowCount, const QVector<int> &columns)
{
    const QStringList captions = C::sharedCaptions();
    QString out;
    out.reserve((rowCount + 1) * columns.size() * 6);
    for (int c : columns) {
        out += captions.value(c);
        out += QLatin1Char('\t');
    }
    out += QLatin1Char('\n');
    for (int r = 0; r < rowCount && r < model.rowCount(); ++r) {
        for (int c : columns) {
            out += field(model, r, c);
            out += QLatin1Char('\t');
        }
        out += QLatin1Char('\n');
    }
    return TextCodec::toLocal8(out);
}

bool SheetExport::writeWorkbook(const QString &path, const PluTableModel &model, int rowCount,
                                const QVector<int> &columns, QString *error)
{
    // The library writes its own file; it is made beside its temporaries and then put in place
    // like every other file the program writes.
    QString loadError;
    const XlsxWriterLibrary *lxw = XlsxWriterLibrary::instance(&loadError);
    if (!lxw) {
        *error = describe(path, loadError);
        return false;
    }
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        *error = describe(path, scratch.errorString());
        return false;
    }
    const QByteArray scratchDir = QFile::encodeName(scratch.path());
    const QByteArray book = QFile::encodeName(scratch.filePath(QStringLiteral("export.xlsx")));
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char *>(scratchDir.constData());
    lxw_workbook *workbook = lxw->workbookNew(book.constData(), &options);
    if (!workbook) {
        *error = describe(path, SheetExport::tr("the workbook cannot be created"));
        return false;
    }
    lxw_worksheet *sheet = lxw->addWorksheet(workbook, "PLU");
    lxw_format *bold = lxw->addFormat(workbook);
    lxw->setBold(bold);
    lxw_format *decimals[10];
    for (int d = 0; d < 10; ++d) {
        decimals[d] = lxw->addFormat(workbook);
        lxw->setNumFormat(decimals[d], d == 0 ? "0" : QByteArray("0.").append(QByteArray(d, '0')).constData());
    }
    lxw->freezePanes(sheet, 1, 0);
    for (int i = 0; i < columns.size(); ++i) {
        const int width = columns.at(i) == C::PluName ? 30 : qMax(10, C::width(columns.at(i)) / 6);
        lxw->setColumn(sheet, static_cast<lxw_col_t>(i), static_cast<lxw_col_t>(i), width, nullptr);
    }

    lxw_error status = LXW_NO_ERROR;
    const QStringList captions = C::sharedCaptions();
    for (int i = 0; i < columns.size() && status == LXW_NO_ERROR; ++i)
        status = lxw->writeString(sheet, 0, static_cast<lxw_col_t>(i),
                                  captions.value(columns.at(i)).toUtf8().constData(), bold);
    for (int r = 0; r < rowCount && r < model.rowCount() && status == LXW_NO_ERROR; ++r) {
        for (int i = 0; i < columns.size() && status == LXW_NO_ERROR; ++i) {
            const int column = columns.at(i);
            const QString text = field(model, r, column);
            if (text.isEmpty())
                continue;
            const lxw_row_t row = static_cast<lxw_row_t>(r + 1);
            const lxw_col_t col = static_cast<lxw_col_t>(i);
            const int d = isTextColumn(column) ? -1 : decimalsOfNumber(text);
            if (d >= 0)
                status = lxw->writeNumber(sheet, row, col, text.toDouble(), decimals[d]);
            else
                status =
                    lxw->writeString(sheet, row, col, text.left(Sheet::MaxTextLength).toUtf8().constData(), nullptr);
        }
    }
    const lxw_error closed = lxw->close(workbook);
    if (status == LXW_NO_ERROR)
        status = closed;
    if (status != LXW_NO_ERROR) {
        *error = describe(path, QString::fromUtf8(lxw->strerror(status)));
        return false;
    }
    QFile written(QFile::decodeName(book));
    if (!written.open(QIODevice::ReadOnly)) {
        *error = describe(path, written.errorString());
        return false;
    }
    return AtomicFile::write(path, written.readAll(), error);
}

bool SheetExport::write(const QString &path, const PluTableModel &model, int rowCount, const QVector<int> &columns,
                        QString *error)
{
    if (formatOf(path) == Format::Workbook)
        return writeWorkbook(path, model, rowCount, columns, error);
    return AtomicFile::write(path, tabText(model, rowCount, columns), error);
}
