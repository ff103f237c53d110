// Everything that reads bytes from the wire or from a block, fed arbitrary
// bytes: the checks must never crash, and what they accept must hold up.
#include "link/protocol.h"
#include "settings/codepage.h"
#include "settings/settingsblock.h"
#include "settings/settingsfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tessaro;

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void checkFrame(const QByteArray &bytes) {
    const link::ReplyCheck outcome = link::checkReplyFrame(bytes);
    if (outcome == link::ReplyCheck::Invalid)
        return;
    require(bytes.size() == link::FrameLength);
    const QByteArray settings = link::replyBlock(bytes);
    const bool sumMatches = link::frameChecksum(settings) == bytes.mid(33, 2);
    require(sumMatches == (outcome == link::ReplyCheck::Valid));
    if (outcome == link::ReplyCheck::Valid)
        require(link::buildFrame(settings) == bytes);
}

// A block the editors accept must come back unchanged when built from them.
void checkBlock(const QByteArray &settings) {
    const settings::DecodedBlock decoded = settings::decodeBlock(settings);
    if (!decoded.values) {
        require(!decoded.problem.isEmpty());
        return;
    }
    const settings::BlockValues &v = *decoded.values;
    require(settings::ThrowRange.contains(v.throwDeg));
    require(settings::CentreRange.contains(v.centre));
    const settings::EditorValues e{0, 45, v};
    const QByteArray rebuilt =
        settings::buildBlock(settings.mid(settings::NamePos, settings::NameLen), e,
                             settings.mid(settings::TailPos, settings::TailLen));
    require(rebuilt.size() == settings::BlockLength);
    require(settings::decodeBlock(rebuilt).values.has_value());
    require(settings::decodeBlock(rebuilt).values->centre == v.centre);
    require(rebuilt.left(settings::NameLen) == settings.left(settings::NameLen));
    require(rebuilt.mid(settings::TailPos) == settings.mid(settings::TailPos, settings::TailLen));
}

// A settings file is read from wherever the user points; whatever it accepts
// must save and load back to the same settings.
void checkSettingsFile(const QByteArray &bytes) {
    const settings::LoadResult loaded = settings::parseSettings(bytes, QStringLiteral("fuzz"));
    require(loaded.settings.has_value() == !loaded.failure);
    if (!loaded.settings)
        return;
    const auto again = settings::parseSettings(settings::settingsJson(*loaded.settings), {});
    require(again.settings && again.settings->block == loaded.settings->block);
    require(again.settings->values.throwDeg == loaded.settings->values.throwDeg);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    checkFrame(bytes);
    if (bytes.size() >= link::AckLength) {
        const QByteArray sent = bytes.left(link::AckLength);
        const QByteArray answer = bytes.mid(link::AckLength);
        require(link::checkAcknowledgement(answer, sent) == (answer == sent));
    }
    if (bytes.size() >= settings::BlockLength)
        checkBlock(bytes.left(settings::BlockLength));
    require(settings::fromWindows1252(bytes).size() == bytes.size());
    checkSettingsFile(bytes);
    return 0;
}
