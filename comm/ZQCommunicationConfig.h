#pragma once

#include "comm/TransferJob.h"

#include <QDialog>
#include <memory>

namespace Ui {
class ZQCommunicationConfig;
}
class SerialPortWatcher;
class TransferTarget;
struct TransferSnapshot;

// The link settings every transfer passes through: serial port and baud rate or the scale's
// address. On OK it checks and stores them, asks which parts to send for "Download PLU", and
// runs the progress dialog.
class ZQCommunicationConfig : public QDialog
{
    Q_OBJECT
public:
    explicit ZQCommunicationConfig(QWidget *parent = nullptr);
    ~ZQCommunicationConfig() override;

    void setJob(int job) { m_job = job; }
    int job() const { return m_job; }
    // Where received records go and what is sent is read from.
    void setTarget(TransferTarget *target) { m_target = target; }

    static bool isValidIp(const QString &text);

    // Named after their widgets but connected explicitly: as plain functions, the form's
    // by-name wiring does not connect them a second time.
    void on_OKBtn_clicked();
    void on_CancelBtn_clicked();

public slots:
    void onClickRS232Btn();
    void onClickIPBtn();

signals:
    // The operator double-clicked a problem the check before a send found: show that cell.
    void showCellReq(int row, int column);

protected:
    void changeEvent(QEvent *event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;
#endif

private:
    void fillPorts(const QStringList &ports);
    // Lists what the job must not send; false when nothing stands in the way.
    bool showSendProblems(TransferSnapshot &snapshot);

    std::unique_ptr<Ui::ZQCommunicationConfig> ui;
    SerialPortWatcher *m_watcher;
    TransferTarget *m_target = nullptr;
    int m_linkType = LinkTcp;
    int m_job = 0;
};
