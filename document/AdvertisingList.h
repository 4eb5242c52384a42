#pragma once

#include <QByteArray>
#include <QStringList>

// The advertising lines of the document: element 0 is the header line, the others the bottom
// lines.
class AdvertisingList
{
public:
    QStringList texts() const { return m_texts; }
    void setTexts(const QStringList &texts) { m_texts = texts; }
    void clear() { m_texts.clear(); }

    // What the scale holds: the head is the first line, the tail the others joined by CR LF.
    QString head() const;
    QString tail() const;
    void setHeadTail(const QString &head, const QString &tail);

    // The ".Info" file: every line followed by CR LF, in the local 8-bit code page.
    QByteArray toInfoBytes() const;
    void fromInfoBytes(const QByteArray &bytes);

private:
    QStringList m_texts;
};
