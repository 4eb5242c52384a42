#include "io/TextSheetReader.h"

#include "core/TextCodec.h"
#include "core/TextLines.h"

#include <QCoreApplication>

namespace {
} // namespace

bool TextSheetReader::looksLikeSheet(const QByteArray &head)
{
    if (head.contains('\0'))
        return false;
    for (const QByteArray &line : TextLines::splitBytes(head)) {
        if (!line.trimmed().isEmpty())
            return line.contains('\t');
    }
    return false;
}

bool TextSheetReader::read(const QByteArray &bytes, Sheet *sheet, SheetError *error, const SheetProgress &progress)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    const QString text = TextCodec::isValidUtf8(body) ? QString::fromUtf8(body) : TextCodec::fromLocal8(body);
    const QStringList lines = TextLines::split(text);
    if (lines.size() > Sheet::MaxRows)
        return error->set(SheetError::TooLarge,
                          TextSheetReader::tr("the sheet has more than %1 rows").arg(Sheet::MaxRows));
    Sheet result;
    result.rows.reserve(lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        QVector<QVariant> cells;
        int start = 0;
        while (start < line.size() && cells.size() < Sheet::MaxColumns) {
            int end = line.indexOf(QLatin1Char('\t'), start);
            if (end < 0)
                end = line.size();
            const QString field = line.mid(start, qMin(end - start, Sheet::MaxTextLength));
            cells.append(field.isEmpty() ? QVariant() : QVariant(field));
            start = end + 1;
        }
        result.rows.append(std::move(cells));
        if (progress && (i & 0xfff) == 0xfff && !progress(i, lines.size()))
            return error->set(SheetError::Cancelled, TextSheetReader::tr("cancelled"));
    }
    *sheet = std::move(result);
    return true;
}
