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
    // The PLU memory's token: a new memory (or one read from a file that has none) draws a new
    // identity, and every change of the PLUs by any sender counts on from there.
    quint64 memoryToken() const { return (quint64(m_memoryId) << 32) | m_changes; }
    // An older scale does not know the STATE command.
    void setAnswersState(bool answers) { m_answersState = answers; }
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
    void plusChanged() { ++m_changes; }

    int m_capacity;
    int m_weightUnit = 4;
    int m_weightGrams = 0;
    quint32 m_memoryId;
    quint32 m_changes = 0;
    bool m_answersState = true;
    std::array<Store, linkproto::kLastKind + 1> m_stores;
    mutable bool m_hotkeyMapValid = false;
    mutable QHash<qint64, int> m_hotkeyByLf;
    mutable int m_messageSpan = -1;
};
