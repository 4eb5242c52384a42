#pragma once

#include "comm/SendPlan.h"
#include "core/TPLU.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QVector>

// What this installation last sent to each scale, one fingerprint per PLU (by LF code), kept in
// the local database, so that "Send changes" can send only the PLUs that differ. A send is marked
// in progress before anything goes to the scale; fingerprints change only after a send that ended
// well, together with what the scale then said of its memory. Anything else leaves the scale
// marked for a full send.
class SendFingerprints
{
    Q_DECLARE_TR_FUNCTIONS(SendFingerprints)
public:
    // A PLU's fingerprint covers exactly what the scale receives of it.
    static qint64 fingerprint(const TPLU &plu);
    // One per PLU, in list order: worked out once for every scale the list goes to.
    static QVector<qint64> fingerprints(const TPLUList &plus);

    struct History
    {
        QHash<qint64, qint64> prints; // by LF code
        bool fullSent = false;        // the scale had a full send that ended well
        bool lastOk = false;          // and the last send ended well
        bool inProgress = false;      // a send began and never ended
        ScaleMemoryState memory;      // what the scale said after the last good send
    };
    bool read(const QString &scale, History *out, QString *error) const;

    struct Plan
    {
        bool full = true;
        QString reason;    // why everything goes, when it does
        QVector<int> rows; // indices of the changed PLUs (none listed for a full send)
        ScaleMemoryState recorded;
    };
    // What "Send changes" sends to the scale for this PLU list, as far as the history knows;
    // prints are the list's fingerprints.
    bool plan(const QString &scale, const TPLUList &plus, const QVector<qint64> &prints, Plan *out,
              QString *error) const;

    // Before the first frame: until the send is recorded as ended, it counts as not finished.
    bool markInProgress(const QString &scale, QString *error);
    // After a send that cleared the scale and ended well: the scale holds exactly plus.
    bool recordFull(const QString &scale, const TPLUList &plus, const QVector<qint64> &prints,
                    const ScaleMemoryState &after, QString *error);
    // After an update that ended well: these PLUs are on the scale now.
    bool recordUpdate(const QString &scale, const TPLUList &sent, const QVector<qint64> &prints,
                      const ScaleMemoryState &after, QString *error);
    // After a send that failed: the next "Send changes" sends everything.
    bool recordFailure(const QString &scale, QString *error);
};
