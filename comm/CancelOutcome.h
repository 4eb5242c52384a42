#pragma once

#include <QCoreApplication>
#include <QString>

class ZQCommucationProcess;

// What a cancelled send left on its scale, in the operator's words. A send that cleared the
// scale's PLUs is followed by a question to the scale (a connect that reads its state), since
// only the scale knows how many of the packets on their way it took.
class CancelOutcome
{
    Q_DECLARE_TR_FUNCTIONS(CancelOutcome)
public:
    static bool needsScale(const ZQCommucationProcess &worker);
    static QString unchanged();
    // plusHeld: what the scale said it holds after the cancel; -1 when it could not be asked.
    static QString text(const ZQCommucationProcess &worker, int plusHeld = -1);
};
