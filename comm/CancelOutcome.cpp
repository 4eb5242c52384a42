#include "comm/CancelOutcome.h"

#include "comm/TransferTarget.h"
#include "comm/ZQCommucationProcess.h"

bool CancelOutcome::needsScale(const ZQCommucationProcess &worker)
{
    return worker.clearSent();
}

QString CancelOutcome::unchanged()
{
    return tr("cancelled: the scale is unchanged");
}

QString CancelOutcome::text(const ZQCommucationProcess &worker, int plusHeld)
{
    if (!worker.changeSent())
        return unchanged();
    if (worker.clearSent()) {
        if (plusHeld < 0)
            return tr("cancelled: the scale's old list was cleared; what it holds now is not known");
        return tr("cancelled: the scale holds %1 of %2 PLUs (its old list was cleared)")
            .arg(plusHeld)
            .arg(worker.plusToSend());
    }
    if (worker.plusToSend() > 0)
        return tr("cancelled: the scale took %1 of %2 PLUs").arg(worker.plusAnswered()).arg(worker.plusToSend());
    return tr("cancelled: the scale took part of the send");
}
