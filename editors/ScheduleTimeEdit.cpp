#include "editors/ScheduleTimeEdit.h"

ScheduleTimeEdit::ScheduleTimeEdit(QWidget *parent) : QTimeEdit(parent)
{
    setDisplayFormat(QStringLiteral("HH:mm"));
}

void ScheduleTimeEdit::stepBy(int steps)
{
    if (currentSection() != MinuteSection) {
        QTimeEdit::stepBy(steps);
        return;
    }
    const QTime now = time();
    const int minute = now.minute();
    const int down = minute - minute % 10;
    // A minute between two tens steps to the nearer ten in the step's direction first.
    int target = steps > 0 ? down + 10 * steps : (minute % 10 ? down + 10 * (steps + 1) : down + 10 * steps);
    target = qBound(0, target, 50);
    setTime(QTime(now.hour(), target));
}
