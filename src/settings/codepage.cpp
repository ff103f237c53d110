#include "settings/codepage.h"

#include <QStringDecoder>

namespace tessaro::settings {

// Qt's (ICU's) table gives, for all 256 bytes, what the program has always
// shown: the undefined 0x81, 0x8D, 0x8F, 0x90 and 0x9D become U+0081 and so on.
QString fromWindows1252(const QByteArray &bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

QString printableText(const QByteArray &bytes, TextSet set) {
    const QString text = fromWindows1252(bytes);
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const auto byte = static_cast<uchar>(bytes.at(i));
        const bool escaped = c.category() == QChar::Other_Control || c == QLatin1Char('\\') ||
                             (set == TextSet::Ascii && byte > 0x7E);
        if (escaped)
            safe += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        else
            safe += c;
    }
    return safe;
}

} // namespace tessaro::settings
