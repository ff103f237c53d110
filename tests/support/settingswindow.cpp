#include "support/settingswindow.h"

#include "platform/chartviewer.h"
#include "support/messageboxcatcher.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

QByteArray servoBlock(int throwDeg, int speed, int centre, int reverse, int deadband, int reset) {
    return tessaro::settings::buildBlock(
        "TESTSRV1", {0, 45, {throwDeg, speed, centre, reverse, deadband, reset}}, "TAILTAIL");
}

SettingsWindow::SettingsWindow(const QByteArray &block) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    auto port = std::make_unique<ServoTransport>(dir.path());
    if (!block.isEmpty())
        port->add(1, block);
    servos = port.get();
    form = std::make_unique<tessaro::app::Form1>(tessaro::link::PortLocator::onlyFolder(dir.path()),
                                                 std::move(port));
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
    // In the order of tessaro::gauges::AllGauges; the centre gauge shows 1500 + the offset.
    const char *names[] = {"Throw", "Speed", "Centre", "Deadband", "Position"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const auto value = qint16(bar(names[i])->value() + (i == 2) * 1500);
        const QImage shown =
            get<tessaro::platform::ChartViewer>(QString("Chart") + names[i])->picture();
        if (shown !=
            tessaro::gauges::drawGauge(tessaro::gauges::gaugeParams(tessaro::gauges::AllGauges[i]),
                                       value, form->gaugeInputs()))
            return QString("Chart") + names[i];
    }
    return {};
}
