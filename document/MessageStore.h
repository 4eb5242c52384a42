#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The label messages of the document: 20000 messages of exactly 16 lines. Message n (1..20000)
// is index n-1; numbers below 1 address message 1. A message as one text is its 16 lines joined
// with CR LF.
class MessageStore
{
public:
    static constexpr int MessageCount = 20000;
    static constexpr int LinesPerMessage = 16;
    static constexpr char EndMark = 0x1c;

    MessageStore();

    void clearMessages();
    // Messages 1..L, L being the last message with a non-empty line; at least one element.
    QStringList messageList() const;
    // Replaces every message; element i becomes message i+1. Lines past the 16th and
    // messages past the 20000th are dropped.
    void setMessageList(const QStringList &messages);
    QStringList messageLines(int number) const;
    void setMessageLines(int number, const QStringList &lines);

    QString line(int messageIndex, int lineIndex) const;
    void setLine(int messageIndex, int lineIndex, const QString &text);
    // Highest message index with any text, -1 when all are empty.
    int lastUsedIndex() const;

    // The ".Msg" file: every message up to the last used one, 16 lines each ending in CR LF,
    // then the end mark; in the local 8-bit code page.
    QByteArray toMsgBytes() const;
    // Accepts LF or CR LF and a missing end mark. Returns false (store unchanged) when the
    // bytes hold no line at all.
    bool fromMsgBytes(const QByteArray &bytes);
    // Import: as fromMsgBytes, but refuses bytes that are no text (they hold a NUL byte), and
    // *warning reports lines that were left out (an incomplete last message, messages past the
    // last number).
    bool importMsgBytes(const QByteArray &bytes, QString *error, QString *warning = nullptr);
    bool readMsgFile(const QString &path, QString *error, QString *warning = nullptr);
    bool writeMsgFile(const QString &path, QString *error) const;

private:
    // The lines of a ".Msg" file without its end mark.
    static QStringList msgLines(const QByteArray &bytes);
    void takeLines(const QStringList &lines);
    static int indexOf(int number) { return number < 1 ? 0 : qMin(number, MessageCount) - 1; }
    QVector<QString> m_lines; // message-major: message i line r at i*16+r
    // Messages at and past this index have never held text since the last clear, so clearing
    // and searching stop here instead of going through all 320000 lines.
    int m_extent = 0;
};
