#include "hotkey/KeyFile.h"

#include "core/AtomicFile.h"
#include "core/PluColumns.h"
#include "core/TextCodec.h"
#include "document/PluTableModel.h"

#include <QStringList>

QByteArray KeyFile::build(const PluTableModel &model, int usedRows)
{
    QStringList lines;
    for (int k = 0; k < Lines; ++k)
        lines << QStringLiteral("-1");
    for (int r = 0; r < usedRows && r < model.rowCount(); ++r) {
        const int h = model.text(r, PluColumns::HotKey).toInt();
        if (h >= 1 && h <= Lines)
            lines[h - 1] = model.text(r, PluColumns::LFCode);
    }
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1String("\r\n");
    return TextCodec::toLocal8(text);
}

bool KeyFile::write(const QString &path, const PluTableModel &model, int usedRows, QString *error)
{
    return AtomicFile::write(path, build(model, usedRows), error);
}
