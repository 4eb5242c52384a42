#include "comm/CommController.h"

#include "comm/ZQCommunicationConfig.h"
#include "core/Prompt.h"
#include "table/EditorHost.h"

#include <QTableView>

CommController::CommController(EditorHost *host, TransferTarget *target, QObject *parent)
    : QObject(parent), m_host(host), m_target(target)
{
}

void CommController::startCommunication(int job)
{
    if (!m_dialog) {
        m_dialog = new ZQCommunicationConfig(m_host->hostWidget());
        connect(m_dialog, &ZQCommunicationConfig::clearTable, this, &CommController::clearTable);
        connect(m_dialog, &ZQCommunicationConfig::showCellReq, this, &CommController::showCell);
    }
    m_dialog->setJob(job);
    m_dialog->setTarget(m_target);
    if (m_dialog->exec() == QDialog::Accepted)
        Prompt::information(m_host->hostWidget(), tr("Info"), tr("Communication End"));
}

void CommController::showCell(int row, int column)
{
    QTableView *view = m_host->tableView();
    if (!view || !view->model())
        return;
    const QModelIndex cell = view->model()->index(row, column);
    view->setCurrentIndex(cell);
    view->scrollTo(cell);
    view->setFocus();
}
