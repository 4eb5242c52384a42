#pragma once

#include "comm/TransferSnapshot.h"

#include <QDialog>
#include <memory>

namespace Ui {
class UploadDownDlg;
}
class TransferTarget;
class ScaleJobRunner;
class ZQCommucationProcess;

// Runs one transfer: creates and starts the worker, shows its status and progress, lets the
// operator cancel, and closes itself (accepted) when the job has finished. A cancelled job
// says what it left on the scale before the dialog closes.
class UploadDownDlg : public QDialog
{
    Q_OBJECT
public:
    UploadDownDlg(const QString &link, const QString &baud, int linkType, int job, const TransferSnapshot &snapshot,
                  TransferTarget *target, QWidget *parent = nullptr);
    ~UploadDownDlg() override;

    static QString titleForJob(int job);
    ZQCommucationProcess *worker() const { return m_worker.get(); }

    // Named after their widgets but connected explicitly: as plain functions, the form's
    // by-name wiring does not connect them a second time.
    void on_cancelBtn_clicked();

public slots:
    void ProcessMaxValue(int maxVal);
    void ProcessSetCurStep(int value);
    void SetStatus(bool isError, const QString &tmpStr);
    void updateFinish();
    // Escape and closing end the dialog here too: a running transfer is broken off first.
    void reject() override;

private:
    void onWorkerStopped();
    void showCancelled(const QString &text);

    std::unique_ptr<Ui::UploadDownDlg> ui;
    std::unique_ptr<ZQCommucationProcess> m_worker;
    std::unique_ptr<ScaleJobRunner> m_probe;
    QString m_link;
    QString m_baud;
    int m_job;
    bool m_cancelling = false;
};
