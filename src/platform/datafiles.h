// Where the program's installed data lives: its pictures, and the faces the charts draw
// their text with. A build tree keeps the pictures beside the program; an installed
// program keeps them in its data folder (/usr/share/tessaro), and takes the faces from
// the system's Liberation Sans (Debian's fonts-liberation2).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tessaro::platform {

// Folders searched for a picture, in order: the program's own folder, then its data folder.
QStringList pictureFolders();

// The first existing file of that name in pictureFolders(), or an empty string.
QString pictureFile(const QString &fileName);

// Where the bytes of a chart face ("LiberationSans-Regular.ttf") are looked for, in order:
// the system's file, then the copy built into the program when there is one.
QStringList faceFiles(const QString &faceName);

// The bytes of the first of faceFiles() that reads whole within the size bound; empty when
// none does.
QByteArray faceData(const QString &faceName);

// The whole file when it opens and holds at most maxBytes; otherwise an empty array.
QByteArray readBounded(const QString &path, qint64 maxBytes);

} // namespace tessaro::platform
