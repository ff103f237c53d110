#include "settings/presets.h"

#include <array>

namespace presets {

namespace {

constexpr int PresetThrow = 90;

// List entries 1 to 5: "Standard", "Futaba", "Hitec", "JR", "Multiplex".
constexpr std::array<Preset, EntryCount - 1> Makes = {{
    {PresetThrow, 0, ScaleFull},
    {PresetThrow, 22, ScaleNarrow},
    {PresetThrow, 0, ScaleWide},
    {PresetThrow, 0, ScaleNarrow},
    {PresetThrow, 100, ScaleWide},
}};

} // namespace

const QStringList EntryNames = {QStringLiteral("Unknown"), QStringLiteral("Standard"),
                                QStringLiteral("Futaba"),  QStringLiteral("Hitec"),
                                QStringLiteral("JR"),      QStringLiteral("Multiplex")};

std::optional<Preset> forIndex(int index) {
    if (index <= UnknownIndex || index >= EntryCount)
        return std::nullopt;
    return Makes[static_cast<std::size_t>(index - 1)];
}

} // namespace presets
