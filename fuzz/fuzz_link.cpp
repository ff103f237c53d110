// Everything that reads bytes from the wire or from a block, fed arbitrary
// bytes: the checks must never crash, and what they accept must hold up.
#include "link/protocol.h"
#include "settings/codepage.h"
#include "settings/settingsblock.h"
#include "settings/settingsfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void checkFrame(const QByteArray &bytes) {
    const protocol::ReplyCheck outcome = protocol::checkReplyFrame(bytes);
    if (outcome == protocol::ReplyCheck::Invalid)
        return;
    require(bytes.size() == protocol::FrameLength);
    const QByteArray settings = protocol::replyBlock(bytes);
    const bool sumMatches = protocol::frameChecksum(settings) == bytes.mid(33, 2);
    require(sumMatches == (outcome == protocol::ReplyCheck::Valid));
    if (outcome == protocol::ReplyCheck::Valid)
        require(protocol::buildFrame(settings) == bytes);
}

// A block the editors accept must come back unchanged when built from them.
void checkBlock(const QByteArray &settings) {
    const block::DecodeResult decoded = block::decode(settings);
    if (!decoded.values) {
        require(!decoded.problem.isEmpty());
        return;
    }
    const block::Decoded &v = *decoded.values;
    require(editors::Throw.contains(v.throwDeg));
    require(editors::Centre.contains(v.centre));
    block::EditorValues e{0, 45, v.throwDeg, v.speed, v.centre, v.reverse, v.deadband, v.reset};
    const QByteArray rebuilt = block::build(settings.mid(block::NamePos, block::NameLen), e,
                                            settings.mid(block::TailPos, block::TailLen));
    require(rebuilt.size() == block::Length);
    require(block::decode(rebuilt).values.has_value());
    require(block::decode(rebuilt).values->centre == v.centre);
    require(rebuilt.left(block::NameLen) == settings.left(block::NameLen));
    require(rebuilt.mid(block::TailPos) == settings.mid(block::TailPos, block::TailLen));
}

// A settings file is read from wherever the user points; whatever it accepts
// must save and load back to the same settings.
void checkSettingsFile(const QByteArray &bytes) {
    const settingsfile::LoadResult loaded = settingsfile::parse(bytes, QStringLiteral("fuzz"));
    require(loaded.settings.has_value() == loaded.error.isEmpty());
    if (!loaded.settings)
        return;
    const auto again = settingsfile::parse(settingsfile::toJson(*loaded.settings), {});
    require(again.settings && again.settings->block == loaded.settings->block);
    require(again.settings->values.throwDeg == loaded.settings->values.throwDeg);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    checkFrame(bytes);
    if (bytes.size() >= protocol::AckLength) {
        const QByteArray sent = bytes.left(protocol::AckLength);
        const QByteArray answer = bytes.mid(protocol::AckLength);
        require(protocol::checkAcknowledgement(answer, sent) == (answer == sent));
    }
    if (bytes.size() >= block::Length)
        checkBlock(bytes.left(block::Length));
    require(codepage::fromWindows1252(bytes).size() == bytes.size());
    checkSettingsFile(bytes);
    return 0;
}
