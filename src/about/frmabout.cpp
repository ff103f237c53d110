#include "about/frmabout.h"

#include "platform/desktopfit.h"
#include "platform/messagebox.h"
#include "platform/version.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace tessaro::about {

namespace {

constexpr QSize ClientSize(382, 304); // 5730 x 4560 twips
constexpr QRgb RuleGrey = 0x808080;
constexpr QRgb RuleWhite = 0xFFFFFF;
constexpr int RuleTop = 192; // 2880 twips
constexpr int IconSize = 32;

const char *const TitleText =
    QT_TRANSLATE_NOOP("tessaro::about::frmAbout", "Korvane Digital Servo PC interface");
const char *const VersionDesignText = QT_TRANSLATE_NOOP("tessaro::about::frmAbout", "Version 1.2");
const char *const AdapterPartNumber = "TS-USB3P";
const char *const MakerWebAddress = "www.korvane.invalid";
const char *const SysInfoCaption = QT_TRANSLATE_NOOP("tessaro::about::frmAbout", "&System Info...");

const char *const ProjectAddress = "https://github.com/tessaro/tessaro";

// The part number is kept on one line: a word joiner after its hyphen.
QString partNumber() {
    return QString::fromLatin1(AdapterPartNumber)
        .replace(QLatin1Char('-'), QStringLiteral("-\u2060"));
}

QString descriptionText() {
#ifdef Q_OS_WIN
    return frmAbout::tr("This software enables programming of Korvane Ostrel Digital Servos "
                        "when used in conjunction with 3-pin USB-to-Serial Adapter pn# %1 and a "
                        "Windows PC with USB port (ver Win98se or higher)\nFor more information, "
                        "visit %2")
#else
    return frmAbout::tr("This software enables programming of Korvane Ostrel Digital Servos "
                        "when used in conjunction with 3-pin USB-to-Serial Adapter pn# %1 and a "
                        "Linux PC with USB port (kernel with the cp210x driver)\nFor more "
                        "information, visit %2")
#endif
        .arg(partNumber(), QLatin1String(MakerWebAddress));
}

QString noticeText() {
    return frmAbout::tr("NOTICE: This software is provided as is and without charge, under the "
                        "licence GPL-3.0-or-later, from %1. No liability is accepted for any "
                        "damage or loss, direct or consequential, arising from its use. "
                        "tessaro-cli does the same from a shell.\nUSE STRICTLY AT YOUR OWN RISK")
        .arg(QLatin1String(ProjectAddress));
}

// Drawn when the program has no icon of its own: a servo body with its horn.
QPixmap drawnIcon() {
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0x20, 0x40, 0x90));
    painter.drawRoundedRect(QRectF(3.5, 10.5, 25, 18), 3, 3);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(6.5, 3.5, 20, 6), 3, 3);
    painter.drawEllipse(QRectF(10.5, 1.5, 8, 8));
    return pixmap;
}

QPixmap applicationIcon() {
    const QIcon icon = QApplication::windowIcon();
    return icon.isNull() ? drawnIcon() : icon.pixmap(IconSize, IconSize);
}

QLabel *label(QWidget *parent, const char *name, const QString &text) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// Puts a label at its design place, taller when its text needs more lines at
// the dialog's font; returns the first row below it.
int placeLabel(QLabel *l, QRect design) {
    const int needed = l->wordWrap() ? l->heightForWidth(design.width()) : l->sizeHint().height();
    design.setHeight(std::max(design.height(), needed));
    l->setGeometry(design);
    return design.bottom() + 1;
}

// A button at its design size while its caption fits inside the style's frame
// there; else at the size the style asks for the caption.
QRect buttonRect(QPushButton *b, QPoint at) {
    const QSize design(90, 26);
    QStyleOptionButton option;
    option.initFrom(b);
    option.rect = QRect(QPoint(), design);
    const QRect inside = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
    const QSize caption = b->fontMetrics().size(Qt::TextShowMnemonic, b->text());
    QSize size = design;
    if (caption.width() > inside.width())
        size.setWidth(b->sizeHint().width());
    if (caption.height() > inside.height())
        size.setHeight(b->sizeHint().height());
    return {at, size};
}

QFrame *ruleLine(QWidget *parent, const char *name, QRgb colour) {
    auto *line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::NoFrame);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(colour));
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

// No accessible name of its own: a screen reader reads the caption.
QPushButton *button(QWidget *parent, const char *name, const QString &text) {
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent), m_registry(&platform::systemRegistry()), m_launch(startDetached) {
    setObjectName(QStringLiteral("frmAbout"));
    buildControls();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    Form_Load();
}

void frmAbout::buildControls() {
    // The dialog paints its own grey, so it sets the text colours with it.
    platform::setLightColours(this);
    setAutoFillBackground(true);

    picIcon = label(this, "picIcon", {});
    picIcon->setGeometry(16, 16, IconSize, IconSize);
    picIcon->setPixmap(applicationIcon());

    lblTitle = label(this, "lblTitle", tr(TitleText));
    lblTitle->setWordWrap(true);
    lblVersion = label(this, "lblVersion", tr(VersionDesignText));
    QFont bold = font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    lblVersion->setFont(bold);
    lblDescription = label(this, "lblDescription", descriptionText());
    lblDescription->setWordWrap(true);
    Line1 = ruleLine(this, "Line1", RuleGrey);
    Line2 = ruleLine(this, "Line2", RuleWhite);
    lblDisclaimer = label(this, "lblDisclaimer", noticeText());
    lblDisclaimer->setWordWrap(true);
    cmdOK = button(this, "cmdOK", tr("OK"));
    cmdOK->setDefault(true);
    cmdSysInfo = button(this, "cmdSysInfo", tr(SysInfoCaption));
    placeControls();
}

// The design places at the design font. A text that needs more room at the
// desktop's font pushes what is below it down, and a wider caption widens the
// dialog, so nothing is cut off.
void frmAbout::placeControls() {
    int top = placeLabel(lblTitle, {70, 16, 296, 32}) + 4;
    top = placeLabel(lblVersion, {70, top, 296, 18}) + 6;
    const int rule = std::max(RuleTop, placeLabel(lblDescription, {70, top, 296, 112}) + 4);
    const int below = placeLabel(lblDisclaimer, {16, rule + 10, 252, 96});
    const QRect ok = buttonRect(cmdOK, {280, rule + 14});
    const QRect sysInfo = buttonRect(cmdSysInfo, {280, ok.bottom() + 11});
    const int width = std::max(ok.width(), sysInfo.width());
    cmdOK->setGeometry(QRect(ok.topLeft(), QSize(width, ok.height())));
    cmdSysInfo->setGeometry(QRect(sysInfo.topLeft(), QSize(width, sysInfo.height())));
    const QSize size(280 + width + 12, std::max({ClientSize.height(), below + 6,
                                                 cmdSysInfo->geometry().bottom() + 7}));
    Line1->setGeometry(6, rule, size.width() - 12, 1);
    Line2->setGeometry(6, rule + 1, size.width() - 12, 1);
    setFixedSize(size);
}

void frmAbout::changeEvent(QEvent *event) {
    QDialog::changeEvent(event);
    if (cmdSysInfo && (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        placeControls();
}

void frmAbout::Form_Load() {
    setWindowTitle(tr("About %1").arg(QLatin1String(platform::MessageTitle)));
    lblVersion->setText(tr("Version %1.%2.%3")
                            .arg(platform::VersionMajor)
                            .arg(platform::VersionMinor)
                            .arg(platform::VersionRevision));
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo(this, *m_registry, m_launch);
}

void frmAbout::setSysInfoServices(platform::Registry &reg, SysInfoLauncher launch) {
    m_registry = &reg;
    m_launch = std::move(launch);
}

} // namespace tessaro::about
