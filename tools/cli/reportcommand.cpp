// report: one read with the trace kept, then the bug report, so that it
// shows what happens now.
#include "cli/commands.h"
#include "cli/exitcodes.h"
#include "link/report.h"
#include "cli/output.h"
#include "cli/servoport.h"

#include <QCoreApplication>

namespace tessaro::cli {

int runReport(const Options &options) {
    const auto [port, code] = ServoPort::fromOptions(options);
    if (!port)
        return code;
    // A read that fails is what the report is for: its words are on standard
    // error already, and its trace goes into the report.
    port->connect();
    if (interruptSignal())
        return reportInterrupt();
    QByteArray report = link::bugReport(port->session(), link::SessionFacts::fromEnvironment());
    if (options.arguments.isEmpty()) {
        report.chop(1);
        data(QString::fromUtf8(report));
        return Exit::Ok;
    }
    const QString path = options.arguments.at(0);
    if (const settings::FileFailure failure = link::saveBugReport(path, report))
        return fail(Exit::Usage, failure.text());
    message(QCoreApplication::translate("cli", "bug report written to %1").arg(path));
    return Exit::Ok;
}

} // namespace tessaro::cli
