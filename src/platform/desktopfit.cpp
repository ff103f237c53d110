#include "platform/desktopfit.h"

#include <QEvent>
#include <QFileInfo>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWindow>

namespace tessaro::platform {

namespace {

const QColor Ink(0x00, 0x00, 0x00);
const QColor GreyedInk(0x6D, 0x6D, 0x6D);
const QColor Paper(0xFF, 0xFF, 0xFF);

// Refits the window when it is shown, when the window manager has put its
// frame round it (a move on X11), and when its screen or that screen's free
// room changes.
class ScreenFit : public QObject {
public:
    ScreenFit(QMainWindow *window, QScrollArea *area)
        : QObject(window), m_window(window), m_area(area) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::Move)
            fit();
        return false;
    }

private:
    void fit() {
        QWindow *handle = m_window->windowHandle();
        if (handle && handle != m_handle) {
            m_handle = handle;
            connect(handle, &QWindow::screenChanged, this, &ScreenFit::fit);
        }
        QScreen *screen = m_window->screen();
        if (!screen)
            return;
        if (screen != m_screen) {
            if (m_screen)
                disconnect(m_screen, nullptr, this, nullptr);
            m_screen = screen;
            connect(screen, &QScreen::availableGeometryChanged, this, &ScreenFit::fit);
        }
        const QSize frame = m_window->frameGeometry().size() - m_window->geometry().size();
        const QSize menu = m_window->sizeHint() - m_area->minimumSize();
        const QSize room = screen->availableGeometry().size() - frame - menu;
        const int bar = m_area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_area);
        const QSize size = fittedSize(m_area->widget()->size(), room, bar);
        if (size == m_area->minimumSize() && m_window->minimumSize() == size + menu)
            return;
        m_area->setFixedSize(size);
        m_window->setFixedSize(size + menu);
    }

    QMainWindow *m_window;
    QScrollArea *m_area;
    QPointer<QWindow> m_handle;
    QPointer<QScreen> m_screen;
};

} // namespace

void setLightColours(QWidget *w) {
    const QPalette shades(WindowGrey); // bevels and frame lines worked out from the grey
    QPalette pal = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (auto role : {QPalette::Window, QPalette::Button, QPalette::Light, QPalette::Midlight,
                          QPalette::Dark, QPalette::Mid, QPalette::Shadow})
            pal.setColor(group, role, shades.color(group, role));
        pal.setColor(group, QPalette::Base, Paper);
        const QColor ink = group == QPalette::Disabled ? GreyedInk : Ink;
        for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text,
                          QPalette::PlaceholderText})
            pal.setColor(group, role, ink);
    }
    w->setPalette(pal);
}

QPixmap loadPicture(const QString &path, qreal ratio) {
    if (ratio > 1) {
        const QFileInfo file(path);
        QImage large(file.path() + QLatin1Char('/') + file.completeBaseName() +
                     QLatin1String("@2x.") + file.suffix());
        if (!large.isNull()) {
            const QSize size = (QSizeF(large.size()) * (ratio / 2)).toSize();
            if (size != large.size())
                large = large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QPixmap picture = QPixmap::fromImage(large);
            picture.setDevicePixelRatio(ratio);
            return picture;
        }
    }
    return QPixmap(path);
}

QSize fittedSize(QSize content, QSize room, int scrollBarExtent) {
    // A bar across one side takes room from the other, which may then have to
    // scroll too; two rounds settle it.
    QSize size = content;
    for (int round = 0; round < 2; ++round) {
        const bool scrollsAcross = size.width() > room.width();
        const bool scrollsDown = size.height() > room.height();
        size =
            content + QSize(scrollsDown ? scrollBarExtent : 0, scrollsAcross ? scrollBarExtent : 0);
    }
    // However small the room, the bars and a little of the client stay.
    return size.boundedTo(room).expandedTo(QSize(4 * scrollBarExtent, 4 * scrollBarExtent));
}

QScrollArea *placeFixedClient(QMainWindow *window, QWidget *client) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    auto *area = new QScrollArea(window);
    area->setObjectName(QStringLiteral("clientArea"));
    area->setFrameShape(QFrame::NoFrame);
    // Tab moves between the client's controls; the area scrolls to each one.
    area->setFocusPolicy(Qt::NoFocus);
    // Sized first: the scroll bars are then hidden from the start at 1x.
    area->setFixedSize(client->size());
    area->setWidget(client);
    window->setCentralWidget(area);
    window->setFixedSize(window->sizeHint());
    new ScreenFit(window, area);
    return area;
}

} // namespace tessaro::platform
