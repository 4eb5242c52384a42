// Feeds arbitrary bytes to the message import (the message window's Import reads a ".Msg" file
// through it) and checks that a refused file leaves the store as it was, and that what was read
// writes out and reads back unchanged.
#include "document/MessageStore.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static MessageStore store;
    static MessageStore back;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QString sentinel = QStringLiteral("before the import");
    store.clearMessages();
    store.setLine(0, 0, sentinel);
    QString error;
    QString warning;
    if (!store.importMsgBytes(bytes, &error, &warning)) {
        if (error.isEmpty() || store.line(0, 0) != sentinel || store.lastUsedIndex() != 0)
            std::abort();
        return 0;
    }
    const QStringList read = store.messageList();
    if (!back.importMsgBytes(store.toMsgBytes(), &error) || back.messageList() != read)
        std::abort();
    return 0;
}
