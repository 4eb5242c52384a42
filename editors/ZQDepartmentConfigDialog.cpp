#include "editors/ZQDepartmentConfigDialog.h"

#include "comm/TransferJob.h"
#include "core/Prompt.h"
#include "core/ZQConfig.h"
#include "table/ZQCheckBoxDeletate.h"
#include "table/ZQLineEditDeletate.h"
#include "table/ZQSpinBoxDelegate.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QString rate(double value)
{
    return QString::number(value, 'f', 2);
}
} // namespace

ZQDepartmentConfigDialog::ZQDepartmentConfigDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_model(new QStandardItemModel(0, ColumnCount, this)), m_view(new QTableView(this)),
      m_selectFrame(new QFrame(this)), m_editFrame(new QFrame(this))
{
    setObjectName(QStringLiteral("ZQDepartmentConfigDialog"));
    resize(1040, 480);
    m_model->setHorizontalHeaderLabels({tr("Print Department No"), tr("Department No"), tr("Print Name of department"),
                                        tr("Name of department"), tr("CGST(%)"), tr("SGST(%)")});
    m_view->setObjectName(QStringLiteral("DepartmentTableView"));
    m_view->setModel(m_model);
    auto *check = new ZQCheckBoxDeletate(m_view);
    m_view->setItemDelegateForColumn(PrintNumberColumn, check);
    m_view->setItemDelegateForColumn(PrintNameColumn, check);
    m_view->setItemDelegateForColumn(NumberColumn, new ZQSpinBoxDelegate(1, 99, 0, m_view));
    m_view->setItemDelegateForColumn(NameColumn,
                                     new ZQLineEditDeletate(CellRule::length(DepartmentRecord::NameBytes), m_view));
    m_view->setItemDelegateForColumn(CgstColumn, new ZQSpinBoxDelegate(0, 99, 2, m_view));
    m_view->setItemDelegateForColumn(SgstColumn, new ZQSpinBoxDelegate(0, 99, 2, m_view));
    m_view->setColumnWidth(PrintNumberColumn, 190);
    m_view->setColumnWidth(NumberColumn, 150);
    m_view->setColumnWidth(PrintNameColumn, 230);
    // Room for a 14-byte name and both rates without scrolling when the rates are shown.
    m_view->setColumnWidth(NameColumn, 180);
    m_view->setColumnWidth(CgstColumn, 100);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_view->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    const bool gst = ZQConfig::isShowGST();
    m_view->setColumnHidden(CgstColumn, !gst);
    m_view->setColumnHidden(SgstColumn, !gst);
    // Picking: a double-click on a row in select mode chooses it.
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (m_editMode || !index.isValid())
            return;
        on_DepartmentTableView_clicked(index);
        accept();
    });
    // Rates typed through the spin box come back as numbers: show them as the file's 2 decimals.
    connect(m_model, &QStandardItemModel::itemChanged, this, [](QStandardItem *item) {
        if (item->column() != CgstColumn && item->column() != SgstColumn)
            return;
        const QString shown = rate(item->text().toDouble());
        if (item->text() != shown)
            item->setText(shown);
    });

    auto *selectLayout = new QHBoxLayout(m_selectFrame);
    selectLayout->addWidget(button(m_selectFrame, "editBtn", tr("Edit")));
    selectLayout->addWidget(button(m_selectFrame, "downloadBtn", tr("Download")));
    selectLayout->addWidget(button(m_selectFrame, "uploadBtn", tr("Upload")));
    selectLayout->addStretch();
    QPushButton *ok = button(m_selectFrame, "okBtn", tr("OK"));
    selectLayout->addWidget(ok);

    auto *editLayout = new QHBoxLayout(m_editFrame);
    editLayout->addWidget(button(m_editFrame, "addBtn", tr("Add")));
    editLayout->addWidget(button(m_editFrame, "deleteBtn", tr("Delete")));
    editLayout->addWidget(button(m_editFrame, "saveBtn", tr("Save")));
    auto *allId = new QCheckBox(tr("Select All \"Print Department No\""), m_editFrame);
    allId->setObjectName(QStringLiteral("selectAllIdCheckBox"));
    auto *allName = new QCheckBox(tr("Select All \"Print Name of Departments\""), m_editFrame);
    allName->setObjectName(QStringLiteral("selectAllNameCheckBox"));
    editLayout->addWidget(allId);
    editLayout->addWidget(allName);
    editLayout->addStretch();
    editLayout->addWidget(button(m_editFrame, "cancelBtn", tr("Cancel")));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addWidget(m_selectFrame);
    layout->addWidget(m_editFrame);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_selectFrame->findChild<QPushButton *>(QStringLiteral("downloadBtn")), &QPushButton::clicked, this,
            &ZQDepartmentConfigDialog::onDownloadDepartmentClick);
    QMetaObject::connectSlotsByName(this);
    setEditMode(false);
}

int ZQDepartmentConfigDialog::exec()
{
    if (m_table.load())
        setRecords(m_table.records());
    setEditMode(false);
    return QDialog::exec();
}

void ZQDepartmentConfigDialog::setEditMode(bool edit)
{
    m_editMode = edit;
    setWindowTitle(edit ? tr("Edit Deparment") : tr("Select Deparment"));
    m_selectFrame->setVisible(!edit);
    m_editFrame->setVisible(edit);
    applyItemFlags();
}

void ZQDepartmentConfigDialog::applyItemFlags()
{
    const Qt::ItemFlags base = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    for (int r = 0; r < m_model->rowCount(); ++r) {
        for (int c = 0; c < ColumnCount; ++c) {
            Qt::ItemFlags flags = base;
            if (m_editMode)
                flags |= (c == PrintNumberColumn || c == PrintNameColumn) ? Qt::ItemIsDragEnabled : Qt::ItemIsEditable;
            m_model->item(r, c)->setFlags(flags);
        }
    }
}

int ZQDepartmentConfigDialog::currentNumber() const
{
    if (m_currentRow < 0 || m_currentRow >= m_model->rowCount())
        return 0;
    return m_model->item(m_currentRow, NumberColumn)->text().toInt();
}

DepartmentRecords ZQDepartmentConfigDialog::records() const
{
    DepartmentRecords out;
    out.reserve(m_model->rowCount());
    for (int r = 0; r < m_model->rowCount(); ++r) {
        DepartmentRecord rec;
        rec.printNumber = m_model->item(r, PrintNumberColumn)->data(Qt::UserRole).toBool() ? 1 : 0;
        rec.printName = m_model->item(r, PrintNameColumn)->data(Qt::UserRole).toBool() ? 1 : 0;
        rec.number = m_model->item(r, NumberColumn)->text().toInt();
        rec.setNameText(m_model->item(r, NameColumn)->text());
        rec.cgst = m_model->item(r, CgstColumn)->text().toDouble();
        rec.sgst = m_model->item(r, SgstColumn)->text().toDouble();
        out.append(rec);
    }
    return out;
}

void ZQDepartmentConfigDialog::setRecords(const DepartmentRecords &records)
{
    m_model->removeRows(0, m_model->rowCount());
    for (const DepartmentRecord &r : records)
        appendRow(r);
    applyItemFlags();
}

void ZQDepartmentConfigDialog::appendRow(const DepartmentRecord &record)
{
    auto *printNumber = new QStandardItem;
    printNumber->setData(record.printNumber != 0, Qt::UserRole);
    auto *printName = new QStandardItem;
    printName->setData(record.printName != 0, Qt::UserRole);
    m_model->appendRow({printNumber, new QStandardItem(QString::number(record.number)), printName,
                        new QStandardItem(record.nameText()), new QStandardItem(rate(record.cgst)),
                        new QStandardItem(rate(record.sgst))});
}

void ZQDepartmentConfigDialog::on_editBtn_clicked()
{
    setEditMode(true);
}

void ZQDepartmentConfigDialog::on_cancelBtn_clicked()
{
    setEditMode(false);
}

void ZQDepartmentConfigDialog::onDownloadDepartmentClick()
{
    emit communicationReq(JobDownloadDepartments);
}

void ZQDepartmentConfigDialog::on_uploadBtn_clicked()
{
    emit communicationReq(JobUploadDepartments);
}

void ZQDepartmentConfigDialog::on_addBtn_clicked()
{
    DepartmentRecord r;
    r.printNumber = 1;
    r.number = DepartmentTable::nextNumber(records());
    appendRow(r);
    applyItemFlags();
    m_view->scrollToBottom();
}

void ZQDepartmentConfigDialog::on_deleteBtn_clicked()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    m_currentRow = current.row();
    m_model->removeRow(current.row());
}

void ZQDepartmentConfigDialog::setColumn(int column, bool checked)
{
    for (int r = 0; r < m_model->rowCount(); ++r)
        m_model->item(r, column)->setData(checked, Qt::UserRole);
}

void ZQDepartmentConfigDialog::on_selectAllIdCheckBox_clicked(bool checked)
{
    setColumn(PrintNumberColumn, checked);
}

void ZQDepartmentConfigDialog::on_selectAllNameCheckBox_clicked(bool checked)
{
    setColumn(PrintNameColumn, checked);
}

void ZQDepartmentConfigDialog::on_saveBtn_clicked()
{
    m_table.setRecords(records());
    QString error;
    // A failed write keeps the old file and the dialog in edit mode, so nothing typed is lost.
    if (!m_table.save(&error)) {
        Prompt::warning(this, tr("Warning"), error);
        return;
    }
    setEditMode(false);
}

void ZQDepartmentConfigDialog::on_DepartmentTableView_clicked(const QModelIndex &index)
{
    if (index.isValid())
        m_currentRow = index.row();
}
