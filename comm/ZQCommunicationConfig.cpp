#include "comm/ZQCommunicationConfig.h"

#include "comm/SendCheck.h"
#include "comm/SendProblemsDlg.h"
#include "comm/SerialPortWatcher.h"
#include "comm/TransferSnapshot.h"
#include "comm/TransferTarget.h"
#include "comm/UploadDownDlg.h"
#include "comm/ZQDownloadSelectDlg.h"
#include "core/Prompt.h"
#include "core/ZQConfig.h"
#include "ui_ZQCommunicationConfig.h"

#include <QRegularExpression>

ZQCommunicationConfig::ZQCommunicationConfig(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ZQCommunicationConfig>()), m_watcher(new SerialPortWatcher(this))
{
    ui->setupUi(this);
    setWindowTitle(tr("Communication Config"));
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint) &
                   ~Qt::WindowContextHelpButtonHint);
    fillPorts(SerialPortWatcher::availablePorts());
    connect(m_watcher, &SerialPortWatcher::portsChanged, this, &ZQCommunicationConfig::fillPorts);

    ZQConfig *config = ZQConfig::instance();
    auto stored = [config](ZQConfig::Key key, const QVariant &fallback) {
        return config ? config->stored(key, fallback) : fallback;
    };
    m_linkType = stored(ZQConfig::CommType, 1).toInt();
    const QString port = stored(ZQConfig::CommPort, ui->comboBoxPort->currentText()).toString();
    const int portIndex = ui->comboBoxPort->findText(port);
    if (portIndex >= 0)
        ui->comboBoxPort->setCurrentIndex(portIndex);
    else if (port.contains(QLatin1Char('/')))
        ui->comboBoxPort->setEditText(port); // a device path the system does not list, typed before
    const int baudIndex =
        ui->comboBoxBaudRate->findText(stored(ZQConfig::CommBaudRate, ui->comboBoxBaudRate->currentText()).toString());
    if (baudIndex >= 0)
        ui->comboBoxBaudRate->setCurrentIndex(baudIndex);
    ui->lineEditIPAddress->setText(stored(ZQConfig::CommIP, ui->lineEditIPAddress->text()).toString());
    const int timeoutMs = stored(ZQConfig::LinkTimeoutMs, ZQConfig::info(ZQConfig::LinkTimeoutMs).defaultValue).toInt();
    ui->doubleSpinBoxTimeout->setValue(timeoutMs / 1000.0);

    connect(ui->radioButtonRS232, &QRadioButton::clicked, this, &ZQCommunicationConfig::onClickRS232Btn);
    connect(ui->radioButtonIP, &QRadioButton::clicked, this, &ZQCommunicationConfig::onClickIPBtn);
    connect(ui->OKBtn, &QPushButton::clicked, this, &ZQCommunicationConfig::on_OKBtn_clicked);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &ZQCommunicationConfig::on_CancelBtn_clicked);
    if (m_linkType == LinkTcp) {
        ui->radioButtonIP->setChecked(true);
        ui->groupBoxPort->setEnabled(false);
    } else {
        ui->radioButtonRS232->setChecked(true);
        ui->groupBoxPort->setEnabled(true);
        m_linkType = LinkSerial;
    }
}

ZQCommunicationConfig::~ZQCommunicationConfig() = default;

void ZQCommunicationConfig::changeEvent(QEvent *event)
{
    // Kept for the whole run by the controller: it follows a language chosen while it exists.
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void ZQCommunicationConfig::fillPorts(const QStringList &ports)
{
    // Keep the chosen port if it is still there, and a device path the operator typed.
    const QString current = ui->comboBoxPort->currentText();
    ui->comboBoxPort->clear();
    ui->comboBoxPort->addItems(ports);
    const int i = ui->comboBoxPort->findText(current);
    if (i >= 0)
        ui->comboBoxPort->setCurrentIndex(i);
    else if (current.contains(QLatin1Char('/')))
        ui->comboBoxPort->setEditText(current);
}

bool ZQCommunicationConfig::isValidIp(const QString &text)
{
    static const QRegularExpression ip(QStringLiteral("^((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])[\\.]){3}("
                                                      "25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])$"));
    return ip.match(text).hasMatch();
}

void ZQCommunicationConfig::onClickRS232Btn()
{
    ui->groupBoxPort->setEnabled(true);
    m_linkType = LinkSerial;
}

void ZQCommunicationConfig::onClickIPBtn()
{
    ui->groupBoxPort->setEnabled(false);
    m_linkType = LinkTcp;
}

void ZQCommunicationConfig::on_CancelBtn_clicked()
{
    reject();
}

void ZQCommunicationConfig::on_OKBtn_clicked()
{
    const QString port = ui->comboBoxPort->currentText().trimmed();
    const QString baud = ui->comboBoxBaudRate->currentText();
    const QString ipText = ui->lineEditIPAddress->text();
    QString link;
    QString linkBaud;
    if (m_linkType == LinkTcp) {
        if (!isValidIp(ipText)) {
            Prompt::warning(this, tr("Warning"), tr("Please input the correct IP adress"));
            return;
        }
        link = ipText;
    } else {
        if (port.isEmpty()) {
            Prompt::warning(this, tr("Warning"), tr("Serial port not recognized"));
            return;
        }
        link = port;
        linkBaud = baud;
    }
    hide();
    if (m_job == JobDownloadPlu) {
        ZQDownloadSelectDlg select(this);
        if (select.exec() != QDialog::Accepted) {
            reject();
            return;
        }
    }
    if (ZQConfig *config = ZQConfig::instance()) {
        config->setValue(ZQConfig::CommType, m_linkType);
        config->setValue(ZQConfig::CommPort, port);
        config->setValue(ZQConfig::CommBaudRate, baud);
        config->setValue(ZQConfig::CommIP, ipText);
        config->setValue(ZQConfig::LinkTimeoutMs, qRound(ui->doubleSpinBoxTimeout->value() * 1000));
        config->sync(); // the link library reads the file
    }
    TransferSnapshot snapshot = TransferSnapshot::take(m_target ? m_target->document() : nullptr);
    // A bad row must stop the job before the link opens, not after the scale has been cleared.
    if (showSendProblems(snapshot))
        return;
    if (!SendProblemsDlg::confirmSend(parentWidget(), snapshot, m_job)) {
        reject();
        return;
    }
    UploadDownDlg progress(link, linkBaud, m_linkType, m_job, snapshot, m_target, parentWidget());
    if (progress.exec() == QDialog::Accepted)
        accept();
    else
        reject();
}

bool ZQCommunicationConfig::showSendProblems(TransferSnapshot &snapshot)
{
    const QVector<SendProblem> problems = SendCheck::check(snapshot, m_job);
    if (problems.isEmpty())
        return false;
    SendProblemsDlg list(problems, parentWidget());
    list.exec();
    reject();
    if (const SendProblem *p = list.chosen())
        emit showCellReq(p->row, p->column);
    return true;
}

#ifdef Q_OS_WIN
bool ZQCommunicationConfig::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
    m_watcher->nativeEvent(message);
    return QDialog::nativeEvent(eventType, message, result);
}
#endif
