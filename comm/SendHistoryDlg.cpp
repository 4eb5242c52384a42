#include "comm/SendHistoryDlg.h"

#include "comm/ScaleList.h"
#include "core/AtomicFile.h"
#include "core/Prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

SendHistoryDlg::SendHistoryDlg(QWidget *parent)
    : QDialog(parent), m_scale(new QComboBox(this)), m_from(new QDateEdit(this)), m_to(new QDateEdit(this)),
      m_failedOnly(new QCheckBox(tr("Failed and cancelled only"), this)), m_table(new QTableWidget(this)),
      m_count(new QLabel(this))
{
    setObjectName(QStringLiteral("SendHistoryDlg"));
    setWindowTitle(tr("Send history"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    m_scale->setObjectName(QStringLiteral("scaleComboBox"));
    m_scale->setEditable(true);
    m_scale->addItem(QString());
    ScaleList list;
    QString error;
    if (list.load(&error)) {
        for (const ScaleEntry &e : list.entries())
            m_scale->addItem(e.name);
    }
    m_scale->lineEdit()->setPlaceholderText(tr("every scale"));
    for (QDateEdit *edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }
    m_from->setObjectName(QStringLiteral("fromDateEdit"));
    m_to->setObjectName(QStringLiteral("toDateEdit"));
    m_from->setDate(QDate::currentDate().addDays(-30));
    m_to->setDate(QDate::currentDate());
    m_failedOnly->setObjectName(QStringLiteral("failedCheckBox"));

    auto *filters = new QHBoxLayout;
    filters->addWidget(new QLabel(tr("Scale:"), this));
    filters->addWidget(m_scale, 1);
    filters->addWidget(new QLabel(tr("From:"), this));
    filters->addWidget(m_from);
    filters->addWidget(new QLabel(tr("To:"), this));
    filters->addWidget(m_to);
    filters->addWidget(m_failedOnly);

    const QStringList captions{tr("Time"), tr("Program"), tr("Scale"), tr("Result"),
                               tr("PLUs"), tr("Parts"),   tr("File"),  tr("Reason")};
    m_table->setObjectName(QStringLiteral("historyTableWidget"));
    m_table->setColumnCount(captions.size());
    m_table->setHorizontalHeaderLabels(captions);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *exportButton = buttons->addButton(tr("Export as CSV..."), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(exportButton, &QPushButton::clicked, this, &SendHistoryDlg::exportCsv);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_table, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_count, 1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    resize(960, 520);

    connect(m_scale, &QComboBox::currentTextChanged, this, &SendHistoryDlg::reload);
    connect(m_from, &QDateEdit::dateChanged, this, &SendHistoryDlg::reload);
    connect(m_to, &QDateEdit::dateChanged, this, &SendHistoryDlg::reload);
    connect(m_failedOnly, &QCheckBox::toggled, this, &SendHistoryDlg::reload);
    reload();
}

bool SendHistoryDlg::reload()
{
    SendJournal::Filter filter;
    filter.scale = m_scale->currentText().trimmed();
    filter.since = m_from->date().startOfDay();
    filter.until = m_to->date().endOfDay();
    filter.failedOnly = m_failedOnly->isChecked();
    QString error;
    if (!SendJournal::read(filter, &m_entries, &error)) {
        m_entries.clear();
        m_table->setRowCount(0);
        m_count->setText(tr("The send history cannot be read: %1").arg(error));
        return false;
    }
    m_table->setRowCount(m_entries.size());
    for (int r = 0; r < m_entries.size(); ++r) {
        const SendJournal::Entry &e = m_entries.at(r);
        // The journal keeps its words in English (for scripts); the window shows them translated.
        const QString result = e.result == QLatin1String("ok")          ? tr("ok")
                               : e.result == QLatin1String("failed")    ? tr("failed")
                               : e.result == QLatin1String("cancelled") ? tr("cancelled")
                               : e.result == QLatin1String("refused")   ? tr("refused")
                                                                        : e.result;
        const QStringList cells{e.at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                e.program,
                                e.scale,
                                result,
                                e.plus < 0 ? QString() : QString::number(e.plus),
                                e.parts,
                                e.file,
                                e.reason};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells.at(c));
            item->setToolTip(cells.at(c));
            if (e.result != QLatin1String("ok"))
                item->setForeground(Qt::red);
            m_table->setItem(r, c, item);
        }
    }
    m_table->resizeColumnsToContents();
    m_count->setText(tr("%n send(s)", nullptr, m_entries.size()));
    return true;
}

void SendHistoryDlg::exportCsv()
{
    const QString path =
        Prompt::saveFileName(this, tr("Export send history"), QStringLiteral("send-history.csv"), tr("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!AtomicFile::write(path, SendJournal::toCsv(m_entries), &error))
        Prompt::warning(this, tr("Warning"), error);
}
