#include "document/RecoveryGrid.h"

namespace {
const QByteArray kHeader = QByteArrayLiteral("PLU recovery grid 1");

bool sameAsNew(const QVariant &cell, const QVariant &fresh)
{
    return cell.userType() == fresh.userType() && cell == fresh;
}

void appendEscaped(QByteArray *out, const QByteArray &text)
{
    for (const char ch : text) {
        switch (ch) {
        case '\\':
            *out += "\\\\";
            break;
        case '\t':
            *out += "\\t";
            break;
        case '\r':
            *out += "\\r";
            break;
        case '\n':
            *out += "\\n";
            break;
        default:
            *out += ch;
        }
    }
}

bool unescape(const QByteArray &field, QByteArray *out)
{
    out->clear();
    out->reserve(field.size());
    for (int i = 1; i < field.size(); ++i) {
        const char ch = field.at(i);
        if (ch != '\\') {
            *out += ch;
            continue;
        }
        if (++i >= field.size())
            return false;
        switch (field.at(i)) {
        case '\\':
            *out += '\\';
            break;
        case 't':
            *out += '\t';
            break;
        case 'r':
            *out += '\r';
            break;
        case 'n':
            *out += '\n';
            break;
        default:
            return false;
        }
    }
    return true;
}

bool decodeCell(const QByteArray &field, const QVariant &fresh, QVariant *cell)
{
    if (field == "=") {
        *cell = fresh;
        return true;
    }
    if (field.isEmpty())
        return false;
    bool ok = false;
    switch (field.at(0)) {
    case 'i': {
        const int value = field.mid(1).toInt(&ok);
        *cell = value;
        return ok;
    }
    case 'l': {
        const qlonglong value = field.mid(1).toLongLong(&ok);
        *cell = value;
        return ok;
    }
    case 's': {
        QByteArray text;
        if (!unescape(field, &text))
            return false;
        *cell = QString::fromUtf8(text);
        return true;
    }
    default:
        return false;
    }
}
} // namespace

QByteArray RecoveryGrid::encodeRow(const PluTableModel::Row &row, const PluTableModel::Row &fresh)
{
    QByteArray out;
    out.reserve(96);
    for (int c = 0; c < PluColumns::Count; ++c) {
        if (c > 0)
            out += '\t';
        const QVariant &cell = row[c];
        if (sameAsNew(cell, fresh[c])) {
            out += '=';
        } else if (cell.userType() == QMetaType::Int) {
            out += 'i' + QByteArray::number(cell.toInt());
        } else if (cell.userType() == QMetaType::LongLong) {
            out += 'l' + QByteArray::number(cell.toLongLong());
        } else {
            out += 's';
            appendEscaped(&out, cell.toString().toUtf8());
        }
    }
    return out;
}

QByteArray RecoveryGrid::join(const QVector<QByteArray> &lines)
{
    const QByteArray fresh = encodeRow(PluTableModel::newRow(), PluTableModel::newRow());
    int count = lines.size();
    while (count > 0 && lines.at(count - 1) == fresh)
        --count;
    int size = kHeader.size() + 1;
    for (int r = 0; r < count; ++r)
        size += lines.at(r).size() + 1;
    QByteArray out;
    out.reserve(size);
    out += kHeader + '\n';
    for (int r = 0; r < count; ++r)
        out += lines.at(r) + '\n';
    return out;
}

QByteArray RecoveryGrid::encode(const QVector<PluTableModel::Row> &rows)
{
    const PluTableModel::Row fresh = PluTableModel::newRow();
    QVector<QByteArray> lines;
    lines.reserve(rows.size());
    for (const PluTableModel::Row &row : rows)
        lines.append(encodeRow(row, fresh));
    return join(lines);
}

bool RecoveryGrid::decode(const QByteArray &bytes, QVector<PluTableModel::Row> *rows, QString *error)
{
    rows->clear();
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines.takeFirst() != kHeader || lines.isEmpty() || !lines.last().isEmpty()) {
        *error = tr("The recovery copy's grid is not whole");
        return false;
    }
    lines.removeLast();
    if (lines.size() > PluColumns::RowCount) {
        *error = tr("The recovery copy's grid has more rows than the table");
        return false;
    }
    const PluTableModel::Row fresh = PluTableModel::newRow();
    rows->reserve(lines.size());
    for (int r = 0; r < lines.size(); ++r) {
        const QList<QByteArray> fields = lines.at(r).split('\t');
        PluTableModel::Row row;
        bool ok = fields.size() == PluColumns::Count;
        for (int c = 0; ok && c < PluColumns::Count; ++c)
            ok = decodeCell(fields.at(c), fresh[c], &row[c]);
        if (!ok) {
            rows->clear();
            *error = tr("Row %1 of the recovery copy's grid cannot be read").arg(r + 1);
            return false;
        }
        rows->append(row);
    }
    return true;
}
