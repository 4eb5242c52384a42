#include "comm/CommController.h"

#include "comm/FleetProgressDlg.h"
#include "comm/FleetSend.h"
#include "comm/ScaleListDlg.h"
#include "comm/SendCheck.h"
#include "comm/SendFingerprints.h"
#include "comm/SendHistoryDlg.h"
#include "comm/SendProblemsDlg.h"
#include "comm/TransferJob.h"
#include "comm/TransferTarget.h"
#include "comm/ZQCommunicationConfig.h"
#include "comm/ZQDownloadSelectDlg.h"
#include "core/Prompt.h"
#include "table/EditorHost.h"
#include "table/PluEditCommands.h"

#include <QAction>
#include <QTableView>

CommController::CommController(EditorHost *host, TransferTarget *target, QObject *parent)
    : QObject(parent), m_host(host), m_target(target)
{
    if (QAction *a = m_host->action(QStringLiteral("actionScales")))
        a->setEnabled(true);
    if (QAction *a = m_host->action(QStringLiteral("actionSend_history"))) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, &CommController::sendHistory);
    }
}

void CommController::sendHistory()
{
    SendHistoryDlg history(m_host->hostWidget());
    history.exec();
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

void CommController::scales()
{
    if (!m_scales) {
        m_scales = new ScaleListDlg(m_host->hostWidget());
        connect(m_scales, &ScaleListDlg::sendReq, this, &CommController::sendToMany);
        connect(m_scales, &ScaleListDlg::testReq, this, &CommController::testScales);
    }
    if (m_scales->reload()) {
        m_scales->setPendingChanges(pendingChanges());
        m_scales->exec();
    }
}

void CommController::sendToMany(int job, bool changesOnly, const QVector<ScaleEntry> &scales)
{
    FleetSend::Options options;
    options.job = job;
    options.changesOnly = changesOnly;
    options.verify = m_scales->verifyAfterSend();
    TransferSnapshot snapshot = TransferSnapshot::take(m_host->document());
    if (job == JobDownloadPlu && !changesOnly) {
        ZQDownloadSelectDlg select(m_scales);
        select.offerVerify(options.verify);
        if (select.exec() != QDialog::Accepted)
            return;
        options.verify = select.verifyChosen();
        snapshot.selection = DownloadSelection::current();
    }
    // Nothing goes to any scale while a row would be cut, changed or refused on the way.
    const QVector<SendProblem> problems = SendCheck::check(snapshot, changesOnly ? JobUpdatePlu : job, changesOnly);
    if (!problems.isEmpty()) {
        SendProblemsDlg list(problems, m_scales);
        list.exec();
        if (const SendProblem *p = list.chosen()) {
            m_scales->reject();
            showCell(p->row, p->column);
        }
        return;
    }
    if (!SendProblemsDlg::confirmSend(m_scales, snapshot, job, changesOnly))
        return;
    const QString title = changesOnly             ? tr("Send changes")
                          : job == JobDownloadPlu ? tr("Download PLU")
                          : job == JobUpdatePlu   ? tr("Update PLU")
                                                  : tr("Download AD");
    FleetProgressDlg progress(new FleetSend(scales, snapshot, options), title, m_scales);
    progress.exec();
    m_scales->setPendingChanges(pendingChanges());
}

QHash<QString, QString> CommController::pendingChanges() const
{
    QHash<QString, QString> byScale;
    TransferSnapshot snapshot = TransferSnapshot::take(m_host->document());
    if (snapshot.plus.isEmpty())
        return byScale;
    const QVector<qint64> prints = SendFingerprints::fingerprints(snapshot.plus);
    for (const ScaleEntry &e : m_scales->list().entries()) {
        SendFingerprints::Plan plan;
        QString error;
        if (!SendFingerprints().plan(e.name, snapshot.plus, prints, &plan, &error))
            continue;
        // The scale itself may still ask for everything when it is asked; the history says this much.
        byScale.insert(e.name, plan.full ? tr("all %1").arg(snapshot.plus.size()) : QString::number(plan.rows.size()));
    }
    return byScale;
}

void CommController::testScales(const QVector<ScaleEntry> &scales)
{
    FleetSend::Options options;
    options.job = JobNone0;
    FleetProgressDlg progress(new FleetSend(scales, TransferSnapshot(), options), tr("Test connection"), m_scales);
    progress.exec();
}
