#include "support/settingswindow.h"

#include "link/protocol.h"
#include "platform/chartviewer.h"

#include <QComboBox>
#include <QPushButton>

// Answers in the window's own thread; the reply is there once the link has thrown
// away what came before it.
class InProcessServo : public servolink::Transport {
public:
    explicit InProcessServo(const QByteArray &block) : m_block(block) {}
    servolink::OpenFailure open(const QString &path, qint32, QString *) override {
        m_open = exists(path);
        return m_open ? servolink::OpenFailure::None : servolink::OpenFailure::NotFound;
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    bool write(const QByteArray &bytes) override {
        written += bytes;
        const bool request = bytes == QByteArray(1, protocol::ReadRequest) && !m_block.isEmpty();
        m_reply = request ? protocol::buildFrame(m_block) : QByteArray();
        m_flushed = false;
        return true;
    }
    qint64 bytesAvailable() const override { return m_flushed ? m_reply.size() : 0; }
    QByteArray readAll() override {
        return std::exchange(m_flushed, true) ? std::exchange(m_reply, {}) : QByteArray();
    }
    QString errorString() const override { return {}; }
    bool exists(const QString &path) const override { return path.endsWith("/COM1"); }

    QByteArray written;

private:
    QByteArray m_block, m_reply;
    bool m_open = false, m_flushed = false;
};

QByteArray servoBlock(int throwDeg, int speed, int centre, int reverse, int deadband, int reset) {
    return block::build("TESTSRV1", {0, 45, throwDeg, speed, centre, reverse, deadband, reset},
                        "TAILTAIL");
}

SettingsWindow::SettingsWindow(const QByteArray &block) {
    auto port = std::make_unique<InProcessServo>(block);
    servo = port.get();
    form = std::make_unique<Form1>(servolink::PortLocator::onlyFolder(dir.path()), std::move(port));
}

void SettingsWindow::connectServo() {
    get<QPushButton>("Connect")->click();
}

void SettingsWindow::chooseTransmitter(int i) {
    get<QComboBox>("CmbServo")->setCurrentIndex(i);
    emit get<QComboBox>("CmbServo")->activated(i);
}

QByteArray SettingsWindow::sent() const {
    return servo->written;
}

QString SettingsWindow::staleGauge() const {
    // In the order of gauges::AllGauges; the centre gauge shows 1500 + the offset.
    const char *names[] = {"Throw", "Speed", "Centre", "Deadband", "Position"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const QByteArray viewer = QByteArray("Chart") + names[i], scroll = "Scroll" + viewer.mid(5);
        const auto value = qint16(bar(scroll.constData())->value() + (i == 2) * 1500);
        if (get<ChartViewer>(viewer.constData())->picture() !=
            gauges::drawGauge(gauges::gaugeParams(gauges::AllGauges[i]), value,
                              form->gaugeInputs()))
            return QString::fromLatin1(viewer);
    }
    return {};
}
