#include "comm/UploadDownDlg.h"

#include "comm/CancelOutcome.h"
#include "comm/ScaleAddress.h"
#include "comm/ScaleJobRunner.h"
#include "comm/TransferTarget.h"
#include "comm/ZQCommucationProcess.h"
#include "ui_UploadDownDlg.h"

#include <QCoreApplication>

UploadDownDlg::UploadDownDlg(const QString &link, const QString &baud, int linkType, int job,
                             const TransferSnapshot &snapshot, TransferTarget *target, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::UploadDownDlg>()), m_link(link), m_baud(baud), m_job(job)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                   ~(Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint));
    setWindowTitle(titleForJob(job));
    connect(ui->okBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(ui->cancelBtn, &QPushButton::clicked, this, &UploadDownDlg::on_cancelBtn_clicked);

    m_worker = std::make_unique<ZQCommucationProcess>();
    m_worker->setTransferParameters(link, baud, linkType, job);
    m_worker->setSnapshot(snapshot);
    m_worker->setTarget(target);
    if (target) {
        connect(target, &TransferTarget::updateTotalPackage, this, &UploadDownDlg::ProcessMaxValue);
        connect(target, &TransferTarget::updateCurPackage, this, &UploadDownDlg::ProcessSetCurStep);
    }
    connect(m_worker.get(), &ZQCommucationProcess::updateTotalPackage, this, &UploadDownDlg::ProcessMaxValue);
    connect(m_worker.get(), &ZQCommucationProcess::updateCurPackage, this, &UploadDownDlg::ProcessSetCurStep);
    connect(m_worker.get(), &ZQCommucationProcess::updateStatus, this, &UploadDownDlg::SetStatus);
    connect(m_worker.get(), &ZQCommucationProcess::updateFinish, this, &UploadDownDlg::updateFinish);
    connect(m_worker.get(), &QThread::finished, this, &UploadDownDlg::onWorkerStopped, Qt::QueuedConnection);
    m_worker->start();
}

UploadDownDlg::~UploadDownDlg()
{
    m_worker->quit();
    // The worker may be handing a record over to this thread and waiting for it: keep delivering
    // those calls while waiting, or both threads would wait for each other.
    while (!m_worker->wait(20))
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

QString UploadDownDlg::titleForJob(int job)
{
    switch (job) {
    case 2:
        return tr("Upload PLU");
    case 3:
        return tr("Update PLU");
    case 4:
        return tr("Download PLU");
    case 5:
        return tr("Download Department info");
    case 6:
        return tr("Upload Department info");
    case 7:
        return tr("Download Nutrition Element");
    case 9:
        return tr("Upload PLU Model Info");
    case 11:
        return tr("Download Ad Infomation");
    case 13:
        return tr("Download Packet type info");
    case 14:
        return tr("upload Packet type info");
    default:
        return tr("Download Data");
    }
}

void UploadDownDlg::ProcessMaxValue(int maxVal)
{
    ui->comProgressBar->setMaximum(maxVal);
    ui->totalPackInfo->setText(QString::number(maxVal));
}

void UploadDownDlg::ProcessSetCurStep(int value)
{
    ui->comProgressBar->setValue(value);
    ui->curPackInfo->setText(QString::number(value));
}

void UploadDownDlg::SetStatus(bool isError, const QString &tmpStr)
{
    ui->statusInfo->setStyleSheet(isError ? QStringLiteral("color:red") : QString());
    ui->okBtn->setEnabled(isError);
    ui->cancelBtn->setEnabled(!isError);
    ui->statusInfo->setText(tmpStr);
}

void UploadDownDlg::updateFinish()
{
    accept();
}

void UploadDownDlg::on_cancelBtn_clicked()
{
    reject();
}

void UploadDownDlg::reject()
{
    // A running job is broken off, and the dialog stays to say what the scale now holds.
    if (m_worker->isRunning() || m_probe) {
        if (!m_cancelling) {
            m_cancelling = true;
            ui->cancelBtn->setEnabled(false);
            m_worker->requestBreak();
        }
        return;
    }
    QDialog::reject();
}

void UploadDownDlg::onWorkerStopped()
{
    if (!m_cancelling || m_worker->isFinished())
        return;
    if (!CancelOutcome::needsScale(*m_worker)) {
        showCancelled(CancelOutcome::text(*m_worker));
        return;
    }
    ScaleAddress address;
    QString error;
    if (!ScaleAddress::parse(m_link, m_baud.toInt(), &address, &error)) {
        showCancelled(CancelOutcome::text(*m_worker));
        return;
    }
    SetStatus(false, tr("Asking the scale what it holds..."));
    ui->okBtn->setEnabled(false);
    m_probe = std::make_unique<ScaleJobRunner>(address, JobNone0, TransferSnapshot(), nullptr);
    m_probe->worker()->setReadsState(true);
    connect(m_probe.get(), &ScaleJobRunner::ended, this, [this](bool answered) {
        const int held = answered ? m_probe->worker()->stateAfter().plus : -1;
        showCancelled(CancelOutcome::text(*m_worker, held));
        m_probe.release()->deleteLater();
    });
    m_probe->start();
}

void UploadDownDlg::showCancelled(const QString &text)
{
    SetStatus(true, text);
    ui->cancelBtn->setEnabled(false);
}
