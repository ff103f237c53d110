#include "platform/angularmeter.h"

#include "platform/fonts.h"

#include <QGlyphRun>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace tessaro::platform {
namespace {

using Radii = std::array<qreal, 4>;

// Silver: light at the top, a darker band below the middle, lighter again at the bottom.
struct MetalStop {
    qreal position;
    int grey;
};
constexpr std::array<MetalStop, 5> MetalStops{{
    {0.00, 0xF6},
    {0.35, 0xE2},
    {0.60, 0xCC},
    {0.85, 0xDA},
    {1.00, 0xEA},
}};

// Border shading: white or black laid over whatever is beneath.
constexpr int LightAlpha = 170;
constexpr int ShadowAlpha = 110;

// Scale: tick lengths inward from the arc (major, minor, micro), then the labels.
constexpr std::array<qreal, 3> TickLength{8, 5, 3};
constexpr qreal LabelGap = 1.5;
constexpr const char *ScaleFont = "arial.ttf";
constexpr qreal ScaleFontSize = 8;
constexpr int MaxTicks = 1000;

// Needle: tip at this share of the radius; its base is a half circle of this radius.
constexpr qreal NeedleLength = 0.9;
constexpr qreal NeedleBase = 3.5;

// Room between a text and the border of its box.
constexpr qreal BoxMarginX = 3;
constexpr qreal BoxMarginY = 1;

constexpr int MaxPictureSide = 16384;
constexpr int MaxDecimals = 15;

QColor toQColor(Color c) {
    const quint32 v = c.value();
    return QColor(int((v >> 16) & 0xFF), int((v >> 8) & 0xFF), int(v & 0xFF), 255 - int(v >> 24));
}

QBrush metalBrush(int angle, const QRectF &area) {
    const double a = qDegreesToRadians(double(angle));
    const QPointF dir(std::cos(a), std::sin(a));
    const qreal half = (std::abs(dir.x()) * area.width() + std::abs(dir.y()) * area.height()) / 2;
    QLinearGradient gradient(area.center() - dir * half, area.center() + dir * half);
    for (const MetalStop &stop : MetalStops)
        gradient.setColorAt(stop.position, QColor(stop.grey, stop.grey, stop.grey));
    return gradient;
}

QBrush brushFor(Color c, const QRectF &area) {
    return c.isMetal() ? metalBrush(c.metalAngle(), area) : QBrush(toQColor(c));
}

// Qt counts angles counter-clockwise from three o'clock.
qreal qtAngle(double angle) {
    return 90 - angle;
}

QRectF square(QPointF centre, qreal radius) {
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

// Rounds one corner of a path: the arc of the circle of radius r in the corner at `at`,
// from the angle `from`; with no radius the path simply goes through the corner.
void addCorner(QPainterPath &path, QPointF at, qreal r, QPointF towardsInside, qreal from) {
    if (r <= 0) {
        path.lineTo(at);
        return;
    }
    const QPointF centre(at.x() + r * towardsInside.x(), at.y() + r * towardsInside.y());
    path.arcTo(square(centre, r), from, -90);
}

// A rectangle with its corners rounded, clockwise from the top-left.
QPainterPath roundedRect(const QRectF &r, const Radii &radii) {
    const qreal limit = std::min(r.width(), r.height()) / 2;
    Radii c;
    std::transform(radii.begin(), radii.end(), c.begin(),
                   [limit](qreal x) { return std::clamp(x, qreal(0), limit); });
    QPainterPath path;
    path.moveTo(r.left() + c[0], r.top());
    addCorner(path, r.topRight(), c[1], {-1, 1}, 90);
    addCorner(path, r.bottomRight(), c[2], {-1, -1}, 0);
    addCorner(path, r.bottomLeft(), c[3], {1, -1}, 270);
    addCorner(path, r.topLeft(), c[0], {1, 1}, 180);
    path.closeSubpath();
    return path;
}

// The one-pixel ring `inset` pixels inside the outline.
void addRing(QPainterPath &path, const QRectF &rect, const Radii &radii, int inset) {
    auto inner = [&](int by) {
        Radii r = radii;
        for (qreal &x : r)
            x = std::max(qreal(0), x - by);
        return roundedRect(rect.adjusted(by, by, -by, -by), r);
    };
    path.addPath(inner(inset));
    path.addPath(inner(inset + 1));
}

// An edge line on the outline, then a raised (> 0) or sunken (< 0) border inside it:
// light on the top and left, shadow on the bottom and right, or the other way round.
void paintBorder(QPainter &p, const QRectF &rect, const Radii &radii, Color edge, int raised) {
    int inset = 0;
    if (edge.isVisible()) {
        QPainterPath ring;
        addRing(ring, rect, radii, inset++);
        p.fillPath(ring, brushFor(edge, rect));
    }
    if (raised == 0)
        return;
    QPainterPath bevel;
    for (int i = 0; i < std::abs(raised); ++i)
        addRing(bevel, rect, radii, inset + i);
    const QColor light(255, 255, 255, LightAlpha);
    const QColor shadow(0, 0, 0, ShadowAlpha);
    // The diagonal from the bottom-left to the top-right corner splits the two sides.
    QPainterPath upperLeft;
    upperLeft.addPolygon(QPolygonF({rect.topLeft(), rect.topRight(), rect.bottomLeft()}));
    QPainterPath lowerRight;
    lowerRight.addPolygon(QPolygonF({rect.topRight(), rect.bottomRight(), rect.bottomLeft()}));
    p.save();
    p.setClipPath(upperLeft);
    p.fillPath(bevel, raised > 0 ? light : shadow);
    p.setClipPath(lowerRight);
    p.fillPath(bevel, raised > 0 ? shadow : light);
    p.restore();
}

// Everything a chart's frame (exterior, background, border) depends on.
struct Frame {
    QSize size;
    Color background;
    Color edge;
    int raised;
    Color exterior;
    Radii radii;
    qreal ratio;
    bool operator==(const Frame &) const = default;
};

QImage paintFrame(const Frame &f) {
    QImage image(qRound(f.size.width() * f.ratio), qRound(f.size.height() * f.ratio),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        throw std::runtime_error("makePicture: out of memory");
    image.setDevicePixelRatio(f.ratio);
    image.fill(toQColor(f.exterior));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF rect(QPointF(0, 0), QSizeF(f.size));
    p.fillPath(roundedRect(rect, f.radii), brushFor(f.background, rect));
    paintBorder(p, rect, f.radii, f.edge, f.raised);
    return image;
}

// Painting the frame costs more than everything else on a chart together, and all gauges
// share one, so each frame is painted once and then copied. User-interface thread only.
QImage framePicture(const Frame &f) {
    constexpr std::size_t Keep = 8;
    static std::vector<std::pair<Frame, QImage>> painted;
    const auto it = std::find_if(painted.begin(), painted.end(),
                                 [&f](const auto &entry) { return entry.first == f; });
    if (it != painted.end())
        return it->second;
    const QImage image = paintFrame(f);
    if (painted.size() == Keep)
        painted.erase(painted.begin());
    painted.emplace_back(f, image);
    return image;
}

struct TextLayout {
    QGlyphRun run;
    qreal width;
    qreal ascent;
    qreal height;
};

TextLayout layOut(const QRawFont &font, const QString &text) {
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances =
        font.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances | QRawFont::UseDesignMetrics);
    QList<QPointF> positions;
    positions.reserve(advances.size());
    QPointF pen;
    for (const QPointF &advance : advances) {
        positions.append(pen);
        pen += advance;
    }
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    return {run, pen.x(), font.ascent(), font.ascent() + font.descent()};
}

// How far the anchor lies from the top-left corner of a box of that size.
QPointF anchorOffset(Alignment alignment, QSizeF size) {
    const int column = (alignment - 1) % 3; // left, centre, right
    const int row = (alignment - 1) / 3;    // bottom, middle, top
    return {size.width() * column / 2, size.height() * (2 - row) / 2};
}

void drawText(QPainter &p, const TextLayout &text, const QRectF &box) {
    const QPointF origin(box.left() + (box.width() - text.width) / 2,
                         box.top() + (box.height() - text.height) / 2 + text.ascent);
    p.drawGlyphRun(origin, text.run);
}

struct Dial {
    QPointF centre;
    qreal radius;
    double startAngle, endAngle;
    double lower, upper;

    // Values beyond the scale stay at its ends.
    double angleOf(double value) const {
        const double t = std::clamp((value - lower) / (upper - lower), 0.0, 1.0);
        return startAngle + t * (endAngle - startAngle);
    }
    QPointF pointAt(double angle, qreal r) const {
        const double a = qDegreesToRadians(angle);
        return centre + QPointF(r * std::sin(a), -r * std::cos(a));
    }
};

struct Tick {
    double value;
    int kind; // 0 major, 1 minor, 2 micro
};

int tickCount(double span, double increment) {
    return increment > 0 ? int(std::floor(std::abs(span) / increment + 1e-9)) : -1;
}

std::vector<Tick> scaleTicks(double lower, double upper, const std::array<double, 3> &increments) {
    const double span = upper - lower;
    std::vector<Tick> ticks;
    for (int kind = 0; kind < 3; ++kind) {
        const int count = tickCount(span, increments[kind]);
        for (int k = 0; k <= count; ++k)
            ticks.push_back({lower + std::copysign(k * increments[kind], span), kind});
    }
    std::sort(ticks.begin(), ticks.end(), [](const Tick &a, const Tick &b) {
        return a.value != b.value ? a.value < b.value : a.kind < b.kind;
    });
    // A position shared by several kinds keeps the longest tick.
    const double same = 1e-9 * std::abs(span);
    auto last = std::unique(ticks.begin(), ticks.end(), [same](const Tick &a, const Tick &b) {
        return std::abs(a.value - b.value) <= same;
    });
    ticks.erase(last, ticks.end());
    for (Tick &t : ticks) {
        if (std::abs(t.value) <= same)
            t.value = 0; // no "-0" or "1e-15" labels from rounding
    }
    return ticks;
}

void paintLabel(QPainter &p, const Dial &dial, const Tick &tick, const QRawFont &font) {
    const TextLayout text = layOut(font, QString::number(tick.value, 'g', 12));
    const double angle = dial.angleOf(tick.value);
    const double a = qDegreesToRadians(angle);
    // Half the box's extent towards the centre, so the label clears the ticks at any angle.
    const qreal reach =
        std::abs(std::sin(a)) * text.width / 2 + std::abs(std::cos(a)) * text.height / 2;
    const QPointF mid = dial.pointAt(angle, dial.radius - TickLength[0] - LabelGap - reach);
    drawText(
        p, text,
        QRectF(mid - QPointF(text.width / 2, text.height / 2), QSizeF(text.width, text.height)));
}

void paintScale(QPainter &p, const Dial &dial, const std::array<double, 3> &increments) {
    QPen pen(toQColor(TextColor), 1);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF circle = square(dial.centre, dial.radius);
    QPainterPath arc;
    arc.arcMoveTo(circle, qtAngle(dial.startAngle));
    arc.arcTo(circle, qtAngle(dial.startAngle), dial.startAngle - dial.endAngle);
    p.drawPath(arc);
    const std::vector<Tick> ticks = scaleTicks(dial.lower, dial.upper, increments);
    for (const Tick &t : ticks) {
        const double angle = dial.angleOf(t.value);
        p.drawLine(dial.pointAt(angle, dial.radius),
                   dial.pointAt(angle, dial.radius - TickLength[t.kind]));
    }
    const QRawFont font = chartFont(QString::fromLatin1(ScaleFont), ScaleFontSize);
    for (const Tick &t : ticks) {
        if (t.kind == 0)
            paintLabel(p, dial, t, font);
    }
}

QPainterPath sector(const Dial &dial, double from, double to, qreal inner, qreal outer) {
    const QRectF out = square(dial.centre, outer);
    QPainterPath path;
    path.arcMoveTo(out, qtAngle(from));
    path.arcTo(out, qtAngle(from), from - to);
    if (inner > 0)
        path.arcTo(square(dial.centre, inner), qtAngle(to), to - from);
    else
        path.lineTo(dial.centre);
    path.closeSubpath();
    return path;
}

void paintZone(QPainter &p, const Dial &dial, const AngularMeter::Zone &zone) {
    const auto [from, to] = std::minmax({dial.angleOf(zone.start), dial.angleOf(zone.end)});
    const auto [inner, outer] = std::minmax({zone.innerRadius, zone.outerRadius});
    const QPainterPath path = sector(dial, from, to, inner, outer);
    p.setPen(zone.edge.isVisible() ? QPen(toQColor(zone.edge), 1) : QPen(Qt::NoPen));
    p.setBrush(brushFor(zone.fill, path.boundingRect()));
    p.drawPath(path);
}

// A slim spike pointing straight up from the centre, with a rounded base.
QPainterPath needle(qreal length) {
    QPainterPath path;
    path.moveTo(0, -length);
    path.lineTo(NeedleBase, 0);
    path.arcTo(QRectF(-NeedleBase, -NeedleBase, 2 * NeedleBase, 2 * NeedleBase), 0, -180);
    path.closeSubpath();
    return path;
}

void paintPointer(QPainter &p, const Dial &dial, const AngularMeter::Pointer &pointer) {
    QPen pen(toQColor(pointer.edge), 1);
    pen.setJoinStyle(Qt::RoundJoin);
    p.save();
    p.translate(dial.centre);
    p.rotate(dial.angleOf(pointer.value));
    p.setPen(pointer.edge.isVisible() ? pen : QPen(Qt::NoPen));
    p.setBrush(toQColor(pointer.fill));
    p.drawPath(needle(dial.radius * NeedleLength));
    p.restore();
}

void requireFinite(std::initializer_list<double> values, const char *what) {
    for (double v : values) {
        if (!std::isfinite(v))
            throw std::invalid_argument(std::string(what) + ": not a finite number");
    }
}

int decimalsOf(const QString &format) {
    const bool plain = format == QLatin1String("0");
    const qsizetype decimals = format.size() - 2;
    const bool fixed = decimals > 0 && decimals <= MaxDecimals &&
                       format.startsWith(QLatin1String("0.")) &&
                       format.count(QLatin1Char('0')) == decimals + 1;
    if (!plain && !fixed)
        throw std::invalid_argument("unsupported number format " + format.toStdString());
    return plain ? 0 : int(decimals);
}

} // namespace

QString formatNumber(double value, const QString &format) {
    const int decimals = decimalsOf(format);
    requireFinite({value}, "formatValue");
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    // std::round takes halves away from zero.
    double rounded = std::isfinite(scaled) ? std::round(scaled) / scale : value;
    if (rounded == 0)
        rounded = 0; // a negative that rounds to zero shows "0", not "-0"
    return QString::number(rounded, 'f', decimals);
}

TextBox::TextBox(QPointF anchor, const QString &text, const QRawFont &font, Color color,
                 Alignment alignment, int angle)
    : m_anchor(anchor), m_text(text), m_font(font), m_color(color), m_alignment(alignment),
      m_angle(angle) {}

void TextBox::setBackground(Color background, Color edge, int raisedEffect) {
    m_background = background;
    m_edge = edge;
    m_raisedEffect = raisedEffect;
}

void TextBox::paint(QPainter &p) const {
    const TextLayout text = layOut(m_font, m_text);
    const bool boxed = m_background.isVisible() || m_edge.isVisible() || m_raisedEffect != 0;
    QSizeF size(text.width, text.height);
    if (boxed) {
        const qreal border = (m_edge.isVisible() ? 1 : 0) + std::abs(m_raisedEffect);
        // Whole pixels keep the box's border sharp.
        size = QSizeF(std::ceil(text.width + 2 * (BoxMarginX + border)),
                      std::ceil(text.height + 2 * (BoxMarginY + border)));
    }
    p.save();
    p.translate(m_anchor);
    p.rotate(-m_angle);
    const QRectF box(-anchorOffset(m_alignment, size), size);
    if (boxed) {
        p.fillRect(box, brushFor(m_background, box));
        paintBorder(p, box, Radii{}, m_edge, m_raisedEffect);
    }
    p.setPen(toQColor(m_color));
    drawText(p, text, box);
    p.restore();
}

AngularMeter::AngularMeter(int width, int height, Color background, Color edge, int raisedEffect)
    : m_width(width), m_height(height), m_background(background), m_edge(edge),
      m_raisedEffect(raisedEffect), m_centre(width / 2.0, height / 2.0),
      m_radius(std::min(width, height) / 2.0) {
    if (width <= 0 || height <= 0 || width > MaxPictureSide || height > MaxPictureSide)
        throw std::invalid_argument("AngularMeter: size out of range");
}

void AngularMeter::setRoundedFrame(Color exterior, int r1, int r2, int r3, int r4) {
    if (r1 < 0)
        throw std::invalid_argument("setRoundedFrame: negative first radius");
    m_exterior = exterior;
    const std::array<int, 4> given{r1, r2, r3, r4};
    for (std::size_t i = 0; i < given.size(); ++i)
        m_cornerRadii[i] = given[i] < 0 ? r1 : given[i];
}

void AngularMeter::setMeter(int cx, int cy, int radius, double startAngle, double endAngle) {
    requireFinite({startAngle, endAngle}, "setMeter");
    if (radius <= 0 || startAngle == endAngle)
        throw std::invalid_argument("setMeter: empty dial");
    m_centre = QPointF(cx, cy);
    m_radius = radius;
    m_startAngle = startAngle;
    m_endAngle = endAngle;
}

void AngularMeter::setScale(double lower, double upper, double major, double minor, double micro) {
    requireFinite({lower, upper, major, minor, micro}, "setScale");
    if (lower == upper)
        throw std::invalid_argument("setScale: empty scale");
    for (double increment : {major, minor, micro}) {
        if (tickCount(upper - lower, increment) > MaxTicks)
            throw std::invalid_argument("setScale: too many ticks");
    }
    m_lower = lower;
    m_upper = upper;
    m_increments = {major, minor, micro};
    m_hasScale = true;
}

void AngularMeter::addZone(double startValue, double endValue, double startRadius, double endRadius,
                           Color fill, Color edge) {
    requireScale();
    requireFinite({startValue, endValue, startRadius, endRadius}, "addZone");
    if (startRadius < 0 || endRadius < 0)
        throw std::invalid_argument("addZone: negative radius");
    m_zones.push_back({startValue, endValue, startRadius, endRadius, fill, edge});
}

TextBox &AngularMeter::addText(int x, int y, const QString &text, const QString &fontFile,
                               double size, Color color, int alignment, int angle, bool vertical) {
    requireFinite({size}, "addText");
    if (size <= 0 || alignment < BottomLeft || alignment > TopRight)
        throw std::invalid_argument("addText: bad size or alignment");
    if (vertical)
        throw std::invalid_argument("addText: vertical text is not supported");
    const QRawFont font = chartFont(fontFile, size);
    m_texts.push_back(TextBox(QPointF(x, y), text, font, color, Alignment(alignment), angle));
    return m_texts.back();
}

QString AngularMeter::formatValue(double value, const QString &format) const {
    return formatNumber(value, format);
}

void AngularMeter::addPointer(double value, Color fill, Color edge) {
    requireScale();
    requireFinite({value}, "addPointer");
    m_pointers.push_back({value, fill, edge});
}

void AngularMeter::requireScale() const {
    if (!m_hasScale)
        throw std::logic_error("AngularMeter: setScale must come before zones and pointers");
}

QImage AngularMeter::makePicture(qreal devicePixelRatio) const {
    if (!std::isfinite(devicePixelRatio) || devicePixelRatio <= 0 ||
        std::max(m_width, m_height) * devicePixelRatio > MaxPictureSide)
        throw std::invalid_argument("makePicture: device pixel ratio out of range");
    QImage image = framePicture({QSize(m_width, m_height), m_background, m_edge, m_raisedEffect,
                                 m_exterior, m_cornerRadii, devicePixelRatio});
    QPainter p(&image); // paints on a copy; the shared frame stays as it is
    p.setRenderHint(QPainter::Antialiasing);
    const int border = (m_edge.isVisible() ? 1 : 0) + std::abs(m_raisedEffect);
    p.setClipRect(QRect(0, 0, m_width, m_height).adjusted(border, border, -border, -border));
    const Dial dial{m_centre, m_radius, m_startAngle, m_endAngle, m_lower, m_upper};
    for (const Zone &zone : m_zones)
        paintZone(p, dial, zone);
    if (m_hasScale)
        paintScale(p, dial, m_increments);
    for (const TextBox &text : m_texts)
        text.paint(p);
    for (const Pointer &pointer : m_pointers)
        paintPointer(p, dial, pointer);
    return image;
}

} // namespace tessaro::platform
