#include "settings/settingsblock.h"

#include "settings/rounding.h"

namespace tessaro::settings {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::optional<int> readHexPair(const QByteArray &b, int k) {
    if (k < 0 || k + 1 >= b.size())
        return std::nullopt;
    const int hi = hexDigit(b.at(k));
    const int lo = hexDigit(b.at(k + 1));
    if (hi < 0 || lo < 0)
        return std::nullopt;
    return hi * 16 + lo;
}

std::optional<int> readSignedHexPair(const QByteArray &b, int k) {
    const auto v = readHexPair(b, k);
    if (!v)
        return std::nullopt;
    return *v < 128 ? *v : *v - 256;
}

QByteArray writeHexPair(qint16 v) {
    const auto low = static_cast<unsigned>(static_cast<quint16>(v)) & 0xFF;
    return QByteArray::number(low, 16).toUpper().rightJustified(2, '0');
}

QByteArray writePulseWidth(double microseconds) {
    const auto p = static_cast<quint16>(toInt16(microseconds));
    return QByteArray::number(p, 16).toUpper().rightJustified(4, '0').right(4);
}

double testPulseWidth(int position, int halfThrow, int centre) {
    return static_cast<double>(position) / halfThrow * PulseSwing + centre + CentrePulse;
}

EditorValues editorValuesFor(const BlockValues &values) {
    return {0, toInt16(values.throwDeg / 2.0), values};
}

QByteArray buildBlock(const QByteArray &name, const EditorValues &v, const QByteArray &tail) {
    QByteArray b;
    b.reserve(BlockLength);
    b += name;
    b += writePulseWidth(testPulseWidth(v.position, v.halfThrow, v.fields.centre));
    for (const Field &f : Fields)
        b += writeHexPair(static_cast<qint16>(v.fields.*f.member));
    b += tail;
    return b;
}

DecodedBlock decodeBlock(const QByteArray &b) {
    BlockValues d;
    for (const Field &f : Fields) {
        const auto v = f.isSigned ? readSignedHexPair(b, f.pos) : readHexPair(b, f.pos);
        if (!v || !f.range.contains(*v)) {
            const QString held = QString::fromLatin1(b.mid(f.pos, 2).toHex(' ').toUpper());
            const QString shown = v ? QString::number(*v) : QStringLiteral("bytes %1").arg(held);
            return {std::nullopt, QStringLiteral("%1 field: %2").arg(QLatin1String(f.key), shown)};
        }
        d.*f.member = *v;
    }
    return {d, {}};
}

} // namespace tessaro::settings
