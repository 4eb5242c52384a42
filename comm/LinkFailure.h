#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class ScaleLinkLibrary;

// The operator's words for a connect that failed: the system's reason kept by the link library
// (kind 103 of zqscaleUploadData) with what to do about it, "Connect Fail" alone when the library
// kept none.
class LinkFailure
{
    Q_DECLARE_TR_FUNCTIONS(LinkFailure)
public:
    // Asks the library, on the thread whose connect failed, for the reason of that failure.
    static QByteArray reasonOf(const ScaleLinkLibrary &library);
    // result: what zqscaleConnect returned; reason: the library's JSON text, or empty.
    static QString connectFailText(int result, const QByteArray &reason);
};
