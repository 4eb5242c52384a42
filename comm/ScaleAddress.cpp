#include "comm/ScaleAddress.h"

#include <QRegularExpression>

bool ScaleAddress::isValidIpv4(const QString &text)
{
    // Dotted quad without leading zeros or blanks, as the link settings dialog accepts.
    static const QRegularExpression ip(QStringLiteral("^((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])\\.){3}"
                                                      "(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])$"));
    return ip.match(text).hasMatch();
}

bool ScaleAddress::isSupportedBaud(int baud)
{
    static const int rates[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400};
    for (int rate : rates) {
        if (rate == baud)
            return true;
    }
    return false;
}

bool ScaleAddress::parse(const QString &text, int baud, ScaleAddress *out, QString *error)
{
    static const QRegularExpression ipPort(QStringLiteral("^([0-9.]+):([0-9]{1,5})$"));
    // A port name as the port list shows it: the library finds its device ("ttyUSB0" is
    // /dev/ttyUSB0). Names end in the port's number, which keeps host names out.
    static const QRegularExpression portName(QStringLiteral("^[A-Za-z][A-Za-z0-9_.-]*[0-9]$"));
    ScaleAddress a;
    a.m_text = text;
    const QRegularExpressionMatch m = ipPort.match(text);
    if (m.hasMatch()) {
        const int port = m.captured(2).toInt();
        if (!isValidIpv4(m.captured(1)) || port < 1 || port > 65535) {
            *error = tr("\"%1\" is not a valid IPv4 address and port").arg(text);
            return false;
        }
        a.m_linkType = LinkTcp;
    } else if (isValidIpv4(text)) {
        a.m_linkType = LinkTcp;
    } else if (text.contains(QLatin1Char('/')) || portName.match(text).hasMatch()) {
        if (!isSupportedBaud(baud)) {
            *error = tr("%1 is not a baud rate the scale link supports").arg(baud);
            return false;
        }
        a.m_linkType = LinkSerial;
        a.m_baud = baud;
    } else {
        *error = tr("\"%1\" is neither an IPv4 address nor a serial port").arg(text);
        return false;
    }
    *out = a;
    return true;
}
