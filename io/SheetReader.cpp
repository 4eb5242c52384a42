#include "io/SheetReader.h"

#include "io/OdsReader.h"
#include "io/TextSheetReader.h"
#include "io/XlsReader.h"
#include "io/XlsxReader.h"
#include "io/ZipPackage.h"

#include <QCoreApplication>
#include <QFile>

namespace {
const QByteArray kZipMagic("PK\x03\x04", 4);
const QByteArray kCompoundMagic("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

// An encrypted xlsx (or a password-protected one) is a compound file holding the encrypted
// package; its directory names it in UTF-16.
bool holdsEncryptedPackage(QFile &file)
{
    static const QByteArray name = [] {
        QByteArray n;
        for (const char c : QByteArray("EncryptedPackage"))
            n.append(c).append('\0');
        return n;
    }();
    file.seek(0);
    QByteArray carry;
    while (!file.atEnd()) {
        const QByteArray chunk = carry + file.read(1 << 20);
        if (chunk.contains(name))
            return true;
        carry = chunk.right(name.size());
    }
    return false;
}

// Which kind of zip: an OpenDocument file names its type first, an Office Open XML file lists
// its parts' types.
SheetReader::Format zipFormat(QFile &file)
{
    file.seek(0);
    ZipPackage zip(&file);
    SheetError ignored;
    if (!zip.open(&ignored))
        return SheetReader::Format::Xlsx; // the reader reports the damage
    QByteArray mimetype;
    if (zip.contains(QStringLiteral("mimetype")) &&
        zip.readMember(QStringLiteral("mimetype"), 256, &mimetype, &ignored) &&
        mimetype.trimmed().startsWith("application/vnd.oasis.opendocument.spreadsheet"))
        return SheetReader::Format::Ods;
    if (zip.contains(QStringLiteral("[Content_Types].xml")))
        return SheetReader::Format::Xlsx;
    if (zip.contains(QStringLiteral("content.xml")))
        return SheetReader::Format::Ods;
    return SheetReader::Format::Unknown;
}
} // namespace

SheetReader::Format SheetReader::formatOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Format::Unknown;
    const QByteArray head = file.peek(4096);
    if (head.startsWith(kZipMagic))
        return zipFormat(file);
    if (head.startsWith(kCompoundMagic))
        return Format::Xls;
    return TextSheetReader::looksLikeSheet(head) ? Format::Text : Format::Unknown;
}

bool SheetReader::read(const QString &path, Sheet *sheet, SheetError *error, const SheetProgress &progress)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return error->set(SheetError::CannotOpen, file.errorString());
    if (file.size() == 0)
        return error->set(SheetError::NotASpreadsheet, SheetReader::tr("the file is empty"));
    const QByteArray head = file.peek(4096);
    if (head.startsWith(kZipMagic)) {
        switch (zipFormat(file)) {
        case Format::Ods:
            file.seek(0);
            return OdsReader::read(&file, sheet, error, progress);
        case Format::Xlsx:
            file.seek(0);
            return XlsxReader::read(&file, sheet, error, progress);
        default:
            return error->set(SheetError::NotASpreadsheet, SheetReader::tr("a zip archive, but no workbook"));
        }
    }
    if (head.startsWith(kCompoundMagic)) {
        if (holdsEncryptedPackage(file))
            return error->set(SheetError::PasswordProtected, SheetReader::tr("the workbook is password-protected"));
        file.close();
        return XlsReader::read(path, sheet, error, progress);
    }
    if (!TextSheetReader::looksLikeSheet(head))
        return error->set(SheetError::NotASpreadsheet,
                          SheetReader::tr("not a spreadsheet (xlsx, xls, ods or tab-separated text)"));
    if (file.size() > Sheet::MaxTextBytes)
        return error->set(SheetError::TooLarge,
                          SheetReader::tr("the file is larger than %1 MB").arg(Sheet::MaxTextBytes >> 20));
    return TextSheetReader::read(file.readAll(), sheet, error, progress);
}
