#include "platform/chartviewer.h"

#include <QPainter>

namespace tessaro::platform {

ChartViewer::ChartViewer(QWidget *parent) : QWidget(parent) {}

void ChartViewer::setPicture(const QImage &picture) {
    m_picture = picture;
    update();
}

QSize ChartViewer::sizeHint() const {
    return {150, 90};
}

void ChartViewer::paintEvent(QPaintEvent *) {
    if (m_picture.isNull())
        return;
    QPainter p(this);
    // The picture carries its device pixel ratio, so it fills the widget's logical size;
    // one drawn for another screen's ratio is scaled smoothly until the next drawing.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QPointF(0, 0), m_picture);
}

} // namespace tessaro::platform
