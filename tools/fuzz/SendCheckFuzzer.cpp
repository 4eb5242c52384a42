// Reads arbitrary bytes as a PLU file (tab- or comma-separated, in one of three code pages) and
// as advertising lines, then runs the check before a send over what was read, as plu-cli send
// does with a file it is given. Every problem must name a cell that was sent, or no cell for
// the advertising texts, and read as a line.
#include "comm/SendCheck.h"
#include "comm/TransferJob.h"
#include "comm/TransferSnapshot.h"
#include "core/PluColumns.h"
#include "core/TextCodec.h"
#include "document/AdvertisingList.h"
#include "document/PluFile.h"

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
    // Bytes after the first NUL are the ".Info" file.
    const int nul = bytes.indexOf('\0');
    const QByteArray main = nul < 0 ? bytes : bytes.left(nul);
    const PluFile::Parsed parsed = (mode & 4) ? PluFile::parseCommaSeparated(main) : PluFile::parseTabSeparated(main);
    AdvertisingList advertising;
    advertising.fromInfoBytes(nul < 0 ? QByteArray() : bytes.mid(nul + 1));

    // What TransferSnapshot::take reads from a document, without building a 20000-row model
    // for every input: the check reads the cells and counts the records.
    TransferSnapshot snapshot;
    snapshot.hasDocument = true;
    snapshot.cells = parsed.rows.mid(0, parsed.rowCount);
    for (int r = 0; r < parsed.rowCount; ++r)
        snapshot.plus.append(TPLU());
    snapshot.adHead = advertising.head();
    snapshot.adTail = advertising.tail();
    snapshot.selection.plu = true;
    snapshot.selection.hotkey = (mode & 8) != 0;
    snapshot.selection.info = true;
    for (const int job : {int(JobDownloadPlu), int(JobUpdatePlu), int(JobDownloadAdvertising)}) {
        for (const SendProblem &p : SendCheck::check(snapshot, job)) {
            const bool cell =
                p.row >= 0 && p.row < snapshot.plus.size() && p.column >= 0 && p.column < PluColumns::Count;
            const bool advertising = p.row == -1 && p.column == -1;
            if ((!cell && !advertising) || p.text.isEmpty() || p.rule.isEmpty() || p.line().isEmpty())
                std::abort();
        }
    }
    return 0;
}
