#include "editors/MessageEditingDlg.h"

#include "core/Prompt.h"
#include "document/MessageStore.h"
#include "editors/MessageTableModel.h"
#include "ui_MessageEditingDlg.h"

#include <QFileInfo>
#include <QHeaderView>

MessageEditingDlg::MessageEditingDlg(MessageStore *store, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::MessageEditingDlg>()), m_store(store),
      m_model(new MessageTableModel(store, this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    ui->TABLEVW_SHOW->setModel(m_model);
    ui->TABLEVW_SHOW->setSelectionBehavior(QAbstractItemView::SelectRows);
    // A column is a message: wide enough to read a label line.
    ui->TABLEVW_SHOW->horizontalHeader()->setDefaultSectionSize(240);
    ui->TABLEVW_SHOW->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    connect(m_model, &QAbstractItemModel::dataChanged, this, [this] { m_changed = true; });
    connect(ui->btn_Import, &QPushButton::clicked, this, &MessageEditingDlg::onImportMsgClicked);
    connect(ui->btn_Export, &QPushButton::clicked, this, &MessageEditingDlg::onSaveMsgClicked);
    connect(ui->btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

MessageEditingDlg::~MessageEditingDlg() = default;

void MessageEditingDlg::changeEvent(QEvent *event)
{
    // Kept for the whole run: it follows a language chosen while it exists.
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        emit m_model->headerDataChanged(Qt::Vertical, 0, m_model->rowCount() - 1);
    }
    QDialog::changeEvent(event);
}

void MessageEditingDlg::reload()
{
    m_model->reload();
}

bool MessageEditingDlg::takeChanged()
{
    const bool changed = m_changed;
    m_changed = false;
    return changed;
}

void MessageEditingDlg::onImportMsgClicked()
{
    const QString path = Prompt::openFileName(this, tr("Select File"), QString(), tr("Msg Files (*.Msg)"));
    if (path.isEmpty())
        return;
    QString error;
    QString warning;
    const bool read = m_store->readMsgFile(path, &error, &warning);
    m_model->reload();
    if (!read) {
        Prompt::warning(this, tr("Warning"), error);
        return;
    }
    m_changed = true;
    if (!warning.isEmpty())
        Prompt::warning(this, tr("Warning"), warning);
}

void MessageEditingDlg::onSaveMsgClicked()
{
    QString path = Prompt::saveFileName(this, tr("Export File"), QString(), tr("Msg Files (*.Msg)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".Msg");
    QString error;
    if (!m_store->writeMsgFile(path, &error))
        Prompt::warning(this, tr("Warning"), tr("Open file fail") + QLatin1Char('\n') + error);
}
