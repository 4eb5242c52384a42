#include "comm/ZQCommucationProcess.h"

#include "comm/LinkFailure.h"
#include "comm/NutritionRecords.h"
#include "comm/ScaleLinkLibrary.h"
#include "comm/ScaleRecords.h"
#include "comm/TransferTarget.h"
#include "core/AppPaths.h"
#include "core/LogCategories.h"
#include "core/TextCodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <cstring>

namespace {
QString g_libraryFolder;
// A batch of PLUs goes over when it is this large or this old, so that a slow serial link still
// shows its progress several times a second.
constexpr int kPluBatch = 256;
constexpr qint64 kPluBatchMs = 50;
thread_local ZQCommucationProcess *t_worker = nullptr;
} // namespace

ZQCommucationProcess::ZQCommucationProcess(QObject *parent)
    : QThread(parent), m_lib(std::make_unique<ScaleLinkLibrary>(g_libraryFolder))
{
    if (m_lib->zqscaleLoadIniFile)
        m_lib->zqscaleLoadIniFile(QFile::encodeName(AppPaths::settingsFile()).constData());
}

ZQCommucationProcess::~ZQCommucationProcess()
{
    wait();
}

void ZQCommucationProcess::setLibraryFolder(const QString &folder)
{
    g_libraryFolder = folder;
}

bool ZQCommucationProcess::libraryLoaded() const
{
    return m_lib->isLoaded();
}

void ZQCommucationProcess::setTransferParameters(const QString &link, const QString &baud, int linkType, int job)
{
    m_link = link;
    m_baud = baud;
    m_linkType = linkType;
    m_job = job;
}

void ZQCommucationProcess::requestBreak()
{
    if (m_lib->zqscaleSetTransBreak)
        m_lib->zqscaleSetTransBreak(0);
}

void ZQCommucationProcess::status(const char *text)
{
    emit updateStatus(false, tr(text));
}

bool ZQCommucationProcess::fail(const QString &text)
{
    emit updateStatus(true, text);
    return false;
}

template <typename F> void ZQCommucationProcess::handOver(F &&fn)
{
    if (!m_target)
        return;
    if (m_target->thread() == QThread::currentThread())
        fn();
    else
        QMetaObject::invokeMethod(m_target.data(), std::forward<F>(fn), Qt::BlockingQueuedConnection);
}

void ZQCommucationProcess::run()
{
    if (m_finished) {
        emit updateFinish();
        return;
    }
    t_worker = this;
    handOver([target = m_target] {
        if (target)
            target->begin();
    });
    status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "Connect..."));
    m_handle = 0;
    const int connected = m_lib->zqscaleConnect ? m_lib->zqscaleConnect(TextCodec::toLocal8(m_link).constData(),
                                                                        m_baud.toInt(), &m_handle)
                                                : -1;
    bool ok = connected == 0;
    if (!ok)
        fail(LinkFailure::connectFailText(connected, LinkFailure::reasonOf(*m_lib)));
    else if ((m_linkTimeoutMs > 0 || m_sendAhead > 0) && !applyLinkSettings())
        ok = fail(tr("Connect Fail"));
    else
        ok = runSequence();
    if (ok) {
        if (!m_lib->zqscaleDisConnect || m_lib->zqscaleDisConnect(m_handle) != 0) {
            fail(tr("Data Send Fail"));
        } else {
            status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "Finish"));
            m_finished = true;
            emit updateFinish();
        }
    } else if (m_linkType == LinkSerial && m_lib->zqscaleDisConnect) {
        m_lib->zqscaleDisConnect(m_handle);
    }
    t_worker = nullptr;
}

bool ZQCommucationProcess::setLinkSettings(const QByteArray &json)
{
    return m_lib->zqscaleDownLoadData && m_lib->zqscaleDownLoadData(m_handle, 100, json.constData()) == 0;
}

bool ZQCommucationProcess::applyLinkSettings()
{
    m_sendingAhead = false;
    if (m_linkTimeoutMs > 0 && !setLinkSettings("{\"TimeoutMs\": " + QByteArray::number(m_linkTimeoutMs) + '}')) {
        // Nothing was exchanged, so the link is whole: close it, whatever its kind.
        if (m_lib->zqscaleDisConnect)
            m_lib->zqscaleDisConnect(m_handle);
        return false;
    }
    // Sending ahead only saves time: a library without it sends one packet at a time.
    m_sendingAhead = m_sendAhead > 0 && setLinkSettings("{\"Window\": " + QByteArray::number(m_sendAhead) + '}');
    return true;
}

bool ZQCommucationProcess::runSequence()
{
    const DownloadSelection &sel = m_snapshot.selection;
    switch (m_job) {
    case JobUploadPluForHotkeys:
        return uploadPlus();
    case JobUpdatePlu:
        status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "update plu"));
        return sendPlus(false);
    case JobDownloadPlu:
        status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "Download plu"));
        if (!m_snapshot.hasDocument)
            return false;
        if (sel.plu && !sendPlus(true))
            return false;
        if (sel.hotkey && !sendHotkeys(m_snapshot.plus, false))
            return false;
        if (sel.info) {
            status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "Download Ad Info"));
            if (!sendAdvertising())
                return false;
        }
        if (sel.message && !sendMessages())
            return false;
        if (sel.schedule && !sendSchedule())
            return false;
        if (sel.nutrition && !sendPluNutrition())
            return false;
        return true;
    case JobUploadPlu:
        return uploadPlus() && uploadAdvertising() && uploadMessages() && uploadSchedule();
    case JobDownloadAdvertising:
        return !m_snapshot.hasDocument || sendAdvertising();
    case JobDownloadHotkeySheet:
        if (!m_snapshot.hasHotkeySheet)
            return fail(tr("Download Hotkey fail"));
        return sendHotkeys(m_snapshot.hotkeySheetPlus, true);
    case JobDownloadNutritionTable:
        return sendNutritionTable();
    case JobDownloadDepartments:
        return sendDepartments();
    case JobUploadDepartments:
        return uploadDepartments();
    case JobDownloadPackageTypes:
        return sendPackTypes();
    case JobUploadPackageTypes:
        return uploadPackTypes();
    default:
        return true; // connect and disconnect only
    }
}

bool ZQCommucationProcess::sendPlus(bool clearFirst)
{
    if (clearFirst && (!m_lib->zqscaleClearPLUData || m_lib->zqscaleClearPLUData(m_handle) != 0))
        return fail(tr("Clear PLU data Error"));
    const QList<QByteArray> packets =
        m_snapshot.pluPacketsReady ? m_snapshot.pluPackets : ScaleRecords::pluPackets(m_snapshot.plus);
    emit updateTotalPackage(packets.size());
    for (int p = 0; p < packets.size(); ++p) {
        if (!m_lib->zqscaleDownLoadPLU || m_lib->zqscaleDownLoadPLU(m_handle, packets.at(p).constData(), p) != 0)
            return fail(tr("Download Plu Error"));
        emit updateCurPackage(p + 1);
    }
    if (!confirmSentAhead())
        return fail(tr("Download Plu Error"));
    return true;
}

bool ZQCommucationProcess::confirmSentAhead()
{
    // Link settings that change nothing: the library answers once everything sent is answered.
    return !m_sendingAhead || setLinkSettings("{}");
}

bool ZQCommucationProcess::sendHotkeys(const TPLUList &plus, bool strict)
{
    status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "Download Hotkey"));
    QVector<int> table = ScaleRecords::hotkeyTable(plus);
    table.resize(3 * ScaleRecords::HotkeysPerPacket); // the last packet is padded with zeros
    emit updateTotalPackage(3);
    for (int p = 0; p < 3; ++p) {
        const int result =
            m_lib->zqscaleDownLoadHotkey
                ? m_lib->zqscaleDownLoadHotkey(m_handle, table.constData() + p * ScaleRecords::HotkeysPerPacket, p)
                : -1;
        if (strict ? result != 0 : result < 0)
            return fail(strict ? tr("Download Hotkey fail") : tr("Download Plu Error"));
        emit updateCurPackage(p + 1);
    }
    return true;
}

bool ZQCommucationProcess::sendAdvertising()
{
    emit updateTotalPackage(1);
    emit updateCurPackage(0);
    const QByteArray head = TextCodec::toLocal8(m_snapshot.adHead);
    const QByteArray tail = TextCodec::toLocal8(m_snapshot.adTail);
    if (!m_lib->zqscaleDownLoadAdHead || m_lib->zqscaleDownLoadAdHead(m_handle, head.constData(), head.size()) != 0)
        return fail(tr("Download Ad Header fail"));
    if (!m_lib->zqscaleDownLoadAdTail || m_lib->zqscaleDownLoadAdTail(m_handle, tail.constData(), tail.size()) != 0)
        return fail(tr("Download Ad Tail fail"));
    emit updateCurPackage(1);
    return true;
}

bool ZQCommucationProcess::sendMessages()
{
    status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "Download Message Info"));
    if (!m_snapshot.selection.plu && m_snapshot.clearMessagesFirst && m_lib->zqscaleClearMessage)
        m_lib->zqscaleClearMessage(m_handle);
    emit updateTotalPackage(m_snapshot.messages.size());
    for (int i = 0; i < m_snapshot.messages.size(); ++i) {
        const QByteArray text = TextCodec::toLocal8(m_snapshot.messages.at(i));
        int reserved = 0;
        if (!m_lib->zqscaleDownLoadMessage ||
            m_lib->zqscaleDownLoadMessage(m_handle, i, text.constData(), text.size(), &reserved) != 0)
            return fail(tr("Download Message fail"));
        emit updateCurPackage(i + 1);
    }
    return true;
}

bool ZQCommucationProcess::sendSchedule()
{
    status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "Download Discount Info"));
    const QByteArray text = ScaleRecords::toLocalText(ScaleRecords::periodsToJson(m_snapshot.periods));
    emit updateTotalPackage(1);
    emit updateCurPackage(0);
    if (!m_lib->zqscaleDownLoadDisCountSchedule ||
        m_lib->zqscaleDownLoadDisCountSchedule(m_handle, text.constData()) != 0)
        return fail(tr("Download DisCountSchedule fail"));
    emit updateCurPackage(1);
    return true;
}

bool ZQCommucationProcess::sendNutritionTable()
{
    const QByteArray text = ScaleRecords::toLocalText(NutritionRecords::elementTable(m_snapshot.nutritionElements));
    if (!m_lib->zqscaleDownLoadNutritionTable || m_lib->zqscaleDownLoadNutritionTable(m_handle, text.constData()) != 0)
        return fail(tr("Download Nutrition Table fail"));
    return true;
}

bool ZQCommucationProcess::sendPluNutrition()
{
    status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "Download Nutrition Info"));
    // A PLU file without a name or without elements has no nutrition to send.
    if (!m_snapshot.hasDocument || !m_snapshot.hasNutritionFile)
        return true;
    if (!m_snapshot.nutritionError.isEmpty())
        return fail(tr("Download Nutrition Table fail") + QLatin1String(": ") + m_snapshot.nutritionError);
    const QVector<NutritionElement> elements = NutritionRecords::transferElements(m_snapshot.nutritionFileRows);
    if (!elements.isEmpty()) {
        const QByteArray table = ScaleRecords::toLocalText(NutritionRecords::elementTable(elements));
        if (!m_lib->zqscaleDownLoadNutritionTable ||
            m_lib->zqscaleDownLoadNutritionTable(m_handle, table.constData()) < 0)
            return fail(tr("Download Nutrition Table fail"));
    }
    if (!m_lib->zqscaleClearPluNutritionData || m_lib->zqscaleClearPluNutritionData(m_handle) < 0)
        return fail(tr("Clear plu Nutrition fail"));
    const QString path = m_snapshot.nutritionValuesPath;
    if (path.isEmpty() || !QFile::exists(path))
        return true;
    // The scale's values were just cleared: a store that cannot be read must not pass for an empty one.
    QHash<QString, QVector<NutritionValue>> values;
    QString error;
    NutritionValueStore store(path);
    if (!store.open(&error) || !store.loadAll(&values, &error))
        return fail(tr("Download plu Nutrition fail") + QLatin1String(": ") + error);

    const int rows = m_snapshot.plus.size();
    const int packets = (rows + NutritionRecords::ObjectsPerPacket - 1) / NutritionRecords::ObjectsPerPacket;
    emit updateTotalPackage(packets);
    QJsonArray pending;
    int built = 0;
    auto sendPending = [&] {
        const QByteArray text = ScaleRecords::toLocalText(pending);
        pending = QJsonArray();
        return m_lib->zqscaleDownLoadPluNutrition &&
               m_lib->zqscaleDownLoadPluNutrition(m_handle, text.constData()) >= 0;
    };
    for (const TPLU &plu : m_snapshot.plus) {
        if (plu.Nutrition == 0)
            continue;
        if (built > 0 && built % NutritionRecords::ObjectsPerPacket == 0) {
            if (!sendPending())
                return fail(tr("Download plu Nutrition fail"));
            emit updateCurPackage(built / NutritionRecords::ObjectsPerPacket);
        }
        pending.append(NutritionRecords::pluObject(plu, values.value(QString::number(plu.LFCode)), elements));
        ++built;
    }
    if (!pending.isEmpty() && !sendPending())
        return fail(tr("Download plu Nutrition fail"));
    emit updateCurPackage(packets);
    return true;
}

bool ZQCommucationProcess::uploadPlus()
{
    status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "upload plu"));
    m_pendingPlus.clear();
    m_sinceHandOver.start();
    const int result =
        m_lib->zqscaleUploadPluData ? m_lib->zqscaleUploadPluData(m_handle, &ZQCommucationProcess::onPlu) : -1;
    if (result < 0)
        return fail(tr("Upload Plu Error"));
    // Also when the scale holds none: the last batch tells the target that the list is complete.
    handOverPlus();
    if (m_snapshot.customHotkeyFunctions &&
        (!m_lib->zqscaleUploadCustomHotkey ||
         m_lib->zqscaleUploadCustomHotkey(m_handle, &ZQCommucationProcess::onHotkeyFunctions) < 0))
        return fail(tr("Upload Hotkey fail"));
    return true;
}

bool ZQCommucationProcess::uploadAdvertising()
{
    status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "Advertisement Info"));
    emit updateTotalPackage(1);
    emit updateCurPackage(0);
    char buffer[260];
    std::memset(buffer, 0, sizeof buffer);
    if (!m_lib->zqscaleUploadDataAdHead || m_lib->zqscaleUploadDataAdHead(m_handle, buffer) != 0)
        return fail(tr("Upload Ad Header fail"));
    buffer[sizeof buffer - 1] = '\0';
    const QString head = TextCodec::fromLocal8(QByteArray(buffer));
    std::memset(buffer, 0, sizeof buffer);
    if (m_lib->zqscaleUploadDataAdTail && m_lib->zqscaleUploadDataAdTail(m_handle, buffer) != 0)
        return fail(tr("Upload Ad Tail fail"));
    buffer[sizeof buffer - 1] = '\0';
    emit updateCurPackage(1);
    const QString tail = TextCodec::fromLocal8(QByteArray(buffer));
    handOver([target = m_target, head, tail] {
        if (target)
            target->receiveAdvertising(head, tail);
    });
    return true;
}

bool ZQCommucationProcess::uploadMessages()
{
    status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "Message Info"));
    if (!m_snapshot.hasDocument)
        return true;
    emit updateTotalPackage(0);
    emit updateCurPackage(0);
    m_collectedMessages.clear();
    const int result =
        m_lib->zqscaleUploadMessage ? m_lib->zqscaleUploadMessage(m_handle, &ZQCommucationProcess::onMessage) : -1;
    if (result < 0)
        return fail(tr("Upload Message fail"));
    const QStringList messages = m_collectedMessages;
    handOver([target = m_target, messages] {
        if (target)
            target->receiveMessages(messages);
    });
    return true;
}

bool ZQCommucationProcess::uploadSchedule()
{
    status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "Discount Info"));
    emit updateTotalPackage(0);
    emit updateCurPackage(0);
    if (!m_lib->zqscaleUpLoadDisCountSchedule ||
        m_lib->zqscaleUpLoadDisCountSchedule(m_handle, &ZQCommucationProcess::onPeriods) < 0)
        return fail(tr("Upload DisCountSchedule fail"));
    return true;
}

bool ZQCommucationProcess::sendDepartments()
{
    const QByteArray text = ScaleRecords::toLocalText(ScaleRecords::departmentsToJson(m_snapshot.departments));
    // Mode 1: the scale's table becomes exactly this one.
    if (!m_lib->zqscaleDownLoadDepartment || m_lib->zqscaleDownLoadDepartment(m_handle, text.constData(), 1) != 0)
        return fail(tr("Download Department fail"));
    return true;
}

bool ZQCommucationProcess::uploadDepartments()
{
    emit updateTotalPackage(0);
    emit updateCurPackage(0);
    if (!m_lib->zqscaleUpLoadDepartment ||
        m_lib->zqscaleUpLoadDepartment(m_handle, &ZQCommucationProcess::onDepartments, 1) < 0)
        return fail(tr("Upload Department fail"));
    return true;
}

bool ZQCommucationProcess::sendPackTypes()
{
    if (!m_snapshot.hasPackTypes)
        return true;
    const QByteArray text = ScaleRecords::toLocalText(ScaleRecords::packTypesToJson(m_snapshot.packTypes));
    if (!m_lib->zqscaleDownLoadPackTypeFunSet || m_lib->zqscaleDownLoadPackTypeFunSet(m_handle, text.constData()) != 0)
        return fail(tr("Failed to download package type number fail"));
    return true;
}

bool ZQCommucationProcess::uploadPackTypes()
{
    emit updateTotalPackage(0);
    emit updateCurPackage(0);
    if (!m_lib->zqscaleUpLoadPackTypeFunSet ||
        m_lib->zqscaleUpLoadPackTypeFunSet(m_handle, &ZQCommucationProcess::onPackTypes) < 0)
        return fail(tr("Upload package type fail"));
    return true;
}

void ZQCommucationProcess::onPlu(const char *json, int itemNo, int)
{
    ZQCommucationProcess *self = t_worker;
    if (!self)
        return;
    self->m_pendingPlus.append({itemNo, ScaleRecords::pluFromJson(ScaleRecords::parseLocalText(json).toObject())});
    if (self->m_pendingPlus.size() >= kPluBatch || self->m_sinceHandOver.elapsed() >= kPluBatchMs)
        self->handOverPlus();
}

void ZQCommucationProcess::handOverPlus()
{
    QVector<QPair<int, TPLU>> batch;
    batch.swap(m_pendingPlus);
    handOver([target = m_target, batch] {
        if (target)
            target->receivePlus(batch);
    });
    m_sinceHandOver.restart();
}

void ZQCommucationProcess::onMessage(const char *json, int itemNo, int)
{
    ZQCommucationProcess *self = t_worker;
    if (!self)
        return;
    self->m_collectedMessages
        << ScaleRecords::parseLocalText(json).toObject().value(QLatin1String("MsgText")).toString();
    if (self->m_target) {
        emit self->m_target->updateTotalPackage(itemNo + 10);
        emit self->m_target->updateCurPackage(itemNo);
    }
}

void ZQCommucationProcess::onPeriods(const char *json, int itemNo, int)
{
    ZQCommucationProcess *self = t_worker;
    if (!self)
        return;
    // Discount records are plain ASCII numbers; they are read as UTF-8 directly.
    const QJsonArray array = QJsonDocument::fromJson(QByteArray(json ? json : "")).array();
    const QVector<SchedulePeriod> periods = ScaleRecords::periodsFromJson(array);
    self->handOver([target = self->m_target, itemNo, periods] {
        if (target)
            target->receivePeriods(itemNo, periods);
    });
}

void ZQCommucationProcess::onHotkeyFunctions(const char *json, int itemNo, int)
{
    ZQCommucationProcess *self = t_worker;
    if (!self)
        return;
    const QJsonArray array = ScaleRecords::parseLocalText(json).toArray();
    self->handOver([target = self->m_target, itemNo, array] {
        if (target)
            target->receiveHotkeyFunctions(itemNo, array);
    });
}

void ZQCommucationProcess::onDepartments(const char *json, int itemNo, int)
{
    ZQCommucationProcess *self = t_worker;
    if (!self)
        return;
    const DepartmentRecords records = ScaleRecords::departmentsFromJson(ScaleRecords::parseLocalText(json).toArray());
    self->handOver([target = self->m_target, itemNo, records] {
        if (target)
            target->receiveDepartments(itemNo, records);
    });
}

void ZQCommucationProcess::onPackTypes(const char *json, int itemNo, int)
{
    ZQCommucationProcess *self = t_worker;
    if (!self)
        return;
    const QJsonArray array = ScaleRecords::parseLocalText(json).toArray();
    self->handOver([target = self->m_target, itemNo, array] {
        if (target)
            target->receivePackTypes(itemNo, array);
    });
}
