// The journal's verdict for one write, from the link's own outcomes, so
// every front end (and a series) records the same verdict for the same run.
#pragma once

#include "link/session.h"
#include "settings/journal.h"

#include <optional>

namespace tessaro::link {

// sent: the programming exchange. readBack: the read after it, nullopt when
// none was made. A reset request is not compared: the servo applies its own defaults.
settings::Verdict writeVerdict(const ProgramOutcome &sent, std::optional<ReadStatus> readBack,
                               const QByteArray &sentBlock, const QByteArray &readBlock,
                               bool interrupted);

// The same name, fields and tail: what a read-back is checked on.
bool sameSettings(const QByteArray &a, const QByteArray &b);

} // namespace tessaro::link
