// A check box's value as the settings block carries it: 0 clear, 1 checked.
#pragma once

#include <QCheckBox>

inline Qt::CheckState checkStateFor(int value) {
    return value == 1 ? Qt::Checked : Qt::Unchecked;
}

inline int checkValue(const QCheckBox *box) {
    return box->checkState() == Qt::Checked ? 1 : 0;
}
