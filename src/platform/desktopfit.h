// What keeps the program's windows right on any desktop: their own light
// colours under a dark theme, pictures for the screen's pixel ratio, and a
// fixed-size window that still fits a small or scaled screen.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>

class QMainWindow;
class QScrollArea;
class QWidget;

namespace tessaro::platform {

// The ground of every window of the program.
inline const QColor WindowGrey(0xE0, 0xE0, 0xE0);

// Black text on the window grey, white in text boxes, shades to match: the
// program paints its own grey, so it sets every colour that goes with it.
void setLightColours(QWidget *w);

// The picture at path for a screen of the given pixel ratio. Above 1 its
// twice-as-large sibling (name@2x.ext) is taken where there is one, resampled
// to the ratio, so a picture is never blown up from its small copy.
QPixmap loadPicture(const QString &path, qreal ratio);

// The outer size of a scroll area that shows content in room: the content's
// own size when it fits, else as much as fits, with a scroll bar's extent
// added across each side that has to scroll.
QSize fittedSize(QSize content, QSize room, int scrollBarExtent);

// Makes client, of fixed size, the window's content inside a frameless scroll
// area. The window gets one size, no maximise button and no resizing; on a
// screen with less free room than that size, it takes the room there is and
// the client scrolls.
QScrollArea *placeFixedClient(QMainWindow *window, QWidget *client);

} // namespace tessaro::platform
