// Why a settings file or a backup could not be read or written: one value,
// so the command line and the window can each say it in their own way.
#pragma once

#include <QString>

namespace tessaro::settings {

struct FileFailure {
    QString path;        // the file, or the folder, at fault
    QString field;       // the settings field at fault; empty when the file as a whole is
    int systemError = 0; // errno, 0 when unknown
    QString words;       // what is wrong, without the path

    explicit operator bool() const { return !words.isEmpty(); }
    // "path: words", the path escaped (printableFileName), or the words alone when
    // no file is at fault.
    QString text() const;
};

} // namespace tessaro::settings
