#include "platform/datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef TESSARO_EMBED_FONTS
// The resource lives in a static library; naming it here keeps the linker from dropping it.
static void initFontResource() {
    Q_INIT_RESOURCE(fonts);
}
#endif

namespace tessaro::platform {

namespace {
// Liberation Sans Bold is about 410 KB; a face far larger than that is not the one we draw with.
constexpr qint64 MaxFaceBytes = 4 * 1024 * 1024;
} // namespace

QStringList pictureFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program,
            QDir::cleanPath(program + QLatin1Char('/') + QLatin1String(TESSARO_DATA_FROM_PROGRAM))};
}

QString pictureFile(const QString &fileName) {
    for (const QString &folder : pictureFolders()) {
        const QString path = folder + QLatin1Char('/') + fileName;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QStringList faceFiles(const QString &faceName) {
    QStringList files{QLatin1String(TESSARO_SYSTEM_FONT_DIR "/") + faceName};
#ifdef TESSARO_EMBED_FONTS
    initFontResource();
    files << QLatin1String(":/fonts/") + faceName;
#endif
    return files;
}

QByteArray faceData(const QString &faceName) {
    for (const QString &path : faceFiles(faceName)) {
        QByteArray bytes = readBounded(path, MaxFaceBytes);
        if (!bytes.isEmpty())
            return bytes;
    }
    return {};
}

QByteArray readBounded(const QString &path, qint64 maxBytes) {
    // A FIFO or a device would block the open or never end.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // One byte past the bound tells a file that grew while we read it from one that fits.
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes || file.error() != QFileDevice::NoError)
        return {};
    return bytes;
}

} // namespace tessaro::platform
