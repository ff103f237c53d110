// What a write will change, printed before anything is sent, and the
// record it leaves in the journal afterwards.
#pragma once

#include "cli/servoport.h"
#include "settings/fields.h"

#include <vector>

namespace tessaro::cli {

// One "throw 90 → 120" line on standard output per field block changes from held.
std::vector<settings::FieldChange> printPreview(const settings::BlockValues &held,
                                                const QByteArray &block);

// Appends the record of the write port has just made (nothing when no frame
// went out). A journal that cannot be written is told on standard error and
// changes no exit code: the write stands.
void recordWrite(ServoPort &port, const QByteArray &before, const QByteArray &sent,
                 const QString &backup);

// Says on standard error that a write's record is missing from the journal.
void sayJournalFailure(const settings::FileFailure &failure);

} // namespace tessaro::cli
