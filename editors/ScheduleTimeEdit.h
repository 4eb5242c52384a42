#pragma once

#include <QTimeEdit>

// The start time of a schedule period: hours and minutes, the minutes stepping by ten with the
// arrow keys and the mouse wheel, as the scale only keeps starts on the ten minutes.
class ScheduleTimeEdit : public QTimeEdit
{
    Q_OBJECT
public:
    explicit ScheduleTimeEdit(QWidget *parent = nullptr);

    void stepBy(int steps) override;
};
