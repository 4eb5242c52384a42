#include "comm/CommController.h"

#include "comm/ZQCommunicationConfig.h"
#include "core/Prompt.h"
#include "table/EditorHost.h"

CommController::CommController(EditorHost *host, TransferTarget *target, QObject *parent)
    : QObject(parent), m_host(host), m_target(target)
{
}

void CommController::startCommunication(int job)
{
    if (!m_dialog) {
        m_dialog = new ZQCommunicationConfig(m_host->hostWidget());
        connect(m_dialog, &ZQCommunicationConfig::clearTable, this, &CommController::clearTable);
    }
    m_dialog->setJob(job);
    m_dialog->setTarget(m_target);
    if (m_dialog->exec() == QDialog::Accepted)
        Prompt::information(m_host->hostWidget(), tr("Info"), tr("Communication End"));
}
