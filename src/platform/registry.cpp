#include "platform/registry.h"

#include <QFile>
#include <QStandardPaths>
#include <cstring>
#include <utility>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace tessaro::platform {

namespace {
constexpr Registry::Key MsInfoKeyHandle = 1;
}

SearchPathRegistry::SearchPathRegistry(QStringList programs, QStringList searchPaths)
    : m_programs(std::move(programs)), m_searchPaths(std::move(searchPaths)) {}

QStringList SearchPathRegistry::defaultPrograms() {
    return {QStringLiteral("hardinfo"), QStringLiteral("gnome-system-monitor"),
            QStringLiteral("ksysguard"), QStringLiteral("xfce4-taskmanager")};
}

bool SearchPathRegistry::openKey(RootKey root, const QString &path, quint32, Key &key) {
    key = 0;
    if (root != RootKey::LocalMachine ||
        path.compare(QLatin1String(MsInfoKey), Qt::CaseInsensitive) != 0)
        return false;
    key = MsInfoKeyHandle;
    return true;
}

bool SearchPathRegistry::queryValue(Key key, const QString &name, quint32 &type, QByteArray &data,
                                    quint32 &size) {
    if (key != MsInfoKeyHandle ||
        name.compare(QLatin1String(MsInfoPathValue), Qt::CaseInsensitive) != 0)
        return false;
    const QString program = findProgram();
    if (program.isEmpty())
        return false;
    // Stored as the registry stores a string: with its terminating NUL.
    const QByteArray value = QFile::encodeName(program) + '\0';
    if (value.size() > qsizetype(size) || value.size() > data.size())
        return false;
    std::memcpy(data.data(), value.constData(), size_t(value.size()));
    type = StringType;
    size = quint32(value.size());
    return true;
}

void SearchPathRegistry::closeKey(Key) {}

QString SearchPathRegistry::findProgram() const {
    for (const QString &program : m_programs) {
        const QString path = QStandardPaths::findExecutable(program, m_searchPaths);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

#ifdef Q_OS_WIN
namespace {

class WindowsRegistry : public Registry {
public:
    bool openKey(RootKey root, const QString &path, quint32 access, Key &key) override {
        key = 0;
        HKEY hkey = nullptr;
        HKEY rootKey = root == RootKey::LocalMachine ? HKEY_LOCAL_MACHINE : nullptr;
        const QByteArray subKey = path.toLocal8Bit();
        LONG status = RegOpenKeyExA(rootKey, subKey.constData(), 0, access, &hkey);
        // The access asked for includes writing, which machine keys refuse to
        // ordinary users; this layer only reads, so reading rights suffice.
        if (status == ERROR_ACCESS_DENIED)
            status = RegOpenKeyExA(rootKey, subKey.constData(), 0, KEY_READ, &hkey);
        if (status != ERROR_SUCCESS)
            return false;
        key = reinterpret_cast<Key>(hkey);
        return true;
    }

    bool queryValue(Key key, const QString &name, quint32 &type, QByteArray &data,
                    quint32 &size) override {
        DWORD valueType = 0;
        DWORD valueSize = DWORD(qMin<qsizetype>(size, data.size()));
        if (RegQueryValueExA(reinterpret_cast<HKEY>(key), name.toLocal8Bit().constData(), nullptr,
                             &valueType, reinterpret_cast<LPBYTE>(data.data()),
                             &valueSize) != ERROR_SUCCESS)
            return false;
        type = valueType;
        size = valueSize;
        return true;
    }

    void closeKey(Key key) override {
        if (key != 0)
            RegCloseKey(reinterpret_cast<HKEY>(key));
    }
};

} // namespace

Registry &systemRegistry() {
    static WindowsRegistry registry;
    return registry;
}
#else
Registry &systemRegistry() {
    static SearchPathRegistry registry;
    return registry;
}
#endif

} // namespace tessaro::platform
