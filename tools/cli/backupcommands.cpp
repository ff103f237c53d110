// backups: the copies taken before each write, oldest first.
#include "commands.h"
#include "exitcodes.h"
#include "output.h"
#include "settings/backups.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>

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
    const QStringList paths = backups::list();
    if (paths.isEmpty())
        out::message(QStringLiteral("no backups in %1").arg(backups::folder()));
    for (const QString &path : paths) {
        const settingsfile::LoadResult loaded = settingsfile::load(path);
        const QString name =
            loaded.settings
                ? QLatin1Char('"') + out::shown(loaded.settings->name()) + QLatin1Char('"')
                : QStringLiteral("(unreadable)");
        out::data(QStringLiteral("%1  %2  %3").arg(path, name, timeOf(path)));
    }
    return exitcode::Ok;
}
