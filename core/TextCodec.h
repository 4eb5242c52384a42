#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

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
    // Decodes each line on its own. False at the first line holding bytes the codec does not
    // define (an invalid or cut-off sequence): *badLine is then its number, counted from 1, and
    // *out holds the lines before it.
    static bool decodeLines(QTextCodec *codec, const QList<QByteArray> &lines, QStringList *out, int *badLine);
};
