// Why a settings file or a backup could not be read or written: one value,
// so the command line and the window can each say it in their own way.
#pragma once

#include <QString>
#include <utility>

namespace tessaro::settings {

// Built by name only: FileFailure::at(path).saying(words), with inField and
// withSystemError where they apply. Its three texts could swap in braces.
struct FileFailure {
    FileFailure() = default; // no failure; declared, so braces cannot fill the slots in order

    static FileFailure at(const QString &file) {
        return FileFailure().set(&FileFailure::path, file);
    }
    FileFailure saying(const QString &what) && {
        return std::move(*this).set(&FileFailure::words, what);
    }
    FileFailure inField(const QString &key) && {
        return std::move(*this).set(&FileFailure::field, key);
    }
    FileFailure withSystemError(int error) && {
        return std::move(*this).set(&FileFailure::systemError, error);
    }

    QString path;        // the file, or the folder, at fault
    QString field;       // the settings field at fault; empty when the file as a whole is
    int systemError = 0; // errno, 0 when unknown
    QString words;       // what is wrong, without the path

    explicit operator bool() const { return !words.isEmpty(); }
    // "path: words", the path escaped (printableFileName), or the words alone when
    // no file is at fault.
    QString text() const;

private:
    template <typename T> FileFailure set(T FileFailure::*slot, const T &value) && {
        this->*slot = value;
        return std::move(*this);
    }
};

} // namespace tessaro::settings
