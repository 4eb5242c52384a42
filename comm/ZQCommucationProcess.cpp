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
#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
QString g_libraryFolder;
// A batch of PLUs goes over when it is this large or this old, so that a slow serial link still
// shows its progress several times a second.
constexpr int kPluBatch = 256;
constexpr qint64 kPluBatchMs = 50;
thread_local ZQCommucationProcess *t_worker = nullptr;
// Results of the link library the worker tells apart.
constexpr int kBadArgument = -2;
constexpr int kUnsupported = -8;
constexpr int kMemoryFull = -9;
// zqscaleUploadData kind that tells what the scale's PLU memory holds.
constexpr int kMemoryStateKind = 101;
// zqscaleUploadData kind that tells how many PLUs of the link the scale has answered so far.
constexpr int kAnsweredKind = 102;
void ZQSCALE_CALL ignoreRecord(const char *, int, int) {}
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
    // Everything sent ahead must be answered before the job counts as done; after that only the
    // goodbye is left, and a scale that took everything but missed it still holds the job's work.
    if (ok && settleSentAhead() != 0)
        ok = fail(tr("Data Send Fail"));
    if (ok) {
        m_goodbyeMissed = !m_lib->zqscaleDisConnect || m_lib->zqscaleDisConnect(m_handle) != 0;
        emit updateStatus(false, m_goodbyeMissed ? tr("Finish (the scale did not answer the goodbye)") : tr("Finish"));
        m_finished = true;
        emit updateFinish();
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
        if (m_plan.changesOnly)
            return sendChanges();
        status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "update plu"));
        return sendPlus(false);
    case JobDownloadPlu:
        if (m_plan.changesOnly)
            return sendChanges();
        status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "Download plu"));
        if (!m_snapshot.hasDocument)
            return false;
        if (sel.nutrition && !nutritionReadable())
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
        // Connect and disconnect only; asked to, it also reads what the scale holds.
        if (m_readsState) {
            if (!readState(&m_stateAfter))
                return fail(tr("Connect Fail"));
            if (!m_stateAfter.known())
                m_stateAfter.plus = countPlus();
        }
        return true;
    }
}

bool ZQCommucationProcess::sendPlus(bool clearFirst)
{
    return sendPluList(m_snapshot.plus, true, clearFirst, false);
}

QString ZQCommucationProcess::memoryFullText() const
{
    return m_stateBefore.capacity >= 0 ? tr("The scale's memory is full (%1 PLUs)").arg(m_stateBefore.capacity)
                                       : tr("The scale's memory is full");
}

bool ZQCommucationProcess::sendPluList(const TPLUList &plus, bool snapshotList, bool clearFirst, bool stateKnown)
{
    if (!stateKnown && !readState(&m_stateBefore))
        return fail(clearFirst ? tr("Clear PLU data Error") : tr("Download Plu Error"));
    // A list the scale cannot hold is refused before the clear, so the scale keeps its old one.
    if (clearFirst && m_stateBefore.capacity >= 0 && plus.size() > m_stateBefore.capacity)
        return fail(memoryFullText());
    m_plusToSend = plus.size();
    m_changeSent = true;
    m_clearSent = m_clearSent || clearFirst;
    if (clearFirst && (!m_lib->zqscaleClearPLUData || m_lib->zqscaleClearPLUData(m_handle) != 0))
        return fail(tr("Clear PLU data Error"));
    QList<QByteArray> packets;
    QVector<int> ends;
    if (snapshotList && m_snapshot.pluPacketsReady) {
        packets = m_snapshot.pluPackets;
        ends = m_snapshot.pluPacketEnds;
    } else {
        packets = ScaleRecords::pluPackets(plus, &ends);
    }
    emit updateTotalPackage(packets.size());
    // The count shows what the scale took: packets sent ahead count once they are answered.
    const qint64 answeredBefore = m_sendingAhead ? answeredPlus() : 0;
    auto answered = [&](int sent) {
        if (!m_sendingAhead)
            return sent;
        const qint64 took = answeredPlus() - answeredBefore;
        m_plusAnswered = int(took);
        return int(std::upper_bound(ends.cbegin(), ends.cend(), took) - ends.cbegin());
    };
    auto failed = [this](int result) {
        return fail(result == kMemoryFull ? memoryFullText() : tr("Download Plu Error"));
    };
    for (int p = 0; p < packets.size(); ++p) {
        const int r =
            m_lib->zqscaleDownLoadPLU ? m_lib->zqscaleDownLoadPLU(m_handle, packets.at(p).constData(), p) : -1;
        if (r != 0)
            return failed(r);
        if (!m_sendingAhead)
            m_plusAnswered = ends.value(p);
        emit updateCurPackage(answered(p + 1));
    }
    const int settled = settleSentAhead();
    if (settled != 0)
        return failed(settled);
    m_plusAnswered = plus.size();
    emit updateCurPackage(packets.size());
    // What the scale holds now is what a later "Send changes" checks against.
    if (!readState(&m_stateAfter))
        return fail(tr("Download Plu Error"));
    return true;
}

bool ZQCommucationProcess::sendChanges()
{
    QString why = m_plan.fullReason;
    if (why.isEmpty()) {
        if (!readState(&m_stateBefore))
            return fail(tr("Download Plu Error"));
        why = untrustedReason(m_stateBefore);
    }
    const bool stateKnown = m_plan.fullReason.isEmpty();
    m_sentEverything = !why.isEmpty();
    if (!m_sentEverything) {
        emit planChosen(false, tr("%n changed PLU(s)", nullptr, m_plan.changed.size()));
        status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "update plu"));
        return sendPluList(m_plan.changed, false, false, stateKnown);
    }
    emit planChosen(true, why);
    status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "Download plu"));
    // Clearing the PLUs takes the messages with it: they go again with the list.
    return sendPluList(m_snapshot.plus, true, true, stateKnown) && sendMessages();
}

QString ZQCommucationProcess::untrustedReason(const ScaleMemoryState &now)
{
    const ScaleMemoryState &recorded = m_plan.recorded;
    const QString reset = tr("sending everything: the scale was reset");
    const QString other = tr("sending everything: the scale was changed by another sender");
    if (!now.known()) {
        // A scale that keeps no token: its count is the best there is.
        const int counted = countPlus();
        if (counted < 0)
            return tr("sending everything: the scale cannot say what it holds");
        if (counted == recorded.plus)
            return QString();
        return counted == 0 ? reset : other;
    }
    if (recorded.token.isEmpty())
        return tr("sending everything: what the scale held after the last send is not known");
    if (now.token == recorded.token && now.plus == recorded.plus)
        return QString();
    return now.plus == 0 ? reset : other;
}

bool ZQCommucationProcess::readState(ScaleMemoryState *state)
{
    *state = ScaleMemoryState();
    if (!m_lib->zqscaleUploadData)
        return true;
    m_stateRead = ScaleMemoryState();
    const int r = m_lib->zqscaleUploadData(m_handle, kMemoryStateKind, &ZQCommucationProcess::onState);
    // An older library refuses the kind, an older scale the command: neither says what it holds.
    if (r == kBadArgument || r == kUnsupported)
        return true;
    if (r < 0)
        return false;
    *state = m_stateRead;
    return true;
}

qint64 ZQCommucationProcess::answeredPlus()
{
    m_answeredRead = -1;
    if (m_lib->zqscaleUploadData)
        m_lib->zqscaleUploadData(m_handle, kAnsweredKind, &ZQCommucationProcess::onAnswered);
    return m_answeredRead;
}

void ZQCommucationProcess::onAnswered(const char *json, int, int)
{
    // {"PlusAnswered":N}: read by hand, it is asked after every packet.
    const char *colon = json ? std::strchr(json, ':') : nullptr;
    if (ZQCommucationProcess *self = t_worker)
        self->m_answeredRead = colon ? std::strtoll(colon + 1, nullptr, 10) : -1;
}

int ZQCommucationProcess::countPlus()
{
    if (!m_lib->zqscaleUploadPluData)
        return -1;
    const int r = m_lib->zqscaleUploadPluData(m_handle, &ignoreRecord);
    return r < 0 ? -1 : r;
}

int ZQCommucationProcess::settleSentAhead()
{
    // Link settings that change nothing: the library answers once everything sent is answered.
    if (!m_sendingAhead)
        return 0;
    return m_lib->zqscaleDownLoadData ? m_lib->zqscaleDownLoadData(m_handle, 100, "{}") : -1;
}

bool ZQCommucationProcess::sendHotkeys(const TPLUList &plus, bool strict)
{
    m_changeSent = true;
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
    m_changeSent = true;
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
    m_changeSent = true;
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
    m_changeSent = true;
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
    m_changeSent = true;
    const QByteArray text = ScaleRecords::toLocalText(NutritionRecords::elementTable(m_snapshot.nutritionElements));
    if (!m_lib->zqscaleDownLoadNutritionTable || m_lib->zqscaleDownLoadNutritionTable(m_handle, text.constData()) != 0)
        return fail(tr("Download Nutrition Table fail"));
    return true;
}

bool ZQCommucationProcess::nutritionReadable()
{
    // Read before the first clear: a store that cannot be read must not cost the scale its values.
    m_snapshot.readNutritionValues();
    if (!m_snapshot.hasNutritionFile)
        return true;
    if (!m_snapshot.nutritionError.isEmpty())
        return fail(tr("Download Nutrition Table fail") + QLatin1String(": ") + m_snapshot.nutritionError);
    if (!m_snapshot.nutritionValuesError.isEmpty())
        return fail(tr("Download plu Nutrition fail") + QLatin1String(": ") + m_snapshot.nutritionValuesError);
    return true;
}

bool ZQCommucationProcess::sendPluNutrition()
{
    m_changeSent = true;
    status(QT_TRANSLATE_NOOP("ZQCommucationProcess", "Download Nutrition Info"));
    // A PLU file without a name or without elements has no nutrition to send.
    if (!m_snapshot.hasDocument || !m_snapshot.hasNutritionFile)
        return true;
    const QVector<NutritionElement> elements = NutritionRecords::transferElements(m_snapshot.nutritionFileRows);
    if (!elements.isEmpty()) {
        const QByteArray table = ScaleRecords::toLocalText(NutritionRecords::elementTable(elements));
        if (!m_lib->zqscaleDownLoadNutritionTable ||
            m_lib->zqscaleDownLoadNutritionTable(m_handle, table.constData()) < 0)
            return fail(tr("Download Nutrition Table fail"));
    }
    if (!m_lib->zqscaleClearPluNutritionData || m_lib->zqscaleClearPluNutritionData(m_handle) < 0)
        return fail(tr("Clear plu Nutrition fail"));
    if (m_snapshot.nutritionValuesMissing)
        return true;
    const QHash<QString, QVector<NutritionValue>> &values = m_snapshot.nutritionValues;

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
    m_changeSent = true;
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
    m_changeSent = true;
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

void ZQCommucationProcess::onState(const char *json, int, int)
{
    if (ZQCommucationProcess *self = t_worker) {
        if (!ScaleMemoryState::fromJson(json, &self->m_stateRead))
            self->m_stateRead = ScaleMemoryState();
    }
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
