// backups: the copies taken before each write, oldest first.
#include "commands.h"
#include "exitcodes.h"
#include "output.h"
#include "settings/backups.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>

namespace tessaro::cli {

namespace {

// The time a backup's file name carries, as ISO 8601 UTC.
QString timeOf(const QString &path) {
    static const QRegularExpression stamp(QStringLiteral("-(\\d{8}T\\d{6}Z)(?:-\\d+)?\\.json$"));
    const auto m = stamp.match(QFileInfo(path).fileName());
    const QDateTime t =
        QDateTime::fromString(m.captured(1), QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    return t.isValid() ? QDateTime(t.date(), t.time(), Qt::UTC).toString(Qt::ISODate)
                       : QStringLiteral("?");
}

} // namespace

int runBackups(const Options &) {
    const QStringList paths = settings::listBackups();
    if (paths.isEmpty())
        message(QStringLiteral("no backups in %1").arg(settings::backupFolder()));
    for (const QString &path : paths) {
        const settings::LoadResult loaded = settings::loadSettings(path);
        const QString name =
            loaded.settings ? QLatin1Char('"') + shown(loaded.settings->name()) + QLatin1Char('"')
                            : QStringLiteral("(unreadable)");
        data(QStringLiteral("%1  %2  %3").arg(path, name, timeOf(path)));
    }
    return Exit::Ok;
}

} // namespace tessaro::cli
