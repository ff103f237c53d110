// tessaro-cli: reads, saves and programs a servo from a shell, through the
// same link code as the window, so its frames are the window's.
#include "commands.h"
#include "exitcodes.h"

#include <QCoreApplication>
#include <map>

using namespace tessaro::cli;

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tessaro-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSARO_VERSION));

    Options options;
    if (const int code = parseCommandLine(QCoreApplication::arguments(), &options); code >= 0)
        return code;
    const std::map<QString, int (*)(const Options &)> commands{
        {QStringLiteral("ports"), runPorts},     {QStringLiteral("read"), runRead},
        {QStringLiteral("save"), runSave},       {QStringLiteral("write"), runWrite},
        {QStringLiteral("set"), runSet},         {QStringLiteral("reset"), runReset},
        {QStringLiteral("backups"), runBackups}, {QStringLiteral("restore"), runRestore},
    };
    return commands.at(options.command)(options);
}
