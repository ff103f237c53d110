#include "support/settingswindow.h"

#include "link/protocol.h"
#include "platform/chartviewer.h"
#include "support/messageboxcatcher.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

// The reply is there once the link has thrown away what came before it.
struct InProcessServo : servolink::Transport {
    explicit InProcessServo(const QByteArray &servoBlock) : block(servoBlock) {}
    servolink::OpenFailure open(const QString &path, qint32, QString *) override {
        opened = exists(path);
        return opened ? servolink::OpenFailure::None : servolink::OpenFailure::NotFound;
    }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    bool write(const QByteArray &bytes) override {
        written += bytes;
        const bool request = bytes == QByteArray(1, protocol::ReadRequest) && !block.isEmpty();
        reply = request ? protocol::buildFrame(block) : QByteArray();
        flushed = false;
        return true;
    }
    qint64 bytesAvailable() const override { return flushed ? reply.size() : 0; }
    QByteArray readAll() override {
        return std::exchange(flushed, true) ? std::exchange(reply, {}) : QByteArray();
    }
    QString errorString() const override { return {}; }
    bool exists(const QString &path) const override { return path.endsWith("/COM1"); }

    QByteArray block, reply, written;
    bool opened = false, flushed = false;
};

QByteArray servoBlock(int throwDeg, int speed, int centre, int reverse, int deadband, int reset) {
    return block::build("TESTSRV1", {0, 45, throwDeg, speed, centre, reverse, deadband, reset},
                        "TAILTAIL");
}

SettingsWindow::SettingsWindow(const QByteArray &block) {
    auto port = std::make_unique<InProcessServo>(block);
    sent = &port->written;
    form = std::make_unique<Form1>(servolink::PortLocator::onlyFolder(dir.path()), std::move(port));
}

void SettingsWindow::set(std::initializer_list<std::pair<const char *, int>> values) const {
    for (const auto &[name, value] : values)
        bar(name)->setValue(value);
}

QList<int> SettingsWindow::values(std::initializer_list<const char *> names) const {
    QList<int> result;
    for (const char *name : names)
        result << bar(name)->value();
    return result;
}

QString SettingsWindow::pictureFile() const {
    const auto *picture = get<QLabel>("PServo");
    return picture->pixmap().isNull() ? QString() : picture->property("pictureFile").toString();
}

void SettingsWindow::connectServo() {
    MessageBoxCatcher boxes;
    get<QPushButton>("Connect")->click();
}

void SettingsWindow::chooseTransmitter(int i) {
    get<QComboBox>("CmbServo")->setCurrentIndex(i);
    emit get<QComboBox>("CmbServo")->activated(i);
}

QString SettingsWindow::staleGauge() const {
    // In the order of gauges::AllGauges; the centre gauge shows 1500 + the offset.
    const char *names[] = {"Throw", "Speed", "Centre", "Deadband", "Position"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const auto value = qint16(bar(names[i])->value() + (i == 2) * 1500);
        const QImage shown = get<ChartViewer>(QString("Chart") + names[i])->picture();
        if (shown != gauges::drawGauge(gauges::gaugeParams(gauges::AllGauges[i]), value,
                                       form->gaugeInputs()))
            return QString("Chart") + names[i];
    }
    return {};
}
