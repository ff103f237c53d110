// The window over in-process servos, or over real ports in the rig's own
// folder, with its message boxes caught and answered. Controls are found by
// their object names.
#pragma once

#include "app/form1.h"
#include "support/messageboxcatcher.h"
#include "support/ptyservo.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

// The name and text of the first label or button under top that does not show
// its text whole; empty when every one does.
inline QString clippedText(const QWidget &top) {
    for (const QWidget *w : top.findChildren<QWidget *>()) {
        const auto *l = qobject_cast<const QLabel *>(w);
        const QRect room = w->contentsRect();
        if (l ? (l->wordWrap() ? l->heightForWidth(room.width()) > room.height()
                               : l->fontMetrics().horizontalAdvance(l->text()) > room.width())
              : w->inherits("QAbstractButton") && w->sizeHint().width() > w->width())
            return w->objectName() + QLatin1Char(' ') + w->property("text").toString();
    }
    return {};
}

class WindowRig {
public:
    // Real ports: the window opens <folder>/COMn through the serial port itself.
    explicit WindowRig(bool realPorts = false) : m_realPorts(realPorts) {
        // Backups made before programming go to the rig's folder, never the user's.
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("data"))));
    }

    MessageBoxCatcher boxes;

    QString folder() const { return m_dir.path(); }
    ServoTransport &servos() { return *m_servos; }
    // Makes and shows the window; its port listing sees the servos there so far.
    tessaro::app::Form1 &open() {
        m_form =
            std::make_unique<tessaro::app::Form1>(tessaro::link::PortLocator::onlyFolder(folder()),
                                                  m_realPorts ? nullptr : std::move(m_transport));
        m_form->show();
        return *m_form;
    }
    // Opens the window on a servo at COM1 (added here unless on real ports) and
    // connects; true when the window shows the servo.
    bool openConnected(const QByteArray &block = ExampleBlock) {
        if (!m_realPorts)
            servos().add(1, block);
        open();
        click("Connect");
        return editorsEnabled() && m_form->session().settingsBlock() == block;
    }
    tessaro::app::Form1 &form() { return *m_form; }

    template <typename T = QWidget> T *get(const char *name) const {
        return m_form->findChild<T *>(QLatin1String(name));
    }
    void click(const char *button) { get<QAbstractButton>(button)->click(); }
    // A label's, box's or button's text, or a list's chosen entry.
    QString text(const char *name) const {
        return get(name)
            ->property(get(name)->inherits("QComboBox") ? "currentText" : "text")
            .toString();
    }
    int value(const char *bar) const { return get(bar)->property("value").toInt(); }
    QList<int> values(std::initializer_list<const char *> bars) const {
        QList<int> result;
        for (const char *bar : bars)
            result << value(bar);
        return result;
    }
    QString range(const char *bar) const {
        return get(bar)->property("minimum").toString() + ".." +
               get(bar)->property("maximum").toString();
    }
    void setValue(const char *bar, int value) { get(bar)->setProperty("value", value); }
    // 1 for each control that is shown and enabled, else 0.
    QString onOff(std::initializer_list<const char *> names) const {
        QString bits;
        for (const char *name : names)
            bits += !get(name)->isHidden() && get(name)->isEnabled() ? '1' : '0';
        return bits;
    }
    // Picks a Tx Compatibility entry as the user does.
    void chooseTransmitter(int i) {
        get<QComboBox>("CmbServo")->setCurrentIndex(i);
        emit get<QComboBox>("CmbServo")->activated(i);
    }
    // The servo picture shown; empty when none.
    QString pictureFile() const {
        const auto *picture = get<QLabel>("PServo");
        return picture->pixmap().isNull() ? QString() : picture->property("pictureFile").toString();
    }
    // The first gauge viewer not showing its gauge for its editor and the window's values now.
    QString staleGauge() const;
    // The five editor frames, PROGRAM and Reset to Default.
    bool editorsEnabled() const {
        return onOff({"Frame1", "Frame9", "Fr_ThrowSpeed", "Fr_CentreDead", "Fr_Position",
                      "CProgram", "CkReset"}) == QLatin1String("1111111");
    }

private:
    bool m_realPorts;
    QTemporaryDir m_dir;
    std::unique_ptr<ServoTransport> m_transport = std::make_unique<ServoTransport>(folder());
    ServoTransport *m_servos = m_transport.get();
    std::unique_ptr<tessaro::app::Form1> m_form;
};
