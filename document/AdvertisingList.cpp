#include "document/AdvertisingList.h"

#include "core/TextCodec.h"
#include "core/TextLines.h"

QString AdvertisingList::head() const
{
    return m_texts.isEmpty() ? QString() : m_texts.first();
}

QString AdvertisingList::tail() const
{
    return m_texts.mid(1).join(QStringLiteral("\r\n"));
}

void AdvertisingList::setHeadTail(const QString &head, const QString &tail)
{
    m_texts = QStringList{head} + tail.split(QStringLiteral("\r\n"));
}

QByteArray AdvertisingList::toInfoBytes() const
{
    QStringList lines;
    for (const QString &t : m_texts)
        lines << TextLines::oneLine(t);
    return TextCodec::toLocal8(TextLines::joinCrLf(lines));
}

void AdvertisingList::fromInfoBytes(const QByteArray &bytes)
{
    m_texts = TextLines::split(TextCodec::fromLocal8(bytes));
}
