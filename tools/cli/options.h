// What the command line asked for, after parsing.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace tessaro::cli {

struct Options {
    QString command;
    QStringList arguments; // positional arguments after the command
    QString port;          // --port: COMn or a device path; empty: search
    QString portFolder;    // --port-folder: only COMn links in this folder
    bool json = false;
    bool dryRun = false;
    bool noBackup = false;
    bool force = false;
    // set: the named fields in the order given, as typed.
    QList<QPair<QString, QString>> fields;
};

// Parses argv into *options. On --help or --version prints and returns 0; on a
// usage error reports it and returns Exit::Usage; -1 means run the command.
int parseCommandLine(const QStringList &argv, Options *options);

} // namespace tessaro::cli
