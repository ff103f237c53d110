#include "about/frmabout.h"

#include "platform/messagebox.h"
#include "platform/version.h"

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace tessaro::about {

namespace {

constexpr QSize ClientSize(382, 304); // 5730 x 4560 twips
constexpr QRgb Background = 0xE0E0E0;
constexpr QRgb RuleGrey = 0x808080;
constexpr QRgb RuleWhite = 0xFFFFFF;
constexpr int RuleTop = 192; // 2880 twips
constexpr int IconSize = 32;

const char *const TitleText = "Korvane Digital Servo PC interface";
const char *const VersionDesignText = "Version 1.2";
const char *const AdapterPartNumber = "TS-USB3P";
const char *const MakerWebAddress = "www.korvane.invalid";
const char *const SysInfoCaption = "&System Info...";

QString descriptionText() {
    return QStringLiteral("This software enables programming of Korvane Ostrel Digital Servos "
                          "when used in conjunction with 3-pin USB-to-Serial Adapter pn# ") +
           QLatin1String(AdapterPartNumber) +
           QStringLiteral(" and a Windows PC with USB port (ver Win98se or higher)") +
           QStringLiteral("\nFor more information, visit ") + QLatin1String(MakerWebAddress);
}

QString noticeText() {
    return QStringLiteral("NOTICE: This software is provided as is and without charge. No "
                          "liability is accepted for any damage or loss, direct or "
                          "consequential, arising from its use.\nUSE STRICTLY AT YOUR OWN RISK");
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

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &geometry) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QFrame *ruleLine(QWidget *parent, const char *name, QRgb colour, int top) {
    auto *line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::NoFrame);
    line->setGeometry(6, top, ClientSize.width() - 12, 1);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(colour));
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text,
                    const QString &accessibleName, const QRect &geometry) {
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(accessibleName);
    b->setGeometry(geometry);
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
    setFixedSize(ClientSize);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(Background));
    setPalette(palette);
    setAutoFillBackground(true);

    picIcon = label(this, "picIcon", {}, QRect(16, 16, IconSize, IconSize));
    picIcon->setPixmap(applicationIcon());

    lblTitle = label(this, "lblTitle", QLatin1String(TitleText), QRect(70, 16, 296, 32));
    lblTitle->setWordWrap(true);
    lblVersion =
        label(this, "lblVersion", QLatin1String(VersionDesignText), QRect(70, 52, 296, 18));
    QFont bold = font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    lblVersion->setFont(bold);

    lblDescription = label(this, "lblDescription", descriptionText(), QRect(70, 76, 296, 112));
    lblDescription->setWordWrap(true);

    Line1 = ruleLine(this, "Line1", RuleGrey, RuleTop);
    Line2 = ruleLine(this, "Line2", RuleWhite, RuleTop + 1);

    lblDisclaimer = label(this, "lblDisclaimer", noticeText(), QRect(16, 202, 252, 96));
    lblDisclaimer->setWordWrap(true);

    cmdOK =
        button(this, "cmdOK", QStringLiteral("OK"), QStringLiteral("OK"), QRect(280, 206, 90, 26));
    cmdOK->setDefault(true);
    cmdSysInfo = button(this, "cmdSysInfo", QLatin1String(SysInfoCaption),
                        QStringLiteral("System Info"), QRect(280, 242, 90, 26));
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("About ") + QLatin1String(platform::MessageTitle));
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
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
