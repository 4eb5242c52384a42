#include "core/TextCodec.h"

#include "core/LogCategories.h"

#include <QTextCodec>

namespace {
QTextCodec *g_codec = nullptr;
}

QTextCodec *TextCodec::codec()
{
    return g_codec ? g_codec : QTextCodec::codecForLocale();
}

bool TextCodec::setCodePage(const QByteArray &name)
{
    if (name.trimmed().isEmpty()) {
        g_codec = nullptr;
        return true;
    }
    QTextCodec *c = QTextCodec::codecForName(name.trimmed());
    if (!c) {
        // The caller reports it where the operator sees it.
        qCDebug(lcConfig) << "unknown code page" << name << "- keeping" << codec()->name();
        return false;
    }
    g_codec = c;
    return true;
}

QByteArray TextCodec::name()
{
    return codec()->name();
}

QByteArray TextCodec::toLocal8(const QString &text)
{
    return codec()->fromUnicode(text);
}

QString TextCodec::fromLocal8(const QByteArray &bytes)
{
    return codec()->toUnicode(bytes);
}

QString TextCodec::fromLocal8(const char *bytes, int size)
{
    return codec()->toUnicode(bytes, size);
}

QString TextCodec::fromLocal8Whole(const QByteArray &bytes)
{
    QTextCodec::ConverterState state;
    return codec()->toUnicode(bytes.constData(), bytes.size(), &state);
}

bool TextCodec::isValidUtf8(const QByteArray &bytes)
{
    QTextCodec::ConverterState state;
    QTextCodec *utf8 = QTextCodec::codecForMib(106);
    utf8->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

bool TextCodec::decodeLines(QTextCodec *codec, const QList<QByteArray> &lines, QStringList *out, int *badLine)
{
    out->clear();
    out->reserve(lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        QTextCodec::ConverterState state;
        QString text = codec->toUnicode(line.constData(), line.size(), &state);
        if (state.invalidChars > 0 || state.remainingChars > 0) {
            *badLine = i + 1;
            return false;
        }
        out->append(std::move(text));
    }
    return true;
}
