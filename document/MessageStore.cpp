#include "document/MessageStore.h"

#include "core/AtomicFile.h"
#include "core/TextCodec.h"
#include "core/TextLines.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

MessageStore::MessageStore() : m_lines(MessageCount * LinesPerMessage) {}

void MessageStore::clearMessages()
{
    std::fill(m_lines.begin(), m_lines.begin() + m_extent * LinesPerMessage, QString());
    m_extent = 0;
}

QString MessageStore::line(int messageIndex, int lineIndex) const
{
    if (messageIndex < 0 || messageIndex >= MessageCount || lineIndex < 0 || lineIndex >= LinesPerMessage)
        return QString();
    return m_lines[messageIndex * LinesPerMessage + lineIndex];
}

void MessageStore::setLine(int messageIndex, int lineIndex, const QString &text)
{
    if (messageIndex < 0 || messageIndex >= MessageCount || lineIndex < 0 || lineIndex >= LinesPerMessage)
        return;
    m_lines[messageIndex * LinesPerMessage + lineIndex] = text;
    m_extent = qMax(m_extent, messageIndex + 1);
}

int MessageStore::lastUsedIndex() const
{
    for (int i = m_extent * LinesPerMessage - 1; i >= 0; --i) {
        if (!m_lines[i].isEmpty())
            return i / LinesPerMessage;
    }
    return -1;
}

QStringList MessageStore::messageList() const
{
    const int last = qMax(0, lastUsedIndex());
    QStringList list;
    list.reserve(last + 1);
    for (int m = 0; m <= last; ++m)
        list << messageLines(m + 1).join(kCrLf);
    return list;
}

void MessageStore::setMessageList(const QStringList &messages)
{
    clearMessages();
    const int n = qMin(messages.size(), MessageCount);
    for (int m = 0; m < n; ++m)
        setMessageLines(m + 1, messages.at(m).split(kCrLf));
}

QStringList MessageStore::messageLines(int number) const
{
    const int base = indexOf(number) * LinesPerMessage;
    QStringList lines;
    lines.reserve(LinesPerMessage);
    for (int r = 0; r < LinesPerMessage; ++r)
        lines << m_lines[base + r];
    return lines;
}

void MessageStore::setMessageLines(int number, const QStringList &lines)
{
    const int base = indexOf(number) * LinesPerMessage;
    for (int r = 0; r < LinesPerMessage; ++r)
        m_lines[base + r] = r < lines.size() ? lines.at(r) : QString();
    m_extent = qMax(m_extent, indexOf(number) + 1);
}

QByteArray MessageStore::toMsgBytes() const
{
    const QStringList list = messageList();
    QString text;
    for (const QString &message : list) {
        text += message;
        text += kCrLf;
    }
    QByteArray bytes = TextCodec::toLocal8(text);
    bytes.append(EndMark);
    return bytes;
}

QStringList MessageStore::msgLines(const QByteArray &bytes)
{
    QStringList lines = TextLines::split(TextCodec::fromLocal8(bytes));
    if (!lines.isEmpty() && lines.last() == QString(QLatin1Char(EndMark)))
        lines.removeLast();
    return lines;
}

void MessageStore::takeLines(const QStringList &lines)
{
    const int groups = lines.size() / LinesPerMessage;
    clearMessages();
    for (int m = 0; m < groups && m < MessageCount; ++m)
        setMessageLines(m + 1, lines.mid(m * LinesPerMessage, LinesPerMessage));
}

bool MessageStore::fromMsgBytes(const QByteArray &bytes)
{
    const QStringList lines = msgLines(bytes);
    if (lines.isEmpty())
        return false;
    takeLines(lines);
    return true;
}

bool MessageStore::importMsgBytes(const QByteArray &bytes, QString *error, QString *warning)
{
    // Text never holds a NUL byte; such a file is no message list and must not replace one.
    if (bytes.contains('\0')) {
        if (error)
            *error = QCoreApplication::translate("MessageEditingDlg", "This is no message file: it holds binary data.");
        return false;
    }
    const QStringList lines = msgLines(bytes);
    if (lines.isEmpty())
        return true;
    takeLines(lines);
    if (warning) {
        const int groups = lines.size() / LinesPerMessage;
        if (groups > MessageCount)
            *warning =
                QCoreApplication::translate("MessageEditingDlg", "The file holds %1 messages; the first %2 were read.")
                    .arg(groups)
                    .arg(MessageCount);
        else if (lines.size() % LinesPerMessage != 0)
            *warning = QCoreApplication::translate(
                           "MessageEditingDlg",
                           "The last %1 lines of the file make no complete message of %2 lines; they were left out.")
                           .arg(lines.size() % LinesPerMessage)
                           .arg(LinesPerMessage);
    }
    return true;
}

bool MessageStore::readMsgFile(const QString &path, QString *error, QString *warning)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QCoreApplication::translate("MessageEditingDlg", "File Open fail");
        return false;
    }
    return importMsgBytes(file.readAll(), error, warning);
}

bool MessageStore::writeMsgFile(const QString &path, QString *error) const
{
    return AtomicFile::write(path, toMsgBytes(), error);
}
