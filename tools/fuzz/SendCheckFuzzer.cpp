// Runs the check before a send over arbitrary cell texts (one line a row, tab-separated cells,
// LF code and Code cells held as numbers where they read as such, as the file readers hold them)
// and arbitrary advertising lines, in one of three code pages. Every problem must name a cell
// that would be sent, or no cell for the advertising texts, and read as a line.
#include "comm/SendCheck.h"
#include "comm/TransferJob.h"
#include "comm/TransferSnapshot.h"
#include "core/PluColumns.h"
#include "core/TextCodec.h"
#include "document/AdvertisingList.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    static const char *const pages[] = {"UTF-8", "ISO-8859-1", "GBK"};
    const uint8_t mode = data[0];
    TextCodec::setCodePage(pages[mode % 3]);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));
    // Bytes after the first NUL are the advertising lines.
    const int nul = bytes.indexOf('\0');
    const QStringList lines = QString::fromUtf8(nul < 0 ? bytes : bytes.left(nul)).split(QLatin1Char('\n'));
    AdvertisingList advertising;
    advertising.fromInfoBytes(nul < 0 ? QByteArray() : bytes.mid(nul + 1));

    TransferSnapshot snapshot;
    snapshot.hasDocument = true;
    for (const QString &line : lines) {
        PluTableModel::Row row = PluTableModel::newRow();
        const QStringList fields = line.split(QLatin1Char('\t'));
        for (int c = 0; c < fields.size() && c < PluColumns::Count; ++c)
            row[c] = fields.at(c);
        bool ok = false;
        if ((mode & 16) && fields.size() > PluColumns::Code) {
            const qint64 code = fields.at(PluColumns::Code).toLongLong(&ok);
            if (ok)
                row[PluColumns::Code] = code;
            const int lfCode = fields.at(PluColumns::LFCode).toInt(&ok);
            if (ok)
                row[PluColumns::LFCode] = lfCode;
        }
        snapshot.cells.append(row);
        snapshot.plus.append(TPLU());
    }
    snapshot.adHead = advertising.head();
    snapshot.adTail = advertising.tail();
    snapshot.selection.plu = (mode & 4) != 0;
    snapshot.selection.hotkey = (mode & 8) != 0;
    snapshot.selection.info = true;
    for (const int job : {int(JobDownloadPlu), int(JobUpdatePlu), int(JobDownloadAdvertising)}) {
        for (const SendProblem &p : SendCheck::check(snapshot, job)) {
            const bool cell =
                p.row >= 0 && p.row < snapshot.plus.size() && p.column >= 0 && p.column < PluColumns::Count;
            const bool advertisingText = p.row == -1 && p.column == -1;
            if ((!cell && !advertisingText) || p.text.isEmpty() || p.rule.isEmpty() || p.line().isEmpty())
                std::abort();
        }
    }
    return 0;
}
