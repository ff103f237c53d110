// series: one servo after another programmed with a file's settings. The
// loop is the link's; this prints what it reports: what to do next on
// standard error, a line per servo and the summary on standard output.
#include "cli/commands.h"
#include "cli/exitcodes.h"
#include "cli/interrupt.h"
#include "cli/output.h"
#include "cli/preview.h"
#include "cli/servoport.h"
#include "link/series.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace tessaro::cli {

int runSeries(const Options &options) {
    const settings::LoadResult file = settings::loadSettings(options.arguments.at(0));
    if (!file.settings)
        return fail(Exit::Usage,
                    file.failure.text() + QCoreApplication::translate("cli", "; nothing was sent"));
    auto [port, code] = ServoPort::fromOptions(options);
    if (!port)
        return code;
    if ((code = port->choosePort()) != Exit::Ok)
        return code;
    message(
        QCoreApplication::translate("cli", "a series on %1; Ctrl+C ends it").arg(port->portName()));

    link::SeriesRun run(port->session(), port->portIndex(), file.settings->values, options.count,
                        !options.noBackup);
    QEventLoop loop;
    QObject::connect(&run, &link::SeriesRun::waiting,
                     [](link::SeriesWait wait) { message(link::seriesWaitText(wait)); });
    QObject::connect(&run, &link::SeriesRun::servoDone, [](const link::SeriesResult &r) {
        QString line = QStringLiteral("%1  %2  %3")
                           .arg(r.number)
                           .arg(quoted(r.name), link::seriesVerdictText(r.verdict));
        if (!r.reason.isEmpty())
            line += QStringLiteral(": ") + r.reason;
        data(line);
        sayJournalFailure(r.journal);
    });
    QObject::connect(&run, &link::SeriesRun::finished, &loop, &QEventLoop::quit);
    run.start();
    loop.exec();
    // Ctrl+C is how an open-ended series ends: the summary and its code, not 130.
    interruptHandled();
    data(run.summary().text());
    return run.summary().allGood() ? Exit::Ok : Exit::SeriesFailed;
}

} // namespace tessaro::cli
