#pragma once

#include "comm/ScaleAddress.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// One named scale of the scale list: where it is reached and the group it belongs to (a shop,
// a counter). The address is written as plu-cli's --scale takes it; the link type follows from it.
struct ScaleEntry
{
    QString name;
    QString group;
    QString address;
    int baud = ScaleAddress::DefaultBaud;
    int timeoutMs = 0; // 0: the settings file's

    // False with *error when the name is empty or the address does not parse.
    bool check(ScaleAddress *out, QString *error) const;
    // "RS-232" or "TCP/IP", for lists.
    QString linkName() const;
    bool operator==(const ScaleEntry &o) const
    {
        return name == o.name && group == o.group && address == o.address && baud == o.baud && timeoutMs == o.timeoutMs;
    }
};

// The scale list as comma-separated text: a header line, then one scale per line. Pure text,
// so that a list file from anywhere can be checked without a database.
class ScaleListCsv
{
    Q_DECLARE_TR_FUNCTIONS(ScaleListCsv)
public:
    static QByteArray write(const QVector<ScaleEntry> &entries);
    // Every line is checked; one bad line refuses the whole file, *error naming the line.
    static bool read(const QByteArray &bytes, QVector<ScaleEntry> *entries, QString *error);
};
