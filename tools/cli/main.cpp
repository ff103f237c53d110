// tessaro-cli: reads, saves and programs a servo from a shell, through the
// same link code as the window, so its frames are the window's.
#include "commands.h"
#include "exitcodes.h"
#include "link/trace.h"
#include "output.h"
#include "platform/translation.h"
#include "platform/version.h"

#include <QCoreApplication>

using namespace tessaro;
using namespace tessaro::cli;

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    platform::installTranslator(app);
    QCoreApplication::setApplicationName(QStringLiteral("tessaro-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(platform::VersionText));

    const CommandLine line = parseCommandLine(QCoreApplication::arguments());
    if (line.exitCode)
        return finishOutput(*line.exitCode);
    const Options &options = line.options;
    if (options.verbose || !options.trace.isEmpty()) {
        if (const QString problem = link::startTrace(options.trace); !problem.isEmpty())
            return fail(Exit::Usage,
                        QCoreApplication::translate("main", "--trace: %1").arg(problem));
    }
    return finishOutput(options.command->run(options));
}
