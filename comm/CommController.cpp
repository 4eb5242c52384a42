#include "comm/CommController.h"

#include "comm/TransferJob.h"
#include "comm/TransferTarget.h"
#include "comm/ZQCommunicationConfig.h"
#include "core/Prompt.h"
#include "table/EditorHost.h"
#include "table/PluEditCommands.h"

#include <QTableView>

CommController::CommController(EditorHost *host, TransferTarget *target, QObject *parent)
    : QObject(parent), m_host(host), m_target(target)
{
}

void CommController::startCommunication(int job)
{
    if (!m_dialog) {
        m_dialog = new ZQCommunicationConfig(m_host->hostWidget());
        connect(m_dialog, &ZQCommunicationConfig::showCellReq, this, &CommController::showCell);
    }
    m_dialog->setJob(job);
    m_dialog->setTarget(m_target);
    if (m_dialog->exec() != QDialog::Accepted) {
        m_target->discard();
        return;
    }
    // Data kept outside the document go to their stores; the PLU uploads replace the document
    // as one undo step (the hotkey editor lays out again what arrived).
    emit sideDataReceived(m_target->staged());
    if (job == JobUploadPlu || job == JobUploadPluForHotkeys) {
        m_host->editCommands()->replaceContent(tr("Upload PLU"), m_target->stagedContent());
    }
    m_target->discard();
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
