// The faces behind the font files the chart calls name ("arial.ttf", "arialbd.ttf"):
// Liberation Sans, which has Arial's metrics, read from known files (the system's, else a
// built-in copy) so a picture never depends on which fonts a machine happens to have.
#pragma once

#include <QRawFont>
#include <QString>

namespace tessaro::platform {

// The face for a chart font file at a size in pixels. Built from the face's file bytes,
// never looked up by family name, so another installed version of the face cannot stand in.
// Throws std::invalid_argument for a font file we have no face for, std::runtime_error
// when the face's file is missing. Needs a QGuiApplication;
// user-interface thread only.
QRawFont chartFont(const QString &fontFile, qreal pixelSize);

} // namespace tessaro::platform
