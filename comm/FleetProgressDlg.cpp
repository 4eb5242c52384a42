#include "comm/FleetProgressDlg.h"

#include "comm/FleetSend.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
enum Column
{
    NameColumn,
    StateColumn,
    PacketsColumn,
    BarColumn,
    ResultColumn,
    ColumnCount
};

QString stateText(FleetSend::State state)
{
    switch (state) {
    case FleetSend::State::Waiting:
        return FleetProgressDlg::tr("waiting");
    case FleetSend::State::Sending:
        return FleetProgressDlg::tr("sending");
    case FleetSend::State::Verifying:
        return FleetProgressDlg::tr("verifying");
    case FleetSend::State::Succeeded:
        return FleetProgressDlg::tr("done");
    case FleetSend::State::Failed:
        return FleetProgressDlg::tr("failed");
    case FleetSend::State::Cancelled:
        return FleetProgressDlg::tr("cancelled");
    }
    return QString();
}
} // namespace

FleetProgressDlg::FleetProgressDlg(FleetSend *fleet, const QString &title, QWidget *parent)
    : QDialog(parent), m_fleet(fleet), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("FleetProgressDlg"));
    setWindowTitle(title);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    m_fleet->setParent(this);

    m_table = new QTableWidget(m_fleet->scales().size(), ColumnCount, this);
    m_table->setObjectName(QStringLiteral("scalesTableWidget"));
    m_table->setHorizontalHeaderLabels({tr("Scale"), tr("State"), tr("Packets"), tr("Progress"), tr("Result")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < m_table->rowCount(); ++r) {
        for (int c = 0; c < ColumnCount; ++c) {
            if (c != BarColumn)
                m_table->setItem(r, c, new QTableWidgetItem);
        }
        auto *bar = new QProgressBar(m_table);
        bar->setTextVisible(false);
        bar->setValue(0);
        m_table->setCellWidget(r, BarColumn, bar);
    }
    // Names and addresses in full where the screen allows: "Scale 01 ..." says little.
    int nameWidth = 0;
    for (const FleetSend::Scale &s : m_fleet->scales())
        nameWidth = qMax(nameWidth, m_table->fontMetrics().horizontalAdvance(s.label()));
    nameWidth = qBound(160, nameWidth + 24, 360);
    m_table->setColumnWidth(NameColumn, nameWidth);
    m_table->setColumnWidth(StateColumn, 80);
    m_table->setColumnWidth(PacketsColumn, 100);
    m_table->setColumnWidth(BarColumn, 140);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summaryLabel"));
    m_summary->setWordWrap(true);
    m_retry = new QPushButton(tr("Retry failed"), this);
    m_retry->setObjectName(QStringLiteral("retryBtn"));
    m_cancel = new QPushButton(tr("Cancel all"), this);
    m_cancel->setObjectName(QStringLiteral("cancelBtn"));
    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("closeBtn"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_retry);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(m_summary);
    layout->addLayout(buttons);
    resize(600 + nameWidth, qMin(700, 160 + 30 * m_table->rowCount()));

    connect(m_retry, &QPushButton::clicked, this, [this] {
        m_summary->clear();
        m_retry->setEnabled(false);
        m_cancel->setEnabled(true);
        m_close->setEnabled(false);
        m_fleet->retryFailed();
    });
    connect(m_cancel, &QPushButton::clicked, m_fleet, &FleetSend::cancelAll);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_fleet, &FleetSend::finished, this, &FleetProgressDlg::onFinished);
    // Twenty scales report thousands of packets a second: the rows are drawn a few times a second.
    connect(m_timer, &QTimer::timeout, this, &FleetProgressDlg::refresh);
    m_timer->start(100);
    m_retry->setEnabled(false);
    m_close->setEnabled(false);
    refresh();
}

FleetProgressDlg::~FleetProgressDlg()
{
    // The workers must stop before the send that owns them goes.
    if (m_fleet->isRunning())
        m_fleet->cancelAll();
    delete m_fleet;
}

void FleetProgressDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    QTimer::singleShot(0, m_fleet, &FleetSend::start);
}

void FleetProgressDlg::reject()
{
    // Closing the window while scales are busy means cancelling them; the window stays until they stop.
    if (m_fleet->isRunning()) {
        m_fleet->cancelAll();
        return;
    }
    QDialog::reject();
}

void FleetProgressDlg::refresh()
{
    const QVector<FleetSend::Scale> &scales = m_fleet->scales();
    for (int r = 0; r < scales.size(); ++r) {
        const FleetSend::Scale &s = scales.at(r);
        m_table->item(r, NameColumn)->setText(s.label());
        m_table->item(r, NameColumn)->setToolTip(s.label());
        m_table->item(r, StateColumn)->setText(stateText(s.state));
        m_table->item(r, PacketsColumn)
            ->setText(s.total > 0 ? QStringLiteral("%1 / %2").arg(s.current).arg(s.total) : QString());
        auto *bar = static_cast<QProgressBar *>(m_table->cellWidget(r, BarColumn));
        const bool done = s.state == FleetSend::State::Succeeded;
        bar->setMaximum(done ? 1 : qMax(1, s.total));
        bar->setValue(done ? 1 : qMin(s.current, qMax(1, s.total)));
        QString result = s.result;
        if (s.state == FleetSend::State::Sending || s.state == FleetSend::State::Verifying)
            result = s.status;
        if (!s.note.isEmpty())
            result = result.isEmpty() ? s.note : result + QLatin1String(" (") + s.note + QLatin1Char(')');
        if (!s.warning.isEmpty())
            result += (result.isEmpty() ? QString() : QStringLiteral("; ")) + tr("warning: %1").arg(s.warning);
        QTableWidgetItem *item = m_table->item(r, ResultColumn);
        item->setText(result);
        item->setToolTip(result);
        item->setForeground(s.state == FleetSend::State::Failed || !s.warning.isEmpty() ? QBrush(Qt::red) : QBrush());
    }
}

void FleetProgressDlg::onFinished()
{
    refresh();
    m_summary->setText(m_fleet->summary());
    m_retry->setEnabled(m_fleet->failedCount() > 0);
    m_cancel->setEnabled(false);
    m_close->setEnabled(true);
}
