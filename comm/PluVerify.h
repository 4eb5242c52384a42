#pragma once

#include "core/TPLU.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// Compares the PLUs read back from a scale with those sent, field by field, matched by LF code.
class PluVerify
{
    Q_DECLARE_TR_FUNCTIONS(PluVerify)
public:
    struct Difference
    {
        int row = 0; // table row of the sent PLU, from 1; 0 for a PLU only the scale has
        QString column;
        QString sent;
        QString read;
        QString text() const;
    };
    // exact: the scale must hold nothing but the sent PLUs (after a send that cleared it).
    // At most limit differences are listed.
    static QVector<Difference> compare(const TPLUList &sent, const TPLUList &read, bool exact, int limit = 10);
};
