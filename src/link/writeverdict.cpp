#include "link/writeverdict.h"

namespace tessaro::link {

using settings::Verdict;

bool sameSettings(const QByteArray &a, const QByteArray &b) {
    using namespace settings;
    const auto va = decodeBlock(a).values;
    const auto vb = decodeBlock(b).values;
    return va && vb && fieldChanges(*va, *vb).empty() &&
           a.mid(NamePos, NameLen) == b.mid(NamePos, NameLen) &&
           a.mid(TailPos, TailLen) == b.mid(TailPos, TailLen);
}

Verdict writeVerdict(const ProgramOutcome &sent, std::optional<ReadStatus> readBack,
                     const QByteArray &sentBlock, const QByteArray &readBlock, bool interrupted) {
    if (interrupted || sent.cancelled)
        return Verdict::Interrupted;
    if (sent.status == ProgramStatus::Error)
        return Verdict::PortLost;
    if (sent.status == ProgramStatus::WrongAcknowledgement)
        return Verdict::WrongAcknowledgement;
    if (!readBack || *readBack == ReadStatus::NoReply || *readBack == ReadStatus::Refused)
        return Verdict::NoReadBack;
    if (*readBack == ReadStatus::Error)
        return Verdict::PortLost;
    const auto values = settings::decodeBlock(sentBlock).values;
    if (values && values->reset == 1)
        return Verdict::Verified;
    return sameSettings(sentBlock, readBlock) ? Verdict::Verified : Verdict::ReadBackDifferent;
}

} // namespace tessaro::link
