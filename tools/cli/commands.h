// One function per command; each returns its exit code.
#pragma once

#include "options.h"

namespace tessaro::cli {

int runPorts(const Options &options);
int runRead(const Options &options);
int runSave(const Options &options);
int runWrite(const Options &options);
int runSet(const Options &options);
int runReset(const Options &options);
int runBackups(const Options &options);
int runRestore(const Options &options);

} // namespace tessaro::cli
