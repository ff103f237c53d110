// tessaro-cli: reads, saves and programs a servo from a shell, through the
// same link code as the window, so its frames are the window's.
#include "cli/commands.h"
#include "cli/exitcodes.h"
#include "cli/interrupt.h"
#include "cli/output.h"
#include "link/trace.h"
#include "platform/translation.h"
#include "platform/version.h"
#include "settings/filenames.h"

#include <QCoreApplication>

using namespace tessaro;
using namespace tessaro::cli;

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    platform::installTranslator(app);
    QCoreApplication::setApplicationName(QStringLiteral("tessaro-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(platform::VersionText));

    if (!catchInterrupts())
        message(QCoreApplication::translate("main", "Ctrl+C will end the program without a word: "
                                                    "its signal pipe cannot be made"));
    // A file name that is not UTF-8 comes out of arguments() changed, naming another file.
    for (int i = 1; i < argc; ++i)
        if (!settings::survivesAsText(QByteArray(argv[i])))
            return finishOutput(
                fail(Exit::Usage,
                     settings::inexactNameFailure(settings::printableFileName(QByteArray(argv[i])))
                         .text()));
    const CommandLine line = parseCommandLine(QCoreApplication::arguments());
    if (line.exitCode)
        return finishOutput(*line.exitCode);
    const Options &options = line.options;
    if (options.verbose || !options.trace.isEmpty()) {
        if (const QString problem = link::startTrace(options.trace); !problem.isEmpty())
            return fail(Exit::Usage,
                        QCoreApplication::translate("main", "--trace: %1").arg(problem));
    }
    const int code = options.command->run(options);
    // A signal that came outside an exchange still ends the program as one.
    return finishOutput(interruptSignal() ? reportInterrupt() : code);
}
