#include "platform/ledcircle.h"

#include <QPainter>

namespace tessaro::platform {

namespace {
const QColor LedGreen(0x00, 0xFF, 0x00);
}

LedCircle::LedCircle(QWidget *parent) : QWidget(parent) {}

void LedCircle::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(LedGreen);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace tessaro::platform
