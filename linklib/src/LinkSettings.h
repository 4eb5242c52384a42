#pragma once

#include <QByteArray>

// Process-wide link settings from the INI file handed to zqscaleLoadIniFile. Read once per
// connect, so a session keeps the values it started with.
namespace zqlink {

struct LinkSettings
{
    int tcpPort = 5005;
    int timeoutMs = 3000;
    int serialRetries = 3;
};

LinkSettings currentSettings();
// False when the file cannot be read; the defaults apply then.
bool loadSettingsFile(const QByteArray &path);
// Parses INI text (group "Link", keys compared without regard to case) over the defaults.
LinkSettings parseSettings(const QByteArray &iniText);

} // namespace zqlink
