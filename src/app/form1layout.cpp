// The window's controls at their design positions (pixels at 100 % scale).
#include "app/form1.h"
#include "platform/chartviewer.h"
#include "platform/desktopfit.h"
#include "platform/ledcircle.h"
#include "settings/editorranges.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <tuple>

namespace tessaro::app {

// Buttons, check boxes and labels carry no accessible name of their own: a
// screen reader reads their caption, which changes with what they show.
namespace {

constexpr QSize ClientSize(505, 552);
constexpr QSize GaugeSize(150, 90);
constexpr int ScrollHeight = 17;
constexpr int WindowFontPoints = 8;
const QColor FocusColour(0x00, 0x50, 0xC8);
constexpr int FocusWidth = 2;

template <typename T> T *make(QWidget *parent, const char *name, QRect geometry) {
    auto *w = new T(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(geometry);
    return w;
}

using platform::setLightColours;

void paintBackground(QWidget *w) {
    setLightColours(w);
    w->setAutoFillBackground(true);
}

QFrame *makeFrame(QWidget *parent, const char *name, QRect geometry) {
    auto *f = make<QFrame>(parent, name, geometry);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return f;
}

QLabel *makeLabel(QWidget *parent, const QString &text, QRect geometry, bool bold,
                  Qt::Alignment align = Qt::AlignHCenter | Qt::AlignVCenter) {
    auto *l = new QLabel(text, parent);
    // No caption is markup, and the servo's name shown in one is data.
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    l->setAlignment(align);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

// An editor bar that shows when it has the keyboard focus; the style draws no
// focus on scroll bars.
class EditorBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void paintEvent(QPaintEvent *event) override {
        QScrollBar::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter p(this);
        p.setPen(QPen(FocusColour, FocusWidth));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

QScrollBar *makeScroll(QWidget *parent, const char *name, QPoint at, settings::Range range,
                       const QString &accessible) {
    auto *s = make<EditorBar>(parent, name, QRect(at, QSize(GaugeSize.width(), ScrollHeight)));
    s->setOrientation(Qt::Horizontal);
    // A scroll bar inverts its keys by default; an editor goes up with Right and Up,
    // the way its gauge reads.
    s->setInvertedControls(false);
    s->setRange(range.min, range.max);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setValue(range.start);
    // Scroll bars take no focus by default; the editors must be reachable with Tab.
    s->setFocusPolicy(Qt::StrongFocus);
    s->setAccessibleName(accessible);
    return s;
}

ChartViewer *makeGauge(QWidget *parent, const char *name, QPoint at, const QString &accessible) {
    auto *c = make<ChartViewer>(parent, name, QRect(at, GaugeSize));
    c->setAccessibleName(accessible);
    return c;
}

// One editor, top pixels down its frame: its title, its unit, its gauge and the bar under it,
// which a screen reader names by the title.
std::pair<ChartViewer *, QScrollBar *> makeEditor(QWidget *frame, int top, const QString &title,
                                                  const QString &unit, const char *chart,
                                                  const QString &gauge, const char *scroll,
                                                  settings::Range range) {
    makeLabel(frame, title, {4, top + 6, 161, 14}, true);
    makeLabel(frame, unit, {4, top + 20, 161, 14}, false);
    ChartViewer *viewer = makeGauge(frame, chart, {9, top + 35}, gauge);
    return {viewer, makeScroll(frame, scroll, {9, top + 127}, range, title)};
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text, QRect geometry) {
    auto *b = make<QPushButton>(parent, name, geometry);
    b->setText(text);
    // Enter and Return press a focused button, as Space does, outside dialogs too.
    b->setAutoDefault(true);
    return b;
}

QCheckBox *makeCheck(QWidget *parent, const char *name, const QString &text, QRect geometry) {
    auto *c = make<QCheckBox>(parent, name, geometry);
    c->setText(text);
    QFont f = c->font();
    f.setBold(true);
    c->setFont(f);
    return c;
}

QLineEdit *makeReadout(QWidget *parent, const char *name, const QString &text, QRect geometry,
                       const QString &accessible) {
    auto *e = make<QLineEdit>(parent, name, geometry);
    e->setText(text);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignCenter);
    e->setAccessibleName(accessible);
    return e;
}

} // namespace

void Form1::buildControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Korvane Tessaro"));
    setFont(QFont(QStringLiteral("Liberation Sans"), WindowFontPoints));
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ClientSize);
    QWidget *area = platform::placeFixedClient(this, client);

    buildFileMenu();
    Frm_Exit = menuBar()->addAction(tr("E&xit"));
    Frm_Exit->setObjectName(QStringLiteral("Frm_Exit"));
    Frm_About = menuBar()->addAction(tr("&About"));
    Frm_About->setObjectName(QStringLiteral("Frm_About"));

    // Port and Connect.
    Frame2 = makeFrame(client, "Frame2", {8, 0, 105, 81});
    cmbCOM = make<QComboBox>(Frame2, "cmbCOM", {8, 14, 89, 22});
    cmbCOM->setPlaceholderText(tr("COM Port"));
    cmbCOM->setAccessibleName(tr("COM Port"));
    Connect = makeButton(Frame2, "Connect", tr("Connect"), {8, 44, 89, 27});

    // Servo identification.
    Frame7 = makeFrame(client, "Frame7", {120, 0, 161, 81});
    LServoRev =
        makeLabel(Frame7, tr("Korvane Digital Servo Firmware Revision"), {4, 6, 153, 30}, false);
    LServoRev->setObjectName(QStringLiteral("LServoRev"));
    LServoRev->setWordWrap(true);
    LED1 = make<LedCircle>(Frame7, "LED1", {10, 48, 14, 14});
    LED1->setAccessibleName(tr("Servo detected"));
    LServoName = makeLabel(Frame7, QStringLiteral("12345678"), {26, 44, 128, 22}, true);
    LServoName->setObjectName(QStringLiteral("LServoName"));

    Picture1 = make<QLabel>(client, "Picture1", {312, 0, 179, 101});
    Picture1->setPixmap(
        platform::loadPicture(QStringLiteral(":/pictures/logo.png"), devicePixelRatioF()));

    // Throw and speed, then centre and deadband: two editors to a frame, one above the other.
    Fr_ThrowSpeed = makeFrame(client, "Fr_ThrowSpeed", {8, 96, 169, 297});
    Fr_CentreDead = makeFrame(client, "Fr_CentreDead", {184, 96, 169, 297});
    for (const FieldBinding &b : fieldBindings()) {
        if (!b.bar)
            continue;
        const QByteArray chart = "Chart" + QByteArray(b.name);
        const QByteArray scroll = "Scroll" + QByteArray(b.name);
        std::tie(this->*b.chart, this->*b.bar) =
            makeEditor(this->*b.frame, b.top, tr(b.title), tr(b.unit), chart.constData(),
                       tr(b.gaugeName), scroll.constData(), settings::fieldOf(b.field).range);
    }

    // Reverse and the servo picture.
    Frame9 = makeFrame(client, "Frame9", {360, 96, 137, 121});
    Check1 = makeCheck(Frame9, "Check1", tr("Reverse"), {10, 6, 117, 20});
    PServo = make<QLabel>(Frame9, "PServo", {16, 30, 105, 81});
    PServo->setAlignment(Qt::AlignCenter);
    PServo->setAccessibleName(tr("Servo picture"));

    // Transmitter compatibility.
    Fr_Tx = makeFrame(client, "Fr_Tx", {360, 224, 137, 65});
    makeLabel(Fr_Tx, tr("Tx Compatibility"), {4, 6, 129, 14}, true);
    CmbServo = make<QComboBox>(Fr_Tx, "CmbServo", {8, 26, 121, 24});
    CmbServo->setPlaceholderText(tr("Unknown"));
    CmbServo->setAccessibleName(tr("Tx Compatibility"));

    // Programming indicator.
    Fr_Prog = makeFrame(client, "Fr_Prog", {360, 328, 137, 65});
    LED_Prog = make<LedCircle>(Fr_Prog, "LED_Prog", {14, 25, 14, 14});
    LED_Prog->setAccessibleName(tr("Programming"));
    LProg = makeLabel(Fr_Prog, tr("Programming"), {34, 22, 96, 20}, false,
                      Qt::AlignLeft | Qt::AlignVCenter);
    LProg->setObjectName(QStringLiteral("LProg"));

    // Test position and its readouts.
    Fr_Position = makeFrame(client, "Fr_Position", {8, 392, 345, 153});
    std::tie(ChartPosition, ScrollPosition) =
        makeEditor(Fr_Position, -1, tr("Test Servo Deflection"), tr("(degrees)"), "ChartPosition",
                   tr("Test position gauge"), "ScrollPosition", settings::PositionRange);
    makeLabel(Fr_Position, tr("For checking deflection only;"), {170, 6, 170, 14}, false);
    makeLabel(Fr_Position, tr("Setting not stored in servo"), {170, 20, 170, 14}, false);
    Frame4 = makeFrame(Fr_Position, "Frame4", {172, 42, 165, 103});
    LWidth = makeLabel(Frame4, tr("Pulse width for x degrees"), {4, 6, 157, 14}, false);
    LWidth->setObjectName(QStringLiteral("LWidth"));
    TWidth = makeReadout(Frame4, "TWidth", tr("Width"), {20, 22, 125, 22}, tr("Pulse width"));
    makeLabel(Frame4, tr("Percent of throw"), {4, 52, 157, 14}, false);
    TPercent = makeReadout(Frame4, "TPercent", QStringLiteral("%"), {20, 68, 125, 22},
                           tr("Percent of throw"));

    // Reset to Default and PROGRAM.
    Frame1 = makeFrame(client, "Frame1", {360, 392, 137, 81});
    CkReset = makeCheck(Frame1, "CkReset", tr(" Reset to Default"), {6, 8, 127, 20});
    CProgram = makeButton(Frame1, "CProgram", tr("PROGRAM"), {8, 36, 121, 35});

    Frame3 = makeFrame(client, "Frame3", {360, 480, 137, 65});
    Close = makeButton(Frame3, "Close", tr("CLOSE"), {8, 15, 121, 35});

    paintBackground(this);
    setLightColours(menuBar());
    for (QWidget *w : client->findChildren<QWidget *>()) {
        if (qobject_cast<QFrame *>(w) || qobject_cast<QLabel *>(w) ||
            qobject_cast<QAbstractButton *>(w))
            paintBackground(w);
        else
            setLightColours(w);
    }
    paintBackground(client);
    paintBackground(area);
}

} // namespace tessaro::app
