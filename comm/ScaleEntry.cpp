#include "comm/ScaleEntry.h"

#include "core/TextLines.h"

#include <QSet>
#include <QStringList>

namespace {
const char *const kHeader = "Name,Group,Address,Baud,TimeoutMs";
constexpr int kColumns = 5;
} // namespace

bool ScaleEntry::check(ScaleAddress *out, QString *error) const
{
    if (name.trimmed().isEmpty()) {
        *error = QCoreApplication::translate("ScaleEntry", "a scale needs a name");
        return false;
    }
    ScaleAddress a;
    if (!ScaleAddress::parse(address, baud, &a, error))
        return false;
    if (timeoutMs < 0 || timeoutMs > 600000) {
        *error =
            QCoreApplication::translate("ScaleEntry", "the time-out %1 ms is not between 0 and 600000").arg(timeoutMs);
        return false;
    }
    if (out)
        *out = a;
    return true;
}

QString ScaleEntry::linkName() const
{
    ScaleAddress a;
    QString error;
    if (!ScaleAddress::parse(address, baud, &a, &error))
        return QString();
    return a.linkType() == LinkSerial ? QStringLiteral("RS-232") : QStringLiteral("TCP/IP");
}

QByteArray ScaleListCsv::write(const QVector<ScaleEntry> &entries)
{
    QString text = QString::fromLatin1(kHeader) + QLatin1String("\r\n");
    for (const ScaleEntry &e : entries) {
        text += QStringList{TextLines::csvField(e.name), TextLines::csvField(e.group), TextLines::csvField(e.address),
                            QString::number(e.baud), QString::number(e.timeoutMs)}
                    .join(QLatin1Char(',')) +
                QLatin1String("\r\n");
    }
    return text.toUtf8();
}

bool ScaleListCsv::read(const QByteArray &bytes, QVector<ScaleEntry> *entries, QString *error)
{
    const QString text = QString::fromUtf8(bytes);
    QVector<ScaleEntry> read;
    QSet<QString> names;
    int pos = 0;
    int line = 0;
    QStringList fields;
    while (pos < text.size()) {
        ++line;
        if (!TextLines::nextCsvRecord(text, &pos, &fields)) {
            *error = tr("line %1: a quote is not closed").arg(line);
            return false;
        }
        if (fields.size() == 1 && fields.first().trimmed().isEmpty())
            continue;
        if (line == 1 && fields.first().compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0)
            continue;
        if (fields.size() < 3 || fields.size() > kColumns) {
            *error = tr("line %1: expected name, group, address, baud and time-out").arg(line);
            return false;
        }
        ScaleEntry e;
        e.name = fields.at(0).trimmed();
        e.group = fields.at(1).trimmed();
        e.address = fields.at(2).trimmed();
        bool ok = true;
        if (fields.size() > 3 && !fields.at(3).trimmed().isEmpty())
            e.baud = fields.at(3).trimmed().toInt(&ok);
        if (ok && fields.size() > 4 && !fields.at(4).trimmed().isEmpty())
            e.timeoutMs = fields.at(4).trimmed().toInt(&ok);
        QString why;
        if (!ok) {
            *error = tr("line %1: baud and time-out are numbers").arg(line);
            return false;
        }
        if (!e.check(nullptr, &why)) {
            *error = tr("line %1: %2").arg(line).arg(why);
            return false;
        }
        if (names.contains(e.name)) {
            *error = tr("line %1: the name \"%2\" is already used").arg(line).arg(e.name);
            return false;
        }
        names.insert(e.name);
        read.append(e);
    }
    *entries = read;
    return true;
}
