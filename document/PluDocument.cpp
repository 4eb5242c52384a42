#include "document/PluDocument.h"

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
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
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

void PluDocument::clear()
{
    {
        PluTableModel::BulkUpdate bulk(m_model);
        m_model->resetRows(0); // all rows: a stale count must not leave old cells behind
    }
    m_rowCount = 0;
    clearSideData();
    setCurrentFile(QString());
    setModified(false);
}

void PluDocument::clearSideData()
{
    m_messages.clearMessages();
    m_schedules.clearSchedules();
    m_advertising.clear();
    m_infoPath.clear();
    m_msgPath.clear();
    m_rscPath.clear();
}
