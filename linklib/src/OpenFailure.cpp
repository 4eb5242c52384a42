#include "OpenFailure.h"

#include <QStringBuilder>

#include <cerrno>
#include <cstring>

namespace zqlink {

namespace {
struct Failure
{
    int error = 0;
    QByteArray where;
};
thread_local Failure t_failure;

const char *reasonFor(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "permission-denied";
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return "no-device";
    case EBUSY:
    case EWOULDBLOCK:
        return "busy";
    case ECONNREFUSED:
        return "refused";
    case ENETUNREACH:
    case EHOSTUNREACH:
        return "unreachable";
    case ETIMEDOUT:
        return "timed-out";
    default:
        return "other";
    }
}

// A JSON string of plain bytes: quotes, backslashes and control bytes escaped.
QByteArray quoted(const QByteArray &text)
{
    QByteArray out("\"");
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            out += "\\u00";
            out += QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
            continue;
        }
        out += c;
    }
    return out + '"';
}
} // namespace

void clearOpenFailure()
{
    t_failure = Failure();
}

void setOpenFailure(int error, const QByteArray &where)
{
    t_failure.error = error;
    t_failure.where = where;
}

QByteArray openFailureJson()
{
    if (t_failure.error == 0)
        return QByteArray();
    return "{\"reason\":\"" + QByteArray(reasonFor(t_failure.error)) +
           "\",\"errno\":" + QByteArray::number(t_failure.error) + ",\"where\":" + quoted(t_failure.where) +
           ",\"text\":" + quoted(QByteArray(std::strerror(t_failure.error))) + '}';
}

} // namespace zqlink
