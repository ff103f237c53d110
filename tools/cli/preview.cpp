#include "cli/preview.h"

#include "cli/output.h"
#include "link/writeverdict.h"
#include "settings/journal.h"
#include "settings/settingsblock.h"

#include <QCoreApplication>
#include <QDateTime>

namespace tessaro::cli {

std::vector<settings::FieldChange> printPreview(const settings::BlockValues &held,
                                                const QByteArray &block) {
    const auto values = settings::decodeBlock(block).values;
    if (!values)
        return {};
    const std::vector<settings::FieldChange> changes = settings::fieldChanges(held, *values);
    for (const QString &line : settings::changeTexts(changes))
        data(line);
    return changes;
}

void recordWrite(ServoPort &port, const QByteArray &before, const QByteArray &sent,
                 const QString &backup) {
    const auto &outcome = port.lastProgram();
    if (!outcome)
        return;
    const QByteArray readBack =
        port.readBack() == link::ReadStatus::Read ? port.session().settingsBlock() : QByteArray();
    settings::JournalRecord record{
        QDateTime::currentDateTimeUtc(),
        QCoreApplication::applicationName(),
        QCoreApplication::applicationVersion(),
        port.portName(),
        port.session().port().device(),
        before,
        sent,
        readBack,
        link::writeVerdict(*outcome, port.readBack(), sent, readBack, interruptSignal() != 0),
        backup};
    sayJournalFailure(settings::appendJournalRecord(record));
}

void sayJournalFailure(const settings::FileFailure &failure) {
    if (failure)
        message(QCoreApplication::translate(
                    "cli", "the write stands, but its record could not be added to the journal: %1")
                    .arg(failure.text()));
}

} // namespace tessaro::cli
