// ports: what the port listing finds, one port per line, with the reason a
// port that is there cannot be used.
#include "cli/commands.h"
#include "cli/exitcodes.h"
#include "cli/output.h"
#include "cli/servoport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <map>

namespace tessaro::cli {

namespace {

// "description  VID:PID" of the USB device behind a path, matched by canonical path.
QString usbDetails(const QString &device) {
    const QString canonical = QFileInfo(device).canonicalFilePath();
    if (canonical.isEmpty())
        return {};
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        if (QFileInfo(info.systemLocation()).canonicalFilePath() != canonical ||
            !info.hasVendorIdentifier())
            continue;
        return QStringLiteral("%1  %2:%3")
            .arg(info.description())
            .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
            .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
    }
    return {};
}

} // namespace

int runPorts(const Options &options) {
    const auto [port, code] = ServoPort::fromOptions(options);
    if (!port)
        return code;
    link::Session &session = port->session();
    session.FindComPorts();

    struct Row {
        QString device;
        QString state;
    };
    std::map<int, Row> rows;
    for (int n : session.portTable())
        rows[n] = {session.port().ports().devicePath(n),
                   QCoreApplication::translate("cli", "can be used")};
    for (const link::PortProbe &probe : session.refusedPorts())
        if (isPresent(probe.device()))
            rows[probe.number()] = {probe.device(), refusal(probe.failure)};
    for (const auto &[n, row] : rows) {
        const QString usb = usbDetails(row.device);
        data(QStringLiteral("COM%1  %2  %3%4")
                 .arg(n)
                 .arg(row.device, usb.isEmpty() ? QString() : usb + QStringLiteral("  "),
                      row.state));
    }
    if (!session.portTable().empty())
        return Exit::Ok;
    return rows.empty() ? port->noPortListed() : Exit::PortUnusable;
}

} // namespace tessaro::cli
