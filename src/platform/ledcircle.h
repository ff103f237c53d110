// A filled green circle, the window's status indicator.
#pragma once

#include <QWidget>

namespace tessaro::platform {

class LedCircle : public QWidget {
    Q_OBJECT

public:
    explicit LedCircle(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tessaro::platform
