#include "comm/TransferTarget.h"

#include "core/PluColumns.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"

TransferTarget::TransferTarget(PluDocument *doc, QObject *parent) : QObject(parent), m_doc(doc) {}

void TransferTarget::receivePlu(int itemNo, const TPLU &plu)
{
    if (m_doc && itemNo >= 1 && itemNo <= PluColumns::RowCount) {
        m_doc->model()->pluToRow(plu, itemNo - 1);
        m_doc->setRowCount(qMax(m_doc->rowCount(), itemNo));
        // What came from the scale is not on disk yet.
        m_doc->setModified(true);
    }
    m_plusReceived = itemNo;
    emit documentReceived();
    // The library announces no total: keep the bar ahead of the count.
    emit updateTotalPackage(itemNo + 50);
    emit updateCurPackage(itemNo);
}

void TransferTarget::receiveMessages(const QStringList &messages)
{
    if (!m_doc)
        return;
    m_doc->messages().setMessageList(messages);
    m_doc->setModified(true);
    emit documentReceived();
}

void TransferTarget::receivePeriods(int itemNo, const QVector<SchedulePeriod> &periods)
{
    if (m_doc) {
        m_doc->schedules().setPeriods(periods);
        m_doc->setModified(true);
        emit documentReceived();
    }
    emit updateTotalPackage(itemNo);
    emit updateCurPackage(itemNo);
}

void TransferTarget::receiveAdvertising(const QString &head, const QString &tail)
{
    if (!m_doc)
        return;
    m_doc->advertising().setHeadTail(head, tail);
    m_doc->setModified(true);
    emit documentReceived();
}

void TransferTarget::receiveHotkeyFunctions(int itemNo, const QJsonArray &functions)
{
    m_hotkeyFunctions = functions; // every call replaces the whole set
    emit updateTotalPackage(itemNo);
    emit updateCurPackage(itemNo);
}
