#include "settings/settingsfile.h"

#include "settings/codepage.h"
#include "settings/translate.h"
#include "settings/wholefile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace tessaro::settings {

namespace {

const char *const FormatKey = "format";
const char *const NameKey = "name";
const char *const BlockKey = "block";

// One JSON value as compact text, escaped the way the file would hold it.
QByteArray jsonText(const QJsonValue &v) {
    const QByteArray a = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

// A key or value from the file as a message quotes it: JSON-escaped, with the
// control characters JSON leaves alone (DEL, C1) escaped too, and cut short.
QString shownJson(const QJsonValue &v) {
    constexpr qsizetype Shown = 72; // a whole block in hex, and its quotes
    QString text = QString::fromUtf8(jsonText(v));
    if (text.size() > Shown)
        text = text.left(Shown) + QStringLiteral("...");
    QString safe;
    for (const QChar c : std::as_const(text))
        safe += c.category() == QChar::Other_Control
                    ? QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'))
                    : QString(c);
    return safe;
}

// QJsonDocument keeps only one of two equal keys. The text has already
// parsed as an object, so a scan that knows strings and nesting finds the
// top-level keys as written.
QStringList topLevelKeys(const QByteArray &json) {
    QStringList keys;
    int depth = 0;
    bool keyNext = false;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (c == '"') {
            const qsizetype start = i;
            for (++i; i < json.size() && json.at(i) != '"'; ++i)
                if (json.at(i) == '\\')
                    ++i;
            if (depth == 1 && keyNext) {
                const QByteArray raw = '[' + json.mid(start, i - start + 1) + ']';
                keys << QJsonDocument::fromJson(raw).array().at(0).toString();
            }
            keyNext = false;
        } else if (c == '{' || c == '[') {
            keyNext = ++depth == 1;
        } else if (c == '}' || c == ']') {
            --depth;
        } else if (c == ',' && depth == 1) {
            keyNext = true;
        }
    }
    return keys;
}

std::optional<int> wholeNumber(const QJsonValue &v) {
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::trunc(d))
        return std::nullopt;
    // Far outside every range either way; the message shows the value as written.
    return static_cast<int>(std::clamp(d, -1e9, 1e9));
}

std::optional<QByteArray> blockFromHex(const QJsonValue &v) {
    const QByteArray hex = v.toString().toLatin1();
    if (!v.isString() || hex.size() != 2 * BlockLength)
        return std::nullopt;
    QByteArray bytes;
    for (int k = 0; k < hex.size(); k += 2) {
        const auto pair = readHexPair(hex, k);
        if (!pair)
            return std::nullopt;
        bytes += static_cast<char>(*pair);
    }
    return bytes;
}

} // namespace

std::optional<ServoSettings> settingsFromBlock(const QByteArray &b) {
    if (b.size() != BlockLength)
        return std::nullopt;
    const auto decoded = decodeBlock(b);
    if (!decoded.values)
        return std::nullopt;
    return ServoSettings{b, *decoded.values};
}

QByteArray settingsJson(const ServoSettings &s) {
    QByteArray out = "{\n";
    const auto line = [&out](const char *key, const QJsonValue &v, bool last = false) {
        out += "    \"" + QByteArray(key) + "\": " + jsonText(v) + (last ? "\n" : ",\n");
    };
    line(FormatKey, FileFormat);
    line(NameKey, fromWindows1252(s.name()));
    for (const Field &f : Fields)
        line(f.key, s.values.*f.member);
    line(BlockKey, QString::fromLatin1(s.block.toHex().toUpper()), true);
    return out + "}\n";
}

LoadResult parseSettings(const QByteArray &json, const QString &fileName) {
    const auto fail = [&fileName](const QString &problem, const QString &field = {}) {
        return LoadResult{std::nullopt, FileFailure::at(fileName).saying(problem).inField(field)};
    };
    // Whole sentences, so that a translation can order them its own way; %1 is
    // the quoted field name. Every arg() substitutes in one pass: file text may hold "%2".
    const auto fieldFail = [&fail](const QString &key, const char *sentence, const auto &...args) {
        return fail(tr(sentence).arg(shownJson(key), args...), key);
    };

    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull())
        return fail(tr("not JSON: %1 at offset %2")
                        .arg(parseError.errorString(),
                             QString::number(std::max(parseError.offset - 1, 0))));
    if (!doc.isObject())
        return fail(tr("not a JSON object"));
    const QJsonObject obj = doc.object();

    QStringList known{QLatin1String(FormatKey), QLatin1String(NameKey), QLatin1String(BlockKey)};
    for (const Field &f : Fields)
        known << QLatin1String(f.key);
    QStringList seen;
    for (const QString &key : topLevelKeys(json)) {
        if (seen.contains(key))
            return fieldFail(
                key, QT_TRANSLATE_NOOP("tessaro::settings", "field %1 appears more than once"));
        if (!known.contains(key))
            return fieldFail(
                key, QT_TRANSLATE_NOOP("tessaro::settings", "field %1 is not a settings field"));
        seen << key;
    }
    for (const QString &key : known)
        if (!obj.contains(key))
            return fieldFail(key, QT_TRANSLATE_NOOP("tessaro::settings", "field %1 is missing"));

    const QJsonValue format = obj.value(QLatin1String(FormatKey));
    if (wholeNumber(format) != FileFormat)
        return fieldFail(QLatin1String(FormatKey),
                         QT_TRANSLATE_NOOP("tessaro::settings",
                                           "field %1: %2 is not %3, the format this program reads"),
                         shownJson(format), QString::number(FileFormat));

    const QJsonValue hex = obj.value(QLatin1String(BlockKey));
    const auto bytes = blockFromHex(hex);
    if (!bytes)
        return fieldFail(
            QLatin1String(BlockKey),
            QT_TRANSLATE_NOOP("tessaro::settings", "field %1: %2 is not %3 hex digits"),
            shownJson(hex), QString::number(2 * BlockLength));
    ServoSettings s{*bytes, {}};

    // The block is where the name bytes come from; a name edited in the file
    // would not reach the servo, so it is refused rather than ignored.
    const QJsonValue name = obj.value(QLatin1String(NameKey));
    const QString blockName = fromWindows1252(s.name());
    if (name != QJsonValue(blockName))
        return fieldFail(QLatin1String(NameKey),
                         QT_TRANSLATE_NOOP("tessaro::settings",
                                           "field %1: %2 differs from the name in the block, %3"),
                         shownJson(name), shownJson(blockName));

    for (const Field &f : Fields) {
        const QJsonValue v = obj.value(QLatin1String(f.key));
        const auto n = wholeNumber(v);
        if (!n || !f.range.contains(*n))
            return fieldFail(
                QLatin1String(f.key),
                n ? QT_TRANSLATE_NOOP("tessaro::settings", "field %1: %2 is outside %3 to %4")
                  : QT_TRANSLATE_NOOP("tessaro::settings",
                                      "field %1: %2 is not a whole number from %3 to %4"),
                shownJson(v), QString::number(f.range.min), QString::number(f.range.max));
        s.values.*f.member = *n;
    }
    return {s, {}};
}

LoadResult loadSettings(const QString &path) {
    ReadResult file = readSmallFile(path);
    if (file.failure)
        return {std::nullopt, file.failure};
    return parseSettings(file.bytes, path);
}

FileFailure saveSettings(const QString &path, const ServoSettings &settings, bool privateFile) {
    return writeWholeFile(path, settingsJson(settings), privateFile);
}

} // namespace tessaro::settings
