// A check box's value as the settings block carries it: 0 clear, 1 checked,
// 2 grey. Only the servo sets the grey state; it goes back to it unchanged.
#pragma once

#include <QCheckBox>

namespace tessaro::app {

inline Qt::CheckState checkStateFor(int value) {
    switch (value) {
    case 1:
        return Qt::Checked;
    case 2:
        return Qt::PartiallyChecked;
    default:
        return Qt::Unchecked;
    }
}

inline int checkValue(const QCheckBox *box) {
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

} // namespace tessaro::app
