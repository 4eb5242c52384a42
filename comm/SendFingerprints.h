#pragma once

#include "core/TPLU.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QVector>

// What this installation last sent to each scale, one fingerprint per PLU (by LF code), kept in
// the local database, so that "Send changes" can send only the PLUs that differ. Fingerprints
// change only after a send that ended well; a failed one only marks the scale for a full send.
class SendFingerprints
{
    Q_DECLARE_TR_FUNCTIONS(SendFingerprints)
public:
    // A PLU's fingerprint covers exactly what the scale receives of it.
    static qint64 fingerprint(const TPLU &plu);
    // One per PLU, in list order: worked out once for every scale the list goes to.
    static QVector<qint64> fingerprints(const TPLUList &plus);

    struct Plan
    {
        bool full = true;
        QString reason;    // why everything goes, when it does
        QVector<int> rows; // indices of the PLUs to send (all of them for a full send)
    };
    // What "Send changes" sends to the scale for this PLU list; prints are its fingerprints.
    bool plan(const QString &scale, const TPLUList &plus, const QVector<qint64> &prints, Plan *out,
              QString *error) const;

    // After a send that cleared the scale and ended well: the scale holds exactly plus.
    bool recordFull(const QString &scale, const TPLUList &plus, const QVector<qint64> &prints, QString *error);
    // After an update that ended well: these PLUs are on the scale now.
    bool recordUpdate(const QString &scale, const TPLUList &sent, const QVector<qint64> &prints, QString *error);
    // After a send that failed: the next "Send changes" sends everything.
    bool recordFailure(const QString &scale, QString *error);

    // The stored fingerprints of a scale by LF code, and whether it had a full send and its
    // last send ended well.
    bool read(const QString &scale, QHash<qint64, qint64> *prints, bool *fullSent, bool *lastOk, QString *error) const;
};
