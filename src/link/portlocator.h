// Where port number n is looked for. Only the program's and the command
// line's main() build the system locator; tests and benchmarks build one
// that sees their own temporary folder and nothing else.
#pragma once

#include <QString>
#include <QStringList>

namespace tessaro::link {

inline constexpr int FirstPort = 1;
inline constexpr int LastPort = 21;

struct PortLocator {
    // COMn links published here (the virtual servo's); empty: none.
    QString virtualFolder;
    // The adapter behind port n when no COMn link is published; "%1" is n - 1.
    // Empty: no fallback, port n is the link in virtualFolder or nothing.
    QString fallbackPattern;
    // An adapter at any path, taken as COM1.
    QString com1Path;
    // Folders, besides the system's, where other programs' lock files are looked for.
    QStringList lockFolders;

    // The device path behind port n; empty when the port has none. A published
    // link whose lock (publishedLock) names a process that is gone leads to a
    // terminal that may be someone else's now: it is passed over, and removed
    // when it is this user's.
    QString devicePath(int n) const;

    // The program's ports: the private runtime folder's COMn links, otherwise
    // <devFolder>/ttyUSB(n-1). devFolder is /dev but for the tests that plant an adapter.
    static PortLocator system(const QString &devFolder = QStringLiteral("/dev"));
    // Only COMn in the given folder, published or not; nothing else can be opened.
    // Lock files are looked for in that folder too.
    static PortLocator onlyFolder(const QString &folder);
};

// The lock file that proves a published COMn link's servo alive: "<link>.lock",
// holding its pid in the form serial lock files have.
QString publishedLock(const QString &link);

// The per-user folder where virtual ports are published; empty when none is usable.
QString virtualPortFolder();
// Folder for publishing, created with mode 0700 when missing.
QString ensureVirtualPortFolder();

} // namespace tessaro::link
