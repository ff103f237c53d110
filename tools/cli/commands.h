// The commands, in one table: each one's name, help and what it accepts,
// and the function that runs it and returns its exit code.
#pragma once

#include "cli/options.h"
#include "settings/fields.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tessaro::cli {

struct Command {
    const char *name;
    QString synopsis;
    const char *summary;
    QStringList options; // long names the command accepts, beyond --verbose and --trace
    int arguments;       // positional arguments after the command
    int (*run)(const Options &options);
    int optionalArguments = 0; // more that may follow
};

// set's value for a field: "N", or both values of a two-value range ("0|1").
QString setValueName(const settings::Field &field);

// In the order --help lists them.
const std::vector<Command> &commands();
const Command *findCommand(const QString &name);

int runPorts(const Options &options);
int runRead(const Options &options);
int runSave(const Options &options);
int runWrite(const Options &options);
int runSet(const Options &options);
int runReset(const Options &options);
int runBackups(const Options &options);
int runRestore(const Options &options);
int runHistory(const Options &options);
int runDiff(const Options &options);
int runSeries(const Options &options);
int runReport(const Options &options);

} // namespace tessaro::cli
