#include "document/PluDocument.h"

#include "core/PluColumns.h"
#include "document/PluTableModel.h"

PluDocument::PluDocument(QObject *parent) : QObject(parent), m_model(new PluTableModel(this)) {}

PluDocument::~PluDocument() = default;

int PluDocument::recomputeRowCount()
{
    m_rowCount = m_model->usedRowCount();
    return m_rowCount;
}

void PluDocument::setModified(bool modified)
{
    const bool was = isModified();
    m_changedOutsideHistory = modified;
    if (!modified) {
        m_historyClean = true;
        emit savedStateReached();
    }
    updateModified(was);
    if (modified)
        emit edited();
}

void PluDocument::setHistoryClean(bool clean)
{
    const bool was = isModified();
    m_historyClean = clean;
    updateModified(was);
}

void PluDocument::updateModified(bool wasModified)
{
    if (isModified() != wasModified)
        emit modifiedChanged(isModified());
}

PluDocument::Content PluDocument::content() const
{
    return {m_model->rows(), m_rowCount, m_messages, m_schedules, m_advertising};
}

void PluDocument::setContent(const Content &content)
{
    {
        PluTableModel::BulkUpdate bulk(m_model);
        m_model->replaceAllRows(content.rows);
    }
    m_rowCount = content.rowCount;
    m_messages = content.messages;
    m_schedules = content.schedules;
    m_advertising = content.advertising;
    emit contentReplaced();
}

void PluDocument::setCurrentFile(const QString &path)
{
    m_currentFile = path;
    emit currentFileChanged(path);
}

void PluDocument::setSidePaths(const QString &info, const QString &msg, const QString &rsc)
{
    m_infoPath = info;
    m_msgPath = msg;
    m_rscPath = rsc;
}

void PluDocument::replaceGrid(QVector<PluTableModel::Row> rows, int used)
{
    rows.reserve(PluColumns::RowCount);
    const PluTableModel::Row fresh = PluTableModel::newRow();
    while (rows.size() < PluColumns::RowCount)
        rows.append(fresh);
    clear();
    {
        PluTableModel::BulkUpdate bulk(m_model);
        m_model->replaceAllRows(rows);
    }
    m_rowCount = qBound(0, used, PluColumns::RowCount);
}

void PluDocument::clear()
{
    {
        PluTableModel::BulkUpdate bulk(m_model);
        m_model->resetRows(0); // all rows: a stale count must not leave old cells behind
    }
    m_rowCount = 0;
    m_messages.clearMessages();
    m_schedules.clearSchedules();
    m_advertising.clear();
    m_infoPath.clear();
    m_msgPath.clear();
    m_rscPath.clear();
    setCurrentFile(QString());
    setModified(false);
}
