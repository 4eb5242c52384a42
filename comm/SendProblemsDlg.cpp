#include "comm/SendProblemsDlg.h"

#include "core/Prompt.h"
#include "ui_SendProblemsDlg.h"

#include <QHeaderView>

SendProblemsDlg::SendProblemsDlg(const QVector<SendProblem> &problems, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::SendProblemsDlg>()), m_problems(problems)
{
    ui->setupUi(this);
    setWindowTitle(tr("Warning"));
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint) &
                   ~Qt::WindowContextHelpButtonHint);
    ui->summaryLabel->setText(tr("Nothing was sent. These cells would not reach the scale as they are; "
                                 "double-click a line to go to its cell."));
    ui->problemTable->setHorizontalHeaderLabels({tr("Row"), tr("Column"), tr("Value"), tr("Rule")});
    ui->problemTable->setRowCount(problems.size());
    for (int i = 0; i < problems.size(); ++i) {
        const SendProblem &p = problems.at(i);
        const QStringList texts{p.row >= 0 ? QString::number(p.row + 1) : QString(), p.field, p.value, p.rule};
        for (int c = 0; c < texts.size(); ++c) {
            auto *item = new QTableWidgetItem(texts.at(c));
            item->setToolTip(p.text);
            ui->problemTable->setItem(i, c, item);
        }
    }
    ui->problemTable->resizeColumnsToContents();
    // A long name keeps the rule in sight; the tool tip has it whole.
    ui->problemTable->setColumnWidth(2, qMin(ui->problemTable->columnWidth(2), 240));
    ui->problemTable->horizontalHeader()->setStretchLastSection(true);
    // A double-click, or Enter on a line.
    connect(ui->problemTable, &QAbstractItemView::activated, this,
            [this](const QModelIndex &index) { choose(index.row()); });
    connect(ui->closeBtn, &QPushButton::clicked, this, &QDialog::reject);
}

SendProblemsDlg::~SendProblemsDlg() = default;

void SendProblemsDlg::offerAction(const QString &summary, const QString &actionText)
{
    m_offersAction = true;
    ui->summaryLabel->setText(summary);
    ui->problemTable->setHorizontalHeaderLabels({tr("Row"), tr("Column"), tr("Value"), tr("Problem")});
    auto *action = new QPushButton(actionText, this);
    action->setObjectName(QStringLiteral("actionBtn"));
    ui->buttonLayout->insertWidget(ui->buttonLayout->indexOf(ui->closeBtn), action);
    ui->closeBtn->setText(tr("Cancel"));
    connect(action, &QPushButton::clicked, this, &QDialog::accept);
}

void SendProblemsDlg::choose(int index)
{
    if (m_offersAction)
        return;
    // The advertising texts have no cell to go to.
    if (index < 0 || index >= m_problems.size() || m_problems.at(index).row < 0)
        return;
    m_chosen = index;
    accept();
}

bool SendProblemsDlg::confirmSend(QWidget *parent, const TransferSnapshot &snapshot, int job, bool changesOnly)
{
    auto ask = [parent](const QString &text) {
        return Prompt::question(parent, tr("Warning"), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
               QMessageBox::Yes;
    };
    if (SendCheck::sendsEmptyList(snapshot, job, changesOnly) && !ask(SendCheck::emptyListQuestion()))
        return false;
    if (SendCheck::dropsMessages(snapshot, job) &&
        !ask(SendCheck::dropsMessagesText() + QLatin1String("\n\n") + tr("Send anyway?")))
        return false;
    return true;
}
