#pragma once

#include "core/TPLU.h"

#include <QBitArray>
#include <QCoreApplication>
#include <QHash>
#include <QMap>
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
    // The sent PLUs' rows by LF code: worked out once for every scale a list is checked against.
    using Index = QHash<qint32, int>;
    static Index index(const TPLUList &sent);

    // Compares the PLUs one by one as a scale delivers them, holding a bit per sent PLU and at
    // most `limit` differences, never the list read.
    class Stream
    {
    public:
        // exact: the scale must hold nothing but the sent PLUs (after a send that cleared it).
        Stream(const TPLUList &sent, const Index &index, bool exact, int limit = 10);
        void add(const TPLU &read);
        int count() const { return m_count; }
        // The differences in row order (sent PLUs the scale lacks among them), then PLUs only the
        // scale has, at most `limit` in all.
        QVector<Difference> finish();

    private:
        void keep(const Difference &d);

        TPLUList m_sent;
        Index m_index;
        bool m_exact;
        int m_limit;
        int m_count = 0;
        QBitArray m_seen;
        QMap<int, Difference> m_byRow; // the lowest rows found wrong
        QVector<Difference> m_extra;
    };
};
