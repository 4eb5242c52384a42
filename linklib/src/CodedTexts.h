#pragma once

#include "LinkRecords.h"

#include <QByteArray>
#include <memory>
#include <vector>

// JSON texts of the program read into wire records. A program that sends one list to many scales
// hands every link the same packet texts; each is read once, not once per link, so a send to
// twenty scales costs little more than a send to one.
namespace zqlink {

// Reads a NUL-terminated JSON text of records of one kind: an array of objects (a single object
// stands for an array of one); for the hotkey table an array of numbers.
bool recordsFromJsonText(linkproto::RecordKind kind, const char *json, std::vector<linkproto::Record> &records);

struct CodedText
{
    bool ok = false;                 // the text was readable
    std::vector<QByteArray> records; // each record coded for the wire
};

// The coded records of a text, read at its first use. Texts are known by their address and checked
// byte for byte, so a buffer filled anew is read anew.
std::shared_ptr<const CodedText> codedJsonText(linkproto::RecordKind kind, const char *json);

} // namespace zqlink
