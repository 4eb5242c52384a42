#include "editors/ZQPackagesettingDialog.h"

#include "comm/TransferJob.h"
#include "core/Prompt.h"
#include "editors/LocalDatabase.h"
#include "editors/UserDelegate.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSqlError>
#include <QSqlRelationalTableModel>
#include <QTableView>
#include <QVBoxLayout>

ZQPackagesettingDialog::ZQPackagesettingDialog(LocalDatabase *database, QWidget *parent)
    : QDialog(parent), m_model(new QSqlRelationalTableModel(this, database->database())), m_view(new QTableView(this))
{
    setObjectName(QStringLiteral("ZQPackagesettingDialog"));
    setWindowTitle(tr("Package Type function setting"));
    resize(360, 420);
    m_model->setTable(QStringLiteral("PackTypeFun"));
    m_model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    m_model->select();
    m_view->setObjectName(QStringLiteral("tableView"));
    m_view->setModel(m_model);
    for (const char *hidden : {"ID", "FunName", "remark"})
        m_view->setColumnHidden(m_model->fieldIndex(QString::fromLatin1(hidden)), true);
    m_model->setHeaderData(codeColumn(), Qt::Horizontal, tr("CODE"));
    m_view->setItemDelegateForColumn(codeColumn(), new UserDelegate(m_view));
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);

    auto *buttons = new QVBoxLayout;
    const std::pair<const char *, QString> defs[] = {{"NEWBtn", tr("New")},       {"DELBtn", tr("Delete")},
                                                     {"SaveBtn", tr("Save")},     {"DownBtn", tr("Down")},
                                                     {"UploadBtn", tr("Upload")}, {"CloseBtn", tr("Close")}};
    for (const auto &def : defs) {
        auto *b = new QPushButton(def.second, this);
        b->setObjectName(QString::fromLatin1(def.first));
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_view);
    layout->addLayout(buttons);
    QMetaObject::connectSlotsByName(this);
}

int ZQPackagesettingDialog::codeColumn() const
{
    return m_model->fieldIndex(QStringLiteral("KeyValue"));
}

bool ZQPackagesettingDialog::submit()
{
    if (m_model->submitAll())
        return true;
    Prompt::warning(this, tr("Warning"),
                    tr("The package types could not be saved: %1").arg(m_model->lastError().text()));
    return false;
}

void ZQPackagesettingDialog::on_NEWBtn_clicked()
{
    if (m_model->rowCount() >= MaxRows) {
        Prompt::warning(nullptr, tr("Warning"), tr("Cannot add more than %1 records").arg(14));
        return;
    }
    m_view->setFocus();
    const int row = m_model->rowCount();
    m_model->insertRow(row);
    const QModelIndex code = m_model->index(row, codeColumn());
    m_view->setCurrentIndex(code);
    m_view->selectionModel()->select(code, QItemSelectionModel::ClearAndSelect);
}

void ZQPackagesettingDialog::on_DELBtn_clicked()
{
    if (m_model->rowCount() == 0)
        return;
    if (Prompt::question(this, QString(),
                         tr("Data cannot be recovered after deletion. Are you sure you want to delete?"),
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const int row = m_view->currentIndex().isValid() ? m_view->currentIndex().row() : m_model->rowCount() - 1;
    m_model->removeRow(row);
    submit();
    m_view->setFocus();
    const int select = qMin(row, m_model->rowCount() - 1);
    if (select >= 0) {
        const QModelIndex code = m_model->index(select, codeColumn());
        m_view->setCurrentIndex(code);
        m_view->selectionModel()->select(code, QItemSelectionModel::ClearAndSelect);
    }
}

void ZQPackagesettingDialog::on_SaveBtn_clicked()
{
    submit();
}

void ZQPackagesettingDialog::on_DownBtn_clicked()
{
    emit communicationReq(JobDownloadPackageTypes);
}

void ZQPackagesettingDialog::on_UploadBtn_clicked()
{
    emit communicationReq(JobUploadPackageTypes);
}

void ZQPackagesettingDialog::on_CloseBtn_clicked()
{
    m_model->revertAll();
    reject();
}

void ZQPackagesettingDialog::slot_updatePacktypeInfo()
{
    m_model->select();
}
