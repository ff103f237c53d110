// One exit code per outcome, so scripts can tell them apart.
#pragma once

#include <QtGlobal>

namespace tessaro::cli {

// A struct, not a namespace, so the codes read Exit::Ok and stay plain ints.
struct Exit {
    enum : int {
        Ok = 0,
        Usage = 1,        // bad file, bad option or argument; nothing was sent
        NoServo = 2,      // no servo answered
        Refused = 3,      // the servo's block holds a field no editor can show
        PortUnusable = 4, // no adapter, permission denied, busy or gone
        WrongAck = 5,     // the servo did not acknowledge the programming frame
        ReadBackDiffers = 6,
        BackupFailed = 7,
        OtherServo = 8,    // restore: the backup is of another servo
        OutputFailed = 9,  // standard output could not be written
        Differ = 10,       // diff: the settings differ
        SeriesFailed = 11, // series: not every servo was verified or already set
        Interrupted = 130, // SIGINT: 128 + 2, as a shell reports it
        Terminated = 143,  // SIGTERM: 128 + 15
    };
};

// For --help: one line per code.
inline constexpr const char *ExitCodeDescriptions[] = {
    QT_TRANSLATE_NOOP("cli", "0  success"),
    QT_TRANSLATE_NOOP("cli", "1  bad file or usage (nothing was sent)"),
    QT_TRANSLATE_NOOP("cli", "2  no servo answered"),
    QT_TRANSLATE_NOOP("cli", "3  the servo's settings block was refused (a field out of range)"),
    QT_TRANSLATE_NOOP("cli",
                      "4  the port cannot be used: no adapter, permission denied, busy or gone"),
    QT_TRANSLATE_NOOP("cli", "5  the servo's acknowledgement was wrong or missing"),
    QT_TRANSLATE_NOOP("cli", "6  the settings read back differ from those written"),
    QT_TRANSLATE_NOOP("cli", "7  the backup could not be written (nothing was sent)"),
    QT_TRANSLATE_NOOP("cli", "8  the backup is of another servo (restore without --force)"),
    QT_TRANSLATE_NOOP("cli", "9  standard output could not be written"),
    QT_TRANSLATE_NOOP("cli", "10  diff: the settings differ"),
    QT_TRANSLATE_NOOP("cli", "11  series: not every servo was verified or already set"),
    QT_TRANSLATE_NOOP("cli", "130  interrupted by SIGINT (Ctrl+C); nothing more was sent"),
    QT_TRANSLATE_NOOP("cli", "143  ended by SIGTERM; nothing more was sent"),
};

} // namespace tessaro::cli
