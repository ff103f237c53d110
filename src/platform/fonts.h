// The faces behind the font files the chart calls name ("arial.ttf", "arialbd.ttf"):
// Liberation Sans, which has Arial's metrics, shipped inside the program so a picture
// never depends on the fonts a machine happens to have.
#pragma once

#include <QRawFont>
#include <QString>

namespace tessaro::platform {

// The shipped face for a chart font file at a size in pixels. Built from the shipped bytes,
// never looked up by family name, so another installed version of the face cannot stand in.
// Throws std::invalid_argument for a font file we do not ship. Needs a QGuiApplication;
// user-interface thread only.
QRawFont chartFont(const QString &fontFile, qreal pixelSize);

} // namespace tessaro::platform
