// Feeds arbitrary bytes to every reader of a PLU file set: the main file as a tab-separated and
// as a comma-separated list, the side files (.Info, .Msg, .RSC), and the grid of a recovery copy. Under UTF-8 whatever
// a reader accepts must survive being written and read again unchanged; under GBK (multi-byte, with its own invalid
// sequences) the readers must merely not fail.
#include "core/TextCodec.h"
#include "document/AdvertisingList.h"
#include "document/MessageStore.h"
#include "document/PluFile.h"
#include "document/RecoveryGrid.h"
#include "document/ScheduleStore.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

QByteArray writtenAfterReading(const QByteArray &tabSeparated)
{
    PluFile::Parsed parsed;
    QString error;
    check(PluFile::read(PluFile::Kind::TabSeparated, tabSeparated, QStringLiteral("saved"), &parsed, &error));
    return PluFile::toBytes(parsed.rows, parsed.rows.size());
}

// What a save writes reads back as the same rows, so saving again writes the same bytes. Cells
// from a comma-separated list may still carry blanks that the tab-separated reader trims: they
// settle after one round.
void mainFileRoundTrip(PluFile::Kind kind, const QByteArray &bytes, bool exact)
{
    PluFile::Parsed parsed;
    QString error;
    if (!PluFile::read(kind, bytes, QStringLiteral("in"), &parsed, &error)) {
        check(!error.isEmpty());
        return;
    }
    check(parsed.rows.size() <= PluColumns::RowCount);
    if (!exact)
        return;
    const QByteArray first = PluFile::toBytes(parsed.rows, parsed.rows.size());
    const QByteArray second = writtenAfterReading(first);
    check(kind == PluFile::Kind::CommaSeparated || second == first);
    check(writtenAfterReading(second) == second);
}

void sideFiles(const QByteArray &bytes, bool exact)
{
    QStringList lines;
    QString error;
    if (!PluFile::readLines(bytes, nullptr, QStringLiteral("side"), &lines, &error)) {
        check(!error.isEmpty());
        return;
    }
    AdvertisingList info;
    info.fromInfoBytes(bytes);
    const QVector<SchedulePeriod> periods = ScheduleStore::parseRsc(bytes);
    if (!exact)
        return;

    const QByteArray infoOnce = info.toInfoBytes();
    AdvertisingList infoAgain;
    infoAgain.fromInfoBytes(infoOnce);
    check(infoAgain.toInfoBytes() == infoOnce);

    ScheduleStore schedules;
    schedules.setPeriods(periods);
    const QByteArray rscOnce = schedules.toRscBytes();
    schedules.setPeriods(ScheduleStore::parseRsc(rscOnce));
    check(schedules.toRscBytes() == rscOnce);

    // 320000 lines, cleared on every read: built once and read in one code page only, the
    // costliest reader by far.
    static MessageStore messages;
    messages.fromMsgBytes(bytes);
    const QByteArray msgOnce = messages.toMsgBytes();
    check(messages.fromMsgBytes(msgOnce));
    check(messages.toMsgBytes() == msgOnce);
}

// The grid of a recovery copy comes back cell for cell: what it reads is written and read the same.
void recoveryGrid(const QByteArray &bytes)
{
    QVector<PluTableModel::Row> rows;
    QString error;
    if (!RecoveryGrid::decode(bytes, &rows, &error)) {
        check(!error.isEmpty() && rows.isEmpty());
        return;
    }
    check(rows.size() <= PluColumns::RowCount);
    const QByteArray once = RecoveryGrid::encode(rows);
    QVector<PluTableModel::Row> again;
    check(RecoveryGrid::decode(once, &again, &error));
    check(RecoveryGrid::encode(again) == once);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    for (const char *codePage : {"UTF-8", "GBK"}) {
        check(TextCodec::setCodePage(codePage));
        const bool exact = TextCodec::name() == "UTF-8";
        mainFileRoundTrip(PluFile::Kind::TabSeparated, bytes, exact);
        mainFileRoundTrip(PluFile::Kind::CommaSeparated, bytes, exact);
        sideFiles(bytes, exact);
    }
    recoveryGrid(bytes);
    return 0;
}
