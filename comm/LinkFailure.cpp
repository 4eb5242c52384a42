#include "comm/LinkFailure.h"

#include "comm/ScaleLinkLibrary.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
// The link library's results for a device another program holds and for a scale that said nothing.
constexpr int kPortBusy = -11;
constexpr int kTimedOut = -4;
constexpr int kOpenFailureKind = 103;

thread_local QByteArray t_reason;

void ZQSCALE_CALL takeReason(const char *json, int, int)
{
    t_reason = QByteArray(json);
}
} // namespace

QByteArray LinkFailure::reasonOf(const ScaleLinkLibrary &library)
{
    t_reason.clear();
    if (library.zqscaleUploadData)
        library.zqscaleUploadData(0, kOpenFailureKind, &takeReason);
    return t_reason;
}

QString LinkFailure::connectFailText(int result, const QByteArray &reason)
{
    const QJsonObject r = QJsonDocument::fromJson(reason).object();
    const QString kind = r.value(QLatin1String("reason")).toString();
    const QString where = r.value(QLatin1String("where")).toString();
    if (result == kPortBusy || kind == QLatin1String("busy"))
        return tr("Connect Fail: port busy");
    if (kind == QLatin1String("permission-denied"))
        return tr("Connect Fail: no permission to open %1. Add your user to the dialout group and log in again.")
            .arg(where);
    if (kind == QLatin1String("no-device"))
        return tr("Connect Fail: %1 does not exist. Check the cable and choose the port again.").arg(where);
    if (kind == QLatin1String("refused")) {
        // Nothing else answers on this machine's own address than the simulator that comes with us.
        if (QHostAddress(where.section(QLatin1Char(':'), 0, 0)).isLoopback())
            return tr("Connect Fail: connection refused by %1. Start the scale simulator (scale-sim) or "
                      "choose another scale.")
                .arg(where);
        return tr("Connect Fail: connection refused by %1. Is the scale on, and is its TCP port right?").arg(where);
    }
    if (kind == QLatin1String("unreachable"))
        return tr("Connect Fail: %1 is unreachable. Check the network cable and the address.").arg(where);
    if (kind == QLatin1String("timed-out") || (kind.isEmpty() && result == kTimedOut))
        return tr("Connect Fail: no answer in time. Check that the scale is on and the link settings are right.");
    if (!kind.isEmpty())
        return tr("Connect Fail: %1: %2").arg(where, r.value(QLatin1String("text")).toString());
    return tr("Connect Fail");
}
