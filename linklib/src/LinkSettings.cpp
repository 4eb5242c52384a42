#include "LinkSettings.h"

#include <QFile>
#include <QList>
#include <mutex>

namespace zqlink {

namespace {

std::mutex g_mutex;
LinkSettings g_settings;

int boundedInt(const QByteArray &text, int fallback, int min, int max)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < min || v > max)
        return fallback;
    return v;
}

} // namespace

LinkSettings currentSettings()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_settings;
}

LinkSettings parseSettings(const QByteArray &iniText)
{
    LinkSettings s;
    QByteArray group;
    const QList<QByteArray> lines = iniText.split('\n');
    for (const QByteArray &raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            group = line.mid(1, line.size() - 2).trimmed().toLower();
            continue;
        }
        if (group != "link")
            continue;
        const int eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QByteArray key = line.left(eq).trimmed().toLower();
        const QByteArray value = line.mid(eq + 1);
        if (key == "tcpport")
            s.tcpPort = boundedInt(value, s.tcpPort, 1, 65535);
        else if (key == "timeoutms")
            s.timeoutMs = boundedInt(value, s.timeoutMs, 100, 600000);
        else if (key == "serialretries")
            s.serialRetries = boundedInt(value, s.serialRetries, 0, 10);
    }
    return s;
}

bool loadSettingsFile(const QByteArray &path)
{
    QFile file(QString::fromLocal8Bit(path));
    LinkSettings s;
    bool ok = false;
    if (file.open(QIODevice::ReadOnly)) {
        s = parseSettings(file.read(1 << 20));
        ok = true;
    }
    std::lock_guard<std::mutex> lock(g_mutex);
    g_settings = s;
    return ok;
}

} // namespace zqlink
