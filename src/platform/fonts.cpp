#include "platform/fonts.h"

#include "platform/datafiles.h"

#include <array>
#include <map>
#include <stdexcept>
#include <utility>

namespace {

struct Face {
    const char *fontFile;
    const char *face;
};

constexpr std::array<Face, 2> Faces{{
    {"arial.ttf", "LiberationSans-Regular.ttf"},
    {"arialbd.ttf", "LiberationSans-Bold.ttf"},
}};

// Small sizes read better with the outlines fitted to the pixel rows; naming the hinting
// here keeps it from following the machine's font settings.
constexpr QFont::HintingPreference Hinting = QFont::PreferVerticalHinting;

const QByteArray &faceBytes(std::size_t face) {
    static const std::array<QByteArray, Faces.size()> data = [] {
        std::array<QByteArray, Faces.size()> bytes;
        for (std::size_t i = 0; i < Faces.size(); ++i) {
            bytes[i] = tessaro::platform::faceData(QLatin1String(Faces[i].face));
            if (bytes[i].isEmpty())
                throw std::runtime_error("font missing: " + std::string(Faces[i].face));
        }
        return bytes;
    }();
    return data[face];
}

std::size_t faceIndex(const QString &fontFile) {
    for (std::size_t i = 0; i < Faces.size(); ++i) {
        if (fontFile.compare(QLatin1String(Faces[i].fontFile), Qt::CaseInsensitive) == 0)
            return i;
    }
    throw std::invalid_argument("no face for font file " + fontFile.toStdString());
}

} // namespace

namespace tessaro::platform {

QRawFont chartFont(const QString &fontFile, qreal pixelSize) {
    // A raw font keeps its rendered glyphs; building one per drawing would render them anew.
    static std::map<std::pair<std::size_t, qreal>, QRawFont> cache;
    const auto key = std::make_pair(faceIndex(fontFile), pixelSize);
    auto it = cache.find(key);
    if (it == cache.end()) {
        QRawFont font(faceBytes(key.first), pixelSize, Hinting);
        if (!font.isValid())
            throw std::runtime_error("shipped font unusable: " + fontFile.toStdString());
        it = cache.emplace(key, font).first;
    }
    return it->second;
}

} // namespace tessaro::platform
