#include "table/RangeIntValidator.h"

QValidator::State RangeIntValidator::validate(QString &input, int &pos) const
{
    const State state = QIntValidator::validate(input, pos);
    if (state == Intermediate) {
        bool ok = false;
        const qlonglong v = input.toLongLong(&ok);
        if (ok && (v > top() || (bottom() >= 0 && v < 0)))
            return Invalid;
    }
    return state;
}
