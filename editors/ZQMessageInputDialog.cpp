#include "editors/ZQMessageInputDialog.h"

#include "document/MessageStore.h"
#include "ui_ZQMessageInputDialog.h"

#include <QHeaderView>
#include <QStandardItemModel>

ZQMessageInputDialog::ZQMessageInputDialog(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ZQMessageInputDialog>()),
      m_model(new QStandardItemModel(MessageStore::LinesPerMessage, 1, this))
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::WindowCloseButtonHint) & ~Qt::WindowContextHelpButtonHint);
    QStringList lineHeaders;
    for (int r = 0; r < MessageStore::LinesPerMessage; ++r) {
        lineHeaders << tr("Line %1").arg(r + 1);
        m_model->setItem(r, 0, new QStandardItem());
    }
    m_model->setVerticalHeaderLabels(lineHeaders);
    m_model->setHorizontalHeaderItem(0, new QStandardItem(QStringLiteral("1")));
    ui->tableView->setModel(m_model);
    ui->tableView->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    ui->tableView->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    ui->tableView->horizontalHeader()->setStretchLastSection(true);
    // All 16 lines in view at once.
    ui->tableView->verticalHeader()->setDefaultSectionSize(ui->tableView->fontMetrics().height() + 10);
    connect(ui->okBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

ZQMessageInputDialog::~ZQMessageInputDialog() = default;

void ZQMessageInputDialog::setMessage(int number, const QStringList &lines)
{
    m_model->horizontalHeaderItem(0)->setData(QString::number(number < 1 ? 1 : number), Qt::EditRole);
    for (int r = 0; r < MessageStore::LinesPerMessage; ++r)
        m_model->item(r, 0)->setText(r < lines.size() ? lines.at(r) : QString());
}

QStringList ZQMessageInputDialog::message(int *number) const
{
    if (number)
        *number = m_model->horizontalHeaderItem(0)->text().toInt();
    QStringList lines;
    for (int r = 0; r < MessageStore::LinesPerMessage; ++r)
        lines << m_model->item(r, 0)->text();
    return lines;
}
