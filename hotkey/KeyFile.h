#pragma once

#include <QByteArray>
#include <QString>

class PluTableModel;

// The key file (".key"): 224 lines, line k the LF code of the PLU on hotkey k or "-1", each
// ended by CR LF, in the local 8-bit code page. Tells another system which article sits on
// which key.
class KeyFile
{
public:
    static constexpr int Lines = 224;

    // From rows 0..usedRows-1 of the table; a later row with the same hotkey wins.
    static QByteArray build(const PluTableModel &model, int usedRows);
    static bool write(const QString &path, const PluTableModel &model, int usedRows, QString *error);
};
