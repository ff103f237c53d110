// Our stand-in for the chart viewer control: shows the last picture handed
// to it, unscaled, and keeps it until the next one replaces it.
#pragma once

#include <QImage>
#include <QWidget>

namespace tessaro::platform {

class ChartViewer : public QWidget {
    Q_OBJECT

public:
    explicit ChartViewer(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};

} // namespace tessaro::platform
