// Our stand-in for the charting component's angular meter: the same calls under the same
// names, drawn with QPainter. A chart collects its calls and draws them all in makePicture:
// first its frame (exterior, background, border), then inside the border the zones, the
// scale, the texts in the order added and the pointers.
// Coordinates and sizes are pixels of the picture; font sizes are points at 72 per inch,
// so one point is one pixel. Angles are degrees, 0 straight up, clockwise positive.
// Invalid arguments throw std::invalid_argument, like the component reporting a failure.
#pragma once

#include <QImage>
#include <QRawFont>
#include <QString>
#include <QtGlobal>
#include <array>
#include <deque>
#include <vector>

class QPainter;

namespace tessaro::platform {

// A colour as the chart calls pass it: 0xRRGGBB with a transparency byte on top
// (0x00 opaque, 0xFF invisible), or a metallic gradient.
class Color {
public:
    constexpr Color(quint32 value) : m_value(value) {} // the calls pass plain numbers
    static constexpr Color metal(int angle) { return Color(0, true, angle); }

    constexpr bool isMetal() const { return m_metal; }
    constexpr int metalAngle() const { return m_angle; }
    constexpr quint32 value() const { return m_value; }
    constexpr bool isVisible() const { return m_metal || (m_value >> 24) != 0xFF; }
    friend constexpr bool operator==(const Color &, const Color &) = default;

private:
    constexpr Color(quint32 value, bool metal, int angle)
        : m_value(value), m_metal(metal), m_angle(angle) {}

    quint32 m_value = 0;
    bool m_metal = false;
    int m_angle = 0;
};

inline constexpr Color Transparent = 0xFF000000;
// -1 as the calls pass it; as an edge colour it means "no edge of its own".
inline constexpr Color DefaultColor = 0xFFFFFFFF;
inline constexpr Color TextColor = 0x000000;

// A metallic gradient; the angle gives its direction (90: from top to bottom).
constexpr Color metalColor(int angle) {
    return Color::metal(angle);
}

// Where a text's anchor point lies on its box, laid out like a numeric keypad.
enum Alignment {
    BottomLeft = 1,
    BottomCenter,
    BottomRight,
    Left,
    Center,
    Right,
    TopLeft,
    TopCenter,
    TopRight,
};

// A text of a chart; the chart owns it and draws it.
class TextBox {
public:
    // A filled box behind the text, with an edge line and a raised (> 0) or sunken (< 0)
    // border of that many pixels inside the edge.
    void setBackground(Color background, Color edge = Transparent, int raisedEffect = 0);

private:
    friend class AngularMeter;
    TextBox(QPointF anchor, const QString &text, const QRawFont &font, Color color,
            Alignment alignment, int angle);
    void paint(QPainter &painter) const;

    QPointF m_anchor;
    QString m_text;
    QRawFont m_font;
    Color m_color;
    Alignment m_alignment;
    int m_angle;
    Color m_background = Transparent;
    Color m_edge = Transparent;
    int m_raisedEffect = 0;
};

class AngularMeter {
public:
    AngularMeter(int width, int height, Color background, Color edge = Transparent,
                 int raisedEffect = 0);

    // Radii clockwise from the top-left corner; -1 repeats the first.
    void setRoundedFrame(Color exterior, int r1, int r2 = -1, int r3 = -1, int r4 = -1);
    void setMeter(int cx, int cy, int radius, double startAngle, double endAngle);
    // Ticks every major, minor and micro increment from the lower limit (0: none of that
    // kind); labels at the major ticks.
    void setScale(double lower, double upper, double major, double minor = 0, double micro = 0);
    void addZone(double startValue, double endValue, double startRadius, double endRadius,
                 Color fill, Color edge = DefaultColor);
    TextBox &addText(int x, int y, const QString &text, const QString &fontFile, double size,
                     Color color, int alignment, int angle = 0, bool vertical = false);
    // Format strings "0", "0.0", "0.00" …: that many decimals, halves away from zero.
    QString formatValue(double value, const QString &format) const;
    void addPointer(double value, Color fill, Color edge);
    // The finished chart, drawn at the given device pixel ratio; the picture carries it.
    QImage makePicture(qreal devicePixelRatio = 1.0) const;

    struct Zone {
        double start, end, innerRadius, outerRadius;
        Color fill, edge;
    };
    struct Pointer {
        double value;
        Color fill, edge;
    };

private:
    void requireScale() const;

    int m_width;
    int m_height;
    Color m_background;
    Color m_edge;
    int m_raisedEffect;
    Color m_exterior = Transparent;
    std::array<qreal, 4> m_cornerRadii{};
    QPointF m_centre;
    qreal m_radius = 0;
    double m_startAngle = -90;
    double m_endAngle = 90;
    bool m_hasScale = false;
    double m_lower = 0, m_upper = 0;
    std::array<double, 3> m_increments{};
    std::vector<Zone> m_zones;
    std::deque<TextBox> m_texts; // a deque keeps handed-out references valid
    std::vector<Pointer> m_pointers;
};

// The formatting behind AngularMeter::formatValue.
QString formatNumber(double value, const QString &format);

} // namespace tessaro::platform
