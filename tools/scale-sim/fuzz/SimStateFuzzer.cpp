// Feeds arbitrary bytes to the simulator's readers of its data file and journal: the snapshot
// reader, and the journal replay, which runs each entry as a command on the memory. Whatever
// memory results must survive its own snapshot unchanged.
#include "ScaleMemory.h"
#include "SimJournal.h"

#include <QJsonValue>
#include <cstdint>
#include <cstdlib>

using namespace linkproto;

namespace {

void checkRoundTrip(const ScaleMemory &memory)
{
    const QByteArray json = memory.toJson();
    QJsonValue value;
    if (!parseJsonBytes(json, value) || !value.isObject())
        std::abort();
    ScaleMemory again(memory.pluCapacity());
    QString error;
    if (!again.fromJson(value.toObject(), &error) || again.toJson() != json)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    {
        ScaleMemory memory(50);
        LinkCounters counters;
        quint64 applied = 0;
        QString error;
        if (SimJournal::readSnapshot(bytes, memory, counters, &applied, &error))
            checkRoundTrip(memory);
    }
    ScaleMemory memory(50);
    quint64 applied = 0;
    SimJournal::replay(bytes, memory, &applied);
    // The same bytes wrapped as well-formed entries, so that the commands themselves get run.
    QByteArray journal;
    for (int at = 0; at + 1 < bytes.size(); at += 64)
        journal += SimJournal::entry(quint64(at) + 1, quint8(bytes[at]), bytes.mid(at + 1, 63));
    SimJournal::replay(journal, memory, &applied);
    checkRoundTrip(memory);
    return 0;
}
