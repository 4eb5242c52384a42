#pragma once

#include <QByteArray>

// Why the calling thread's last connect could not open its link, in the system's own terms
// (errno), for the program to name to the operator. Kept per thread, as errno is, because each
// transfer runs its connect on a thread of its own.
namespace zqlink {

void clearOpenFailure();
// error: an errno value; where: the device path or "address:port".
void setOpenFailure(int error, const QByteArray &where);
// {"reason", "errno", "where", "text"}, or empty when the last connect did not fail in opening.
// reason: "permission-denied", "no-device", "busy", "refused", "unreachable", "timed-out" or
// "other"; text: the system's own description.
QByteArray openFailureJson();

} // namespace zqlink
