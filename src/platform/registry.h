// Our stand-in for reading the system registry: open a key, query one value
// into a caller's buffer, close the key. On Windows it is the real registry;
// elsewhere a small layer answers the one value the program asks for.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace tessaro::platform {

enum class RootKey { LocalMachine };

// Read access plus the right to create and change subkeys and values.
inline constexpr quint32 KeyAccess = 0x2003F;
// Value types, as the registry numbers them.
inline constexpr quint32 StringType = 1;
inline constexpr quint32 Dword32Type = 4;
// Characters of the buffer a value is read into.
inline constexpr int BufferSize = 1024;

// Where the system-information tool is registered.
inline constexpr const char *MsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char *MsInfoPathValue = "PATH";
inline constexpr const char *SharedToolsLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char *MsInfoFolderValue = "MSINFO";

class Registry {
public:
    using Key = quintptr; // 0: no key open

    virtual ~Registry() = default;

    virtual bool openKey(RootKey root, const QString &path, quint32 access, Key &key) = 0;
    // Reads into data, whose size is the capacity; size comes in as the
    // capacity and goes out as the number of bytes the value holds.
    virtual bool queryValue(Key key, const QString &name, quint32 &type, QByteArray &data,
                            quint32 &size) = 0;
    // Closing a key that was never opened does nothing.
    virtual void closeKey(Key key) = 0;
};

// Where there is no registry: the MSINFO "PATH" value is the first
// system-information program found on the search path, as a string value.
class SearchPathRegistry : public Registry {
public:
    // An empty searchPaths means the system's PATH.
    explicit SearchPathRegistry(QStringList programs = defaultPrograms(),
                                QStringList searchPaths = {});

    static QStringList defaultPrograms();

    bool openKey(RootKey root, const QString &path, quint32 access, Key &key) override;
    bool queryValue(Key key, const QString &name, quint32 &type, QByteArray &data,
                    quint32 &size) override;
    void closeKey(Key key) override;

private:
    QString findProgram() const;

    QStringList m_programs;
    QStringList m_searchPaths;
};

// The registry of the machine the program runs on.
Registry &systemRegistry();

} // namespace tessaro::platform
