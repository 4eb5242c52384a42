#include "editors/EditorsController.h"

#include "comm/TransferJob.h"
#include "comm/TransferSnapshot.h"
#include "core/AppPaths.h"
#include "core/PluColumns.h"
#include "core/Prompt.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"
#include "editors/AdvertisingSloganDlg.h"
#include "editors/BarcodeLayout.h"
#include "editors/DiscountScheduleDlg.h"
#include "editors/LocalDatabase.h"
#include "editors/MessageEditingDlg.h"
#include "editors/MultiLabelDlg.h"
#include "editors/NutritionElementDlg.h"
#include "editors/SelectBarcodeDlg.h"
#include "editors/ZQDepartmentConfigDialog.h"
#include "editors/ZQMessageInputDialog.h"
#include "editors/ZQNutritionSetDlg.h"
#include "editors/ZQPackagesettingDialog.h"
#include "editors/ZQRebateSelectDialog.h"
#include "table/EditorHost.h"

#include <QAction>

namespace {
// The advertising list as the scale shows it: trailing empty lines print nothing.
QStringList withoutTrailingEmpty(QStringList texts)
{
    while (!texts.isEmpty() && texts.last().isEmpty())
        texts.removeLast();
    return texts;
}
} // namespace

namespace {
// The controller whose stores the transfers read: the last one started.
EditorsController *g_sourceOwner = nullptr;
} // namespace

EditorsController::EditorsController(EditorHost *host, QObject *parent)
    : QObject(parent), m_host(host), m_database(std::make_unique<LocalDatabase>())
{
}

EditorsController::~EditorsController()
{
    if (g_sourceOwner == this) {
        TransferSnapshot::setDepartmentSource(nullptr);
        TransferSnapshot::setPackTypeSource(nullptr);
        g_sourceOwner = nullptr;
    }
    delete m_departments;
}

ZQDepartmentConfigDialog *EditorsController::departments() const
{
    return m_departments;
}

void EditorsController::start()
{
    if (!m_database->openLocalDatabase(AppPaths::localDatabaseFile()))
        Prompt::warning(m_host->hostWidget(), tr("Warning"), m_database->lastError());
    m_departments = new ZQDepartmentConfigDialog(m_host->hostWidget());
    connect(m_departments, &ZQDepartmentConfigDialog::communicationReq, this,
            [this](int job) { m_host->startCommunication(job); });
    ZQDepartmentConfigDialog *departments = m_departments;
    TransferSnapshot::setDepartmentSource([departments] { return departments->records(); });
    LocalDatabase *database = m_database.get();
    if (database->isOpen())
        TransferSnapshot::setPackTypeSource([database] { return database->packTypeKeyValues(); });
    else
        TransferSnapshot::setPackTypeSource(nullptr);
    g_sourceOwner = this;
    enableSideDataActions();
}

void EditorsController::enableSideDataActions()
{
    // The window builds its actions after its controllers, so they are enabled here.
    for (const char *name : {"actionMessage_editing", "actionDiscount_schedule", "actionAdvertising_slogan",
                             "actionPackage_type_setting", "actionNutrition_elements_set"}) {
        if (QAction *a = m_host->action(QString::fromLatin1(name)))
            a->setEnabled(true);
    }
}

void EditorsController::messageEditing()
{
    if (!m_messages)
        m_messages = new MessageEditingDlg(&m_host->document()->messages(), m_host->hostWidget());
    m_messages->reload();
    m_messages->exec();
    if (m_messages->takeChanged())
        m_host->document()->setModified(true);
}

void EditorsController::discountSchedule()
{
    runSchedule(m_schedule ? m_schedule->currentMode() : 0);
}

void EditorsController::runSchedule(int mode)
{
    ScheduleStore &store = m_host->document()->schedules();
    if (!m_schedule)
        m_schedule = new DiscountScheduleDlg(&store, m_host->hostWidget());
    const QVector<SchedulePeriod> before = store.periods();
    m_schedule->showMode(mode);
    m_schedule->exec();
    if (store.periods() != before)
        m_host->document()->setModified(true);
}

void EditorsController::advertisingSlogan()
{
    AdvertisingList &list = m_host->document()->advertising();
    if (!m_advertising)
        m_advertising = new AdvertisingSloganDlg(m_host->hostWidget());
    const QStringList before = list.texts();
    m_advertising->setTexts(before);
    m_advertising->exec();
    list.setTexts(m_advertising->texts());
    if (withoutTrailingEmpty(list.texts()) != withoutTrailingEmpty(before))
        m_host->document()->setModified(true);
}

void EditorsController::packageTypeSetting()
{
    if (!m_database->isOpen()) {
        Prompt::warning(m_host->hostWidget(), tr("Warning"),
                        tr("Package types are unavailable: %1").arg(m_database->lastError()));
        return;
    }
    ZQPackagesettingDialog dialog(m_database.get(), m_host->hostWidget());
    connect(&dialog, &ZQPackagesettingDialog::communicationReq, this,
            [this](int job) { m_host->startCommunication(job); });
    connect(this, &EditorsController::updatePacktypeInfo, &dialog, &ZQPackagesettingDialog::slot_updatePacktypeInfo);
    dialog.exec();
}

void EditorsController::receiveDepartments(const DepartmentRecords &records)
{
    if (m_departments)
        m_departments->setRecords(records);
}

void EditorsController::receivePackTypes(const QJsonArray &packTypes)
{
    if (!m_database->replacePackTypes(packTypes))
        Prompt::warning(m_host->hostWidget(), tr("Warning"), m_database->lastError());
    emit updatePacktypeInfo();
}

void EditorsController::receiveHotkeyFunctions(const QJsonArray &functions)
{
    if (!m_database->replaceHotkeyFunctions(functions))
        Prompt::warning(m_host->hostWidget(), tr("Warning"), m_database->lastError());
    emit updatePacktypeInfo();
}

void EditorsController::nutritionElementsSet()
{
    const QString file = m_host->document()->currentFile();
    if (file.isEmpty()) {
        Prompt::warning(nullptr, tr("Warning"), tr("Please save the PLU file first"));
        return;
    }
    if (!m_nutritionElements) {
        m_nutritionElements = new NutritionElementDlg(file, m_host->hostWidget());
        connect(m_nutritionElements, &NutritionElementDlg::downloadReq, this,
                &EditorsController::downloadNutritionElements);
    } else {
        m_nutritionElements->reload(file);
    }
    m_nutritionElements->exec();
}

void EditorsController::downloadNutritionElements(const QVector<NutritionElement> &elements)
{
    TransferSnapshot::setNutritionElementSource([elements] { return elements; });
    m_host->startCommunication(JobDownloadNutritionTable);
    TransferSnapshot::setNutritionElementSource(nullptr);
}

void EditorsController::openNutrition(const QModelIndex &cell)
{
    const PluTableModel &model = *m_host->document()->model();
    ZQNutritionSetDlg dialog(model.text(cell.row(), PluColumns::PluName), m_host->document()->currentFile(),
                             model.text(cell.row(), PluColumns::LFCode), nullptr);
    connect(&dialog, &ZQNutritionSetDlg::downloadReq, this, &EditorsController::downloadNutritionElements);
    dialog.exec();
    writeCell(cell, dialog.selectionString().isEmpty() ? 0 : 1);
}

void EditorsController::openCell(PluEditCommands::Choice choice, const QModelIndex &cell)
{
    if (!cell.isValid())
        return;
    switch (choice) {
    case PluEditCommands::Choice::Barcode:
        openBarcode(cell);
        break;
    case PluEditCommands::Choice::Message:
        openMessage(cell);
        break;
    case PluEditCommands::Choice::Label:
        openLabel(cell);
        break;
    case PluEditCommands::Choice::Schedule:
        openSchedule(cell);
        break;
    case PluEditCommands::Choice::Department:
        openDepartment(cell);
        break;
    case PluEditCommands::Choice::Nutrition:
        openNutrition(cell);
        break;
    default:
        break;
    }
}

void EditorsController::writeCell(const QModelIndex &cell, int value)
{
    const QString text = QString::number(value);
    if (cell.data(Qt::EditRole).toString() != text)
        m_host->document()->model()->setData(cell, text);
}

void EditorsController::openBarcode(const QModelIndex &cell)
{
    if (!m_barcode) {
        m_barcode = new SelectBarcodeDlg(m_host->hostWidget());
        connect(m_barcode, &SelectBarcodeDlg::updateBarcodeTypeReq, this, &EditorsController::updateBarcodeTypeReq);
    }
    const PluTableModel &model = *m_host->document()->model();
    const int row = cell.row();
    const QString name = model.text(row, PluColumns::PluName);
    m_barcode->setSample(BarcodeSample::fromRow(model, row, 0),
                         name.isEmpty() ? tr("Row %1").arg(row + 1) : tr("Row %1: %2").arg(row + 1).arg(name));
    m_barcode->selectType(cell.data(Qt::EditRole).toString().trimmed().toInt());
    m_barcode->exec();
}

void EditorsController::openMessage(const QModelIndex &cell)
{
    MessageStore &store = m_host->document()->messages();
    const int number = cell.data(Qt::EditRole).toString().trimmed().toInt();
    ZQMessageInputDialog dialog(m_host->hostWidget());
    dialog.setMessage(number, store.messageLines(number));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (accepted && number == 0)
        writeCell(cell, 1);
    // The window's lines are kept whichever way it closed, as the message window keeps its edits.
    int shown = 0;
    const QStringList lines = dialog.message(&shown);
    if (lines != store.messageLines(shown)) {
        store.setMessageLines(shown, lines);
        m_host->document()->setModified(true);
    }
}

void EditorsController::openLabel(const QModelIndex &cell)
{
    MultiLabelDlg dialog(cell.data(Qt::EditRole).toString().trimmed().toInt(), m_host->hostWidget());
    if (dialog.exec() == QDialog::Accepted)
        writeCell(cell, dialog.code());
}

void EditorsController::openSchedule(const QModelIndex &cell)
{
    ZQRebateSelectDialog dialog(cell.data(Qt::EditRole).toString().trimmed().toInt(), m_host->hostWidget());
    connect(&dialog, &ZQRebateSelectDialog::editScheduleReq, this, &EditorsController::runSchedule);
    if (dialog.exec() == QDialog::Accepted)
        writeCell(cell, dialog.value());
}

void EditorsController::openDepartment(const QModelIndex &cell)
{
    if (!m_departments)
        return;
    m_departments->setEditMode(false);
    if (m_departments->exec() == QDialog::Accepted && m_departments->currentNumber() > 0)
        writeCell(cell, m_departments->currentNumber());
}
