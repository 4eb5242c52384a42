#include "comm/SendPlan.h"

#include <QJsonDocument>
#include <QJsonObject>

bool ScaleMemoryState::fromJson(const char *json, ScaleMemoryState *out)
{
    const QJsonObject o = QJsonDocument::fromJson(QByteArray(json ? json : "")).object();
    const QJsonValue plus = o.value(QLatin1String("Plus"));
    const QJsonValue capacity = o.value(QLatin1String("Capacity"));
    if (!plus.isDouble() || plus.toDouble() < 0 || plus.toDouble() > 1e9)
        return false;
    out->plus = plus.toInt();
    out->capacity =
        capacity.isDouble() && capacity.toDouble() >= 0 && capacity.toDouble() <= 1e9 ? capacity.toInt() : -1;
    out->token = o.value(QLatin1String("Token")).toString();
    return true;
}
