#pragma once

#include "LinkFrame.h"
#include "LinkRecords.h"

#include <QByteArray>
#include <QHash>
#include <array>
#include <vector>

// The simulated scale's memory and the commands that read and change it. Pure logic without
// I/O, so a command's effect does not depend on the link it came over.
class ScaleMemory
{
public:
    explicit ScaleMemory(int pluCapacity);

    struct Outcome
    {
        quint8 status = 0;
        QByteArray answer;
        QByteArray summary; // one line for the log
        bool changed = false;
        int plusStored = 0;                       // PLU records a PUT wrote
        int answerPiece = linkproto::kMaxPayload; // longest answer frame the request allows
    };
    Outcome execute(quint8 command, const QByteArray &payload);

    // Memory as JSON text (texts as their bytes); fromJson replaces the memory.
    QByteArray toJson() const;
    bool fromJson(const QJsonObject &object, QString *error);

    int pluCapacity() const { return m_capacity; }
    int count(linkproto::RecordKind kind) const;
    void setWeight(int grams) { m_weightGrams = grams; }

private:
    struct Store
    {
        std::vector<linkproto::Record> records;
        QHash<qint64, int> index; // key value to position, for keyed kinds
    };

    Store &store(linkproto::RecordKind kind) { return m_stores[size_t(kind)]; }
    const Store &store(linkproto::RecordKind kind) const { return m_stores[size_t(kind)]; }
    int capacityOf(const linkproto::RecordSchema &schema) const;
    void reset(linkproto::RecordKind kind);
    void rebuildIndex(linkproto::RecordKind kind);
    Outcome put(const QByteArray &payload);
    Outcome get(const QByteArray &payload) const;
    Outcome clear(const QByteArray &payload);
    Outcome updatePrice(const QByteArray &payload);
    // The record as an upload delivers it: PLUs get the hotkey their LF code has.
    linkproto::Record uploadView(linkproto::RecordKind kind, int position) const;
    int uploadCount(linkproto::RecordKind kind) const;
    int hotkeyFor(qint64 lfCode) const;
    void invalidateCaches();

    int m_capacity;
    int m_weightUnit = 4;
    int m_weightGrams = 0;
    std::array<Store, linkproto::kLastKind + 1> m_stores;
    mutable bool m_hotkeyMapValid = false;
    mutable QHash<qint64, int> m_hotkeyByLf;
    mutable int m_messageSpan = -1;
};
