#include "comm/ScaleListDlg.h"

#include "comm/FleetSend.h"
#include "comm/SendJournal.h"
#include "comm/TransferJob.h"
#include "core/AtomicFile.h"
#include "core/Prompt.h"
#include "core/ZQConfig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum BoardColumn
{
    LastGoodColumn = 6,
    BoardColumns = 10
};
const char *const kVerifyKey = "Verify After Send";
const char *const kChoiceGroup = "ChoiceDownLoad";
} // namespace

ScaleListDlg::ScaleListDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ScaleListDlg"));
    setWindowTitle(tr("Scales"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_table = new QTableWidget(0, BoardColumns, this);
    m_table->setObjectName(QStringLiteral("scalesTableWidget"));
    m_table->setHorizontalHeaderLabels({tr("Name"), tr("Group"), tr("Link"), tr("Address or port"), tr("BaudRate"),
                                        tr("Time-out (s)"), tr("Last good send"), tr("Changes to send"),
                                        tr("Last error"), tr("Answers now")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    const int widths[BoardColumns - 1] = {100, 70, 55, 130, 65, 85, 165, 115, 150};
    for (int c = 0; c < BoardColumns - 1; ++c)
        m_table->setColumnWidth(c, widths[c]);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this] { onEdit(); });

    m_groupBox = new QComboBox(this);
    m_groupBox->setObjectName(QStringLiteral("groupComboBox"));
    connect(m_groupBox, QOverload<int>::of(&QComboBox::activated), this, &ScaleListDlg::onGroupChosen);

    auto button = [this](const QString &name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton *add = button(QStringLiteral("addBtn"), tr("Add..."));
    QPushButton *edit = button(QStringLiteral("editBtn"), tr("Edit..."));
    QPushButton *remove = button(QStringLiteral("removeBtn"), tr("Remove"));
    QPushButton *addLink = button(QStringLiteral("addLinkBtn"), tr("Add the current link"));
    QPushButton *test = button(QStringLiteral("testBtn"), tr("Test connection"));
    QPushButton *check = button(QStringLiteral("checkBtn"), tr("Check all now"));
    QPushButton *importCsv = button(QStringLiteral("importBtn"), tr("Import CSV..."));
    QPushButton *exportCsv = button(QStringLiteral("exportBtn"), tr("Export CSV..."));
    QPushButton *download = button(QStringLiteral("downloadBtn"), tr("Download PLU"));
    QPushButton *update = button(QStringLiteral("updateBtn"), tr("Update PLU"));
    QPushButton *changes = button(QStringLiteral("changesBtn"), tr("Send changes"));
    QPushButton *advert = button(QStringLiteral("adBtn"), tr("Download AD"));
    QPushButton *close = button(QStringLiteral("closeBtn"), tr("Close"));
    m_verifyBox = new QCheckBox(tr("Verify after send"), this);
    m_verifyBox->setObjectName(QStringLiteral("verifyCheckBox"));
    if (ZQConfig *config = ZQConfig::instance())
        m_verifyBox->setChecked(config->value(QLatin1String(kChoiceGroup), QLatin1String(kVerifyKey), false).toBool());
    connect(m_verifyBox, &QCheckBox::toggled, this, [](bool on) {
        if (ZQConfig *config = ZQConfig::instance()) {
            config->setValue(QLatin1String(kChoiceGroup), QLatin1String(kVerifyKey), on);
            config->sync();
        }
    });

    auto *side = new QVBoxLayout;
    for (QPushButton *b : {add, edit, remove, addLink, test, check, importCsv, exportCsv})
        side->addWidget(b);
    side->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(m_table, 1);
    top->addLayout(side);
    auto *choose = new QHBoxLayout;
    choose->addWidget(new QLabel(tr("Choose a group:"), this));
    choose->addWidget(m_groupBox, 1);
    choose->addStretch();
    auto *send = new QHBoxLayout;
    send->addWidget(new QLabel(tr("Send to the chosen scales:"), this));
    for (QPushButton *b : {download, update, changes, advert})
        send->addWidget(b);
    send->addWidget(m_verifyBox);
    send->addStretch();
    send->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(choose);
    layout->addLayout(send);
    resize(1280, 520);

    connect(add, &QPushButton::clicked, this, &ScaleListDlg::onAdd);
    connect(edit, &QPushButton::clicked, this, &ScaleListDlg::onEdit);
    connect(remove, &QPushButton::clicked, this, &ScaleListDlg::onRemove);
    connect(addLink, &QPushButton::clicked, this, &ScaleListDlg::onAddLink);
    connect(importCsv, &QPushButton::clicked, this, &ScaleListDlg::onImport);
    connect(exportCsv, &QPushButton::clicked, this, &ScaleListDlg::onExport);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(check, &QPushButton::clicked, this, &ScaleListDlg::checkAll);
    connect(test, &QPushButton::clicked, this, [this] {
        QVector<ScaleEntry> scales;
        if (chosenOrWarn(&scales))
            emit testReq(scales);
    });
    const QVector<QPair<QPushButton *, QPair<int, bool>>> sends{{download, {JobDownloadPlu, false}},
                                                                {update, {JobUpdatePlu, false}},
                                                                {changes, {JobUpdatePlu, true}},
                                                                {advert, {JobDownloadAdvertising, false}}};
    for (const auto &s : sends) {
        const int job = s.second.first;
        const bool changesOnly = s.second.second;
        connect(s.first, &QPushButton::clicked, this, [this, job, changesOnly] {
            QVector<ScaleEntry> scales;
            if (chosenOrWarn(&scales))
                emit sendReq(job, changesOnly, scales);
        });
    }
}

bool ScaleListDlg::reload()
{
    QString error;
    if (!m_list.load(&error)) {
        warn(tr("The scale list cannot be read: %1").arg(error));
        return false;
    }
    fill();
    return true;
}

void ScaleListDlg::fill()
{
    const QVector<ScaleEntry> &entries = m_list.entries();
    m_table->setRowCount(entries.size());
    for (int r = 0; r < entries.size(); ++r) {
        const ScaleEntry &e = entries.at(r);
        const bool serial = e.linkName() == QLatin1String("RS-232");
        const QStringList cells{e.name,
                                e.group,
                                e.linkName(),
                                e.address,
                                serial ? QString::number(e.baud) : QString(),
                                e.timeoutMs > 0 ? QString::number(e.timeoutMs / 1000.0) : tr("default")};
        for (int c = 0; c < cells.size(); ++c)
            m_table->setItem(r, c, new QTableWidgetItem(cells.at(c)));
    }
    fillBoard();
    m_groupBox->clear();
    m_groupBox->addItem(tr("(choose rows)"));
    m_groupBox->addItem(tr("All scales"));
    m_groupBox->addItems(m_list.groups());
}

void ScaleListDlg::setPendingChanges(const QHash<QString, QString> &byScale)
{
    m_pending = byScale;
    fillBoard();
}

void ScaleListDlg::fillBoard()
{
    QHash<QString, SendJournal::Summary> journal;
    QString error;
    SendJournal::summaries(&journal, &error);
    const QString when = QStringLiteral("yyyy-MM-dd HH:mm");
    const QVector<ScaleEntry> &entries = m_list.entries();
    for (int r = 0; r < entries.size() && r < m_table->rowCount(); ++r) {
        const ScaleEntry &e = entries.at(r);
        const SendJournal::Summary s = journal.value(QStringLiteral("%1 (%2)").arg(e.name, e.address));
        const QString good = s.lastOk.isValid() ? tr("%1, %2").arg(s.lastOk.toLocalTime().toString(when),
                                                                   QFileInfo(s.lastOkFile).fileName())
                                                : QString();
        // An error that a good send has followed since is over.
        const QString failure = s.lastFailure.isValid() && (!s.lastOk.isValid() || s.lastFailure > s.lastOk)
                                    ? tr("%1: %2").arg(s.lastFailure.toLocalTime().toString(when), s.lastFailureReason)
                                    : QString();
        const QStringList cells{good, m_pending.value(e.name), failure, m_answers.value(e.name)};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells.at(c));
            item->setToolTip(cells.at(c));
            if (c == 2 && !failure.isEmpty())
                item->setForeground(Qt::red);
            m_table->setItem(r, LastGoodColumn + c, item);
        }
    }
}

void ScaleListDlg::checkAll()
{
    if (m_check)
        return;
    FleetSend::Options o;
    o.job = JobNone0;
    m_check = new FleetSend(m_list.entries(), TransferSnapshot(), o, this);
    for (const ScaleEntry &e : m_list.entries())
        m_answers.insert(e.name, tr("checking..."));
    fillBoard();
    connect(m_check, &FleetSend::scaleChanged, this, [this](int i) {
        const FleetSend::Scale &s = m_check->scales().at(i);
        if (s.state == FleetSend::State::Succeeded)
            m_answers.insert(s.entry.name, tr("yes, in %1 ms").arg(s.elapsedMs));
        else if (s.state == FleetSend::State::Failed || s.state == FleetSend::State::Cancelled)
            m_answers.insert(s.entry.name, tr("no: %1").arg(s.result));
        else
            return;
        fillBoard();
    });
    connect(m_check, &FleetSend::finished, this, [this] {
        m_check->deleteLater();
        m_check = nullptr;
    });
    m_check->start();
}

void ScaleListDlg::onGroupChosen(int index)
{
    if (index <= 0)
        return;
    m_table->clearSelection();
    const QString group = m_groupBox->itemText(index);
    for (int r = 0; r < m_list.entries().size(); ++r) {
        if (index == 1 || m_list.entries().at(r).group == group)
            m_table->selectionModel()->select(m_table->model()->index(r, 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

QVector<ScaleEntry> ScaleListDlg::chosenScales() const
{
    QVector<ScaleEntry> scales;
    for (int r = 0; r < m_list.entries().size(); ++r) {
        if (m_table->selectionModel()->isRowSelected(r, QModelIndex()))
            scales.append(m_list.entries().at(r));
    }
    return scales;
}

bool ScaleListDlg::verifyAfterSend() const
{
    return m_verifyBox->isChecked();
}

bool ScaleListDlg::chosenOrWarn(QVector<ScaleEntry> *scales)
{
    *scales = chosenScales();
    if (scales->isEmpty())
        warn(tr("Choose one or more scales, or a group."));
    return !scales->isEmpty();
}

void ScaleListDlg::warn(const QString &text)
{
    Prompt::warning(this, tr("Warning"), text);
}

bool ScaleListDlg::editEntry(ScaleEntry *entry, const QString &title)
{
    QDialog d(this);
    d.setObjectName(QStringLiteral("ScaleEntryDlg"));
    d.setWindowTitle(title);
    auto *name = new QLineEdit(entry->name, &d);
    name->setObjectName(QStringLiteral("nameLineEdit"));
    auto *group = new QComboBox(&d);
    group->setObjectName(QStringLiteral("groupComboBox"));
    group->setEditable(true);
    group->addItems(m_list.groups());
    group->setEditText(entry->group);
    auto *address = new QLineEdit(entry->address, &d);
    address->setObjectName(QStringLiteral("addressLineEdit"));
    address->setPlaceholderText(tr("IP address, IP:port, or serial port"));
    auto *baud = new QComboBox(&d);
    baud->setObjectName(QStringLiteral("baudComboBox"));
    baud->addItems({QStringLiteral("115200"), QStringLiteral("57600"), QStringLiteral("38400"), QStringLiteral("19200"),
                    QStringLiteral("9600")});
    baud->setCurrentText(QString::number(entry->baud));
    auto *timeout = new QSpinBox(&d);
    timeout->setObjectName(QStringLiteral("timeoutSpinBox"));
    timeout->setRange(0, 600);
    timeout->setSpecialValueText(tr("default"));
    timeout->setSuffix(tr(" s"));
    timeout->setValue(entry->timeoutMs / 1000);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    auto *form = new QFormLayout(&d);
    form->addRow(tr("Name:"), name);
    form->addRow(tr("Group:"), group);
    form->addRow(tr("Address or port:"), address);
    form->addRow(tr("BaudRate:"), baud);
    form->addRow(tr("Time-out:"), timeout);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, &d, [&] {
        ScaleEntry e;
        e.name = name->text().trimmed();
        e.group = group->currentText().trimmed();
        e.address = address->text().trimmed();
        e.baud = baud->currentText().toInt();
        e.timeoutMs = timeout->value() * 1000;
        QString error;
        if (!e.check(nullptr, &error)) {
            Prompt::warning(&d, tr("Warning"), error);
            return;
        }
        *entry = e;
        d.accept();
    });
    return d.exec() == QDialog::Accepted;
}

void ScaleListDlg::onAdd()
{
    ScaleEntry e;
    QString error;
    if (editEntry(&e, tr("Add a scale")) && !m_list.add(e, &error))
        warn(error);
    fill();
}

void ScaleListDlg::onEdit()
{
    const QVector<ScaleEntry> chosen = chosenScales();
    if (chosen.size() != 1) {
        warn(tr("Choose one scale to edit."));
        return;
    }
    ScaleEntry e = chosen.first();
    QString error;
    if (editEntry(&e, tr("Edit a scale")) && !m_list.replace(chosen.first().name, e, &error))
        warn(error);
    fill();
}

void ScaleListDlg::onRemove()
{
    QVector<ScaleEntry> chosen;
    if (!chosenOrWarn(&chosen))
        return;
    QString error;
    for (const ScaleEntry &e : chosen) {
        if (!m_list.remove(e.name, &error)) {
            warn(error);
            break;
        }
    }
    fill();
}

void ScaleListDlg::onAddLink()
{
    ScaleEntry e;
    const bool serial = ZQConfig::number(ZQConfig::CommType) == LinkSerial;
    e.address = serial ? ZQConfig::text(ZQConfig::CommPort) : ZQConfig::text(ZQConfig::CommIP);
    e.baud = serial ? ZQConfig::text(ZQConfig::CommBaudRate).toInt() : ScaleAddress::DefaultBaud;
    e.name = tr("Scale %1").arg(e.address);
    for (int n = 2; m_list.indexOf(e.name) >= 0; ++n)
        e.name = tr("Scale %1 (%2)").arg(e.address).arg(n);
    QString error;
    if (!m_list.add(e, &error))
        warn(error);
    fill();
}

void ScaleListDlg::onImport()
{
    const QString path = Prompt::openFileName(this, tr("Import scales"), QString(), tr("CSV Files (*.csv)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    QString error;
    if (!file.open(QIODevice::ReadOnly))
        error = file.errorString();
    else if (file.size() > 16 * 1024 * 1024)
        error = tr("the file is too large for a scale list");
    if (error.isEmpty() && m_list.importCsv(file.readAll(), &error)) {
        fill();
        return;
    }
    warn(tr("\"%1\": %2").arg(path, error));
}

void ScaleListDlg::onExport()
{
    const QString path = Prompt::saveFileName(this, tr("Export scales"), QString(), tr("CSV Files (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!AtomicFile::write(path, m_list.exportCsv(), &error))
        warn(error);
}
