// What the command line asked for, after parsing.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

namespace tessaro::cli {

struct Command;

struct Options {
    const Command *command = nullptr;
    QStringList arguments; // positional arguments after the command
    QString port;          // --port: COMn or a device path; empty: search
    QString portFolder;    // --port-folder: only COMn links in this folder
    bool json = false;
    bool dryRun = false;
    bool noBackup = false;
    bool force = false;
    int count = 0;        // series: servos to program; 0 until Ctrl+C
    bool verbose = false; // --verbose: the trace on standard error
    QString trace;        // --trace FILE
    // set: the named fields' options in the order given, with their values as typed.
    QList<QPair<QString, QString>> fields;
};

struct CommandLine {
    Options options;
    // Set when there is nothing to run: after --help or --version, or a usage
    // error already reported.
    std::optional<int> exitCode;
};

CommandLine parseCommandLine(const QStringList &argv);

} // namespace tessaro::cli
