#include "comm/TransferTarget.h"

#include "core/PluColumns.h"

TransferTarget::TransferTarget(PluDocument *doc, QObject *parent) : QObject(parent), m_doc(doc) {}

void TransferTarget::begin()
{
    discard();
}

void TransferTarget::receivePlus(const QVector<QPair<int, TPLU>> &batch)
{
    if (m_pluSink)
        m_pluSink(batch);
    else
        stagePlus(batch);
    if (batch.isEmpty())
        return;
    const int itemNo = batch.last().first;
    // The library announces no total: keep the bar ahead of the count.
    emit updateTotalPackage(itemNo + 50);
    emit updateCurPackage(itemNo);
}

void TransferTarget::stagePlus(const QVector<QPair<int, TPLU>> &batch)
{
    if (!m_staged.hasPlus) {
        m_staged.hasPlus = true;
        m_staged.rows.fill(PluTableModel::newRow(), PluColumns::RowCount);
        m_staged.rowCount = 0;
    }
    for (const QPair<int, TPLU> &p : batch) {
        if (p.first < 1 || p.first > PluColumns::RowCount)
            continue;
        m_staged.rows[p.first - 1] = PluTableModel::rowFromPlu(p.second);
        m_staged.rowCount = qMax(m_staged.rowCount, p.first);
    }
}

void TransferTarget::receiveMessages(const QStringList &messages)
{
    m_staged.hasMessages = true;
    m_staged.messages = messages;
}

void TransferTarget::receivePeriods(int itemNo, const QVector<SchedulePeriod> &periods)
{
    m_staged.hasPeriods = true;
    m_staged.periods = periods;
    emit updateTotalPackage(itemNo);
    emit updateCurPackage(itemNo);
}

void TransferTarget::receiveAdvertising(const QString &head, const QString &tail)
{
    m_staged.hasAdvertising = true;
    m_staged.adHead = head;
    m_staged.adTail = tail;
}

void TransferTarget::receiveHotkeyFunctions(int itemNo, const QJsonArray &functions)
{
    m_staged.hasHotkeyFunctions = true;
    m_staged.hotkeyFunctions = functions; // every call replaces the whole set
    emit updateTotalPackage(itemNo);
    emit updateCurPackage(itemNo);
}

void TransferTarget::receiveDepartments(int itemNo, const DepartmentRecords &departments)
{
    m_staged.hasDepartments = true;
    m_staged.departments = departments;
    emit updateTotalPackage(itemNo);
    emit updateCurPackage(itemNo);
}

void TransferTarget::receivePackTypes(int itemNo, const QJsonArray &packTypes)
{
    m_staged.hasPackTypes = true;
    m_staged.packTypes = packTypes;
    emit updateTotalPackage(itemNo);
    emit updateCurPackage(itemNo);
}

PluDocument::Content TransferTarget::stagedContent() const
{
    PluDocument::Content content = m_doc ? m_doc->content() : PluDocument::Content();
    if (m_staged.hasPlus) {
        content.rows = m_staged.rows;
        content.rowCount = m_staged.rowCount;
    }
    if (m_staged.hasMessages)
        content.messages.setMessageList(m_staged.messages);
    if (m_staged.hasPeriods)
        content.schedules.setPeriods(m_staged.periods);
    if (m_staged.hasAdvertising)
        content.advertising.setHeadTail(m_staged.adHead, m_staged.adTail);
    return content;
}

void TransferTarget::commit()
{
    if (m_doc)
        m_doc->setContent(stagedContent());
    discard();
}
