#pragma once

#include "comm/TransferJob.h"

#include <QCoreApplication>
#include <QString>

// Where one scale is reached, from the text an operator types: an IPv4 address (TCP, port from
// the settings), "a.b.c.d:port" (TCP to that port), or a serial port as the system's port list
// names it ("ttyUSB0", "COM3") or its device path ("/dev/ttyUSB0") at a baud rate. Holds what
// the transfer worker takes as its link parameters.
class ScaleAddress
{
    Q_DECLARE_TR_FUNCTIONS(ScaleAddress)
public:
    static constexpr int DefaultBaud = 115200;

    // False with *error set when the text is neither form or the baud rate is one the link
    // library does not open.
    static bool parse(const QString &text, int baud, ScaleAddress *out, QString *error);

    static bool isValidIpv4(const QString &text);
    static bool isSupportedBaud(int baud);

    QString text() const { return m_text; } // as given, for messages
    QString link() const { return m_text; }
    QString baud() const { return QString::number(m_baud); }
    int linkType() const { return m_linkType; }

private:
    QString m_text;
    int m_baud = DefaultBaud;
    int m_linkType = LinkTcp;
};
