// backups: the copies taken before each write, oldest first.
#include "cli/commands.h"
#include "cli/exitcodes.h"
#include "cli/output.h"
#include "settings/backups.h"
#include "settings/filenames.h"

#include <QCoreApplication>

namespace tessaro::cli {

int runBackups(const Options &) {
    const settings::BackupFolder folder = settings::findBackupFolder();
    if (folder.failure)
        return fail(Exit::Usage, folder.failure.text());
    const std::vector<settings::BackupEntry> entries = settings::listBackups(folder.path);
    if (entries.empty())
        message(QCoreApplication::translate("cli", "no backups in %1")
                    .arg(settings::printableFileName(folder.path)));
    for (const settings::BackupEntry &entry : entries) {
        const settings::LoadResult loaded = settings::loadSettings(entry.path);
        const QString name =
            loaded.settings
                ? quoted(loaded.settings->name())
                : QCoreApplication::translate("cli", "(unreadable: %1)").arg(loaded.failure.words);
        data(QStringLiteral("%1  %2  %3")
                 .arg(settings::printableFileName(entry.path), name,
                      entry.time.toString(Qt::ISODate)));
    }
    return Exit::Ok;
}

} // namespace tessaro::cli
