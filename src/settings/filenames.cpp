#include "settings/filenames.h"

#include "settings/codepage.h"
#include "settings/translate.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>

namespace tessaro::settings {

bool survivesAsText(const QByteArray &bytes) {
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

bool isExactFileName(const QString &name) {
    return !name.contains(QChar::ReplacementCharacter) && survivesAsText(QFile::encodeName(name));
}

QString printableFileName(const QString &name) {
    QString safe;
    safe.reserve(name.size());
    for (const QChar c : name) {
        const ushort u = c.unicode();
        if (c.category() == QChar::Other_Control || c == QLatin1Char('\\') ||
            c.category() == QChar::Other_Format)
            safe += u > 0xFF ? QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'))
                             : QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            safe += c;
    }
    return safe;
}

QString printableFileName(const QByteArray &bytes) {
    return printableText(bytes, TextSet::Ascii);
}

FileFailure inexactNameFailure(const QString &shown) {
    return FileFailure::at({})
        .saying(tr("%1: the file name is not UTF-8 text, so it cannot be named exactly; nothing "
                   "was read or written")
                    .arg(shown))
        .withSystemError(EILSEQ);
}

QString FileFailure::text() const {
    return path.isEmpty() ? words : printableFileName(path) + QStringLiteral(": ") + words;
}

} // namespace tessaro::settings
