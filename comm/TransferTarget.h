#pragma once

#include "core/TPLU.h"
#include "document/SchedulePeriod.h"

#include <QJsonArray>
#include <QObject>
#include <QStringList>
#include <QVector>

class PluDocument;

// Where the records a transfer receives land: the document's grid and side stores. Lives in
// the operator's thread; the worker hands records over with blocking queued calls (PLUs in small
// batches), so they arrive in order and are stored before the worker goes on.
class TransferTarget : public QObject
{
    Q_OBJECT
public:
    explicit TransferTarget(PluDocument *doc, QObject *parent = nullptr);

    PluDocument *document() const { return m_doc; }

    void receivePlu(int itemNo, const TPLU &plu);
    void receiveMessages(const QStringList &messages);
    void receivePeriods(int itemNo, const QVector<SchedulePeriod> &periods);
    void receiveAdvertising(const QString &head, const QString &tail);
    void receiveHotkeyFunctions(int itemNo, const QJsonArray &functions);

    // Hotkey functions the last upload brought (kept until their store exists).
    QJsonArray hotkeyFunctions() const { return m_hotkeyFunctions; }
    int plusReceived() const { return m_plusReceived; }

signals:
    void updateTotalPackage(int total);
    void updateCurPackage(int current);
    // Data from the scale changed the document.
    void documentReceived();

private:
    PluDocument *m_doc;
    QJsonArray m_hotkeyFunctions;
    int m_plusReceived = 0;
};
