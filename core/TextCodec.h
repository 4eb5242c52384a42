#pragma once

#include <QByteArray>
#include <QString>

class QTextCodec;

// The one place that turns text into the "local 8-bit" bytes of files and scale records and
// back. Defaults to the system locale's codec; the "CodePage" setting selects another so that
// files shared with PCs in another locale read and write correctly. Qt's global locale codec
// is never changed.
class TextCodec
{
public:
    static QTextCodec *codec();
    // Empty name: the locale's codec. Returns false (and keeps the current codec) for an
    // unknown name.
    static bool setCodePage(const QByteArray &name);
    static QByteArray name();

    static QByteArray toLocal8(const QString &text);
    static QString fromLocal8(const QByteArray &bytes);
    static QString fromLocal8(const char *bytes, int size);
    // As fromLocal8, but a character cut in half at the end (by a byte limit) is left out
    // instead of becoming a replacement character, which would encode longer than the limit.
    static QString fromLocal8Whole(const QByteArray &bytes);
    // True when the bytes decode as UTF-8 without an invalid sequence.
    static bool isValidUtf8(const QByteArray &bytes);
};
