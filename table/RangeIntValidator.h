#pragma once

#include <QIntValidator>

// An integer validator that refuses a keystroke taking the number past the top, instead of
// letting it stand as "intermediate" text that goes nowhere.
class RangeIntValidator : public QIntValidator
{
    Q_OBJECT
public:
    RangeIntValidator(int bottom, int top, QObject *parent = nullptr) : QIntValidator(bottom, top, parent) {}
    State validate(QString &input, int &pos) const override;
};
