#include "about/sysinfo.h"

#include "platform/messagebox.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <exception>

namespace tessaro::about {

using platform::Registry;
using platform::RootKey;

bool startDetached(const QString &program) {
    return QProcess::startDetached(program, {});
}

namespace {

// The number from its bytes, lowest first. Taken from the untrimmed bytes:
// a number whose top byte is zero ends in a NUL that is not a terminator.
QString dwordText(const QByteArray &buffer, int size) {
    quint32 value = 0;
    for (int i = std::min(size, 4) - 1; i >= 0; --i)
        value = (value << 8) | quint8(buffer.at(i));
    return QString::number(value);
}

bool noValue(Registry &reg, Registry::Key key, QString &text) {
    text.clear();
    reg.closeKey(key);
    return false;
}

} // namespace

bool GetKeyValue(Registry &reg, RootKey root, const QString &keyPath, const QString &valueName,
                 QString &text) {
    Registry::Key key = 0;
    if (!reg.openKey(root, keyPath, platform::KeyAccess, key))
        return noValue(reg, key, text);

    QByteArray buffer(platform::BufferSize, '\0');
    quint32 size = platform::BufferSize;
    quint32 type = 0;
    if (!reg.queryValue(key, valueName, type, buffer, size))
        return noValue(reg, key, text);

    // Never trust a size beyond the buffer the value was read into.
    const int length = int(std::min<qint64>(size, buffer.size()));
    QByteArray value = buffer.left(length);
    if (!value.isEmpty() && value.back() == '\0')
        value.chop(1);

    if (type == platform::StringType)
        text = QString::fromLocal8Bit(value);
    else if (type == platform::Dword32Type)
        text = dwordText(buffer, length);

    reg.closeKey(key);
    return true;
}

namespace {

// The tool's path from the registry, or empty when it is not registered.
QString sysInfoPath(Registry &reg) {
    QString path;
    if (GetKeyValue(reg, RootKey::LocalMachine, QLatin1String(platform::MsInfoKey),
                    QLatin1String(platform::MsInfoPathValue), path))
        return path;

    QString folder;
    if (!GetKeyValue(reg, RootKey::LocalMachine, QLatin1String(platform::SharedToolsLocationKey),
                     QLatin1String(platform::MsInfoFolderValue), folder))
        return {};
    path = QDir::toNativeSeparators(folder + QLatin1Char('/') + QLatin1String(SysInfoProgramFile));
    return QFileInfo::exists(path) ? path : QString();
}

} // namespace

void StartSysInfo(QWidget *owner, Registry &reg, const SysInfoLauncher &launch) {
    bool started = false;
    try {
        const QString path = sysInfoPath(reg);
        started = !path.isEmpty() && launch(path);
    } catch (const std::exception &) {
        // Whatever goes wrong on the way ends in the one message below.
    }
    if (!started)
        platform::showMessage(owner, QLatin1String(SysInfoUnavailableText));
}

} // namespace tessaro::about
