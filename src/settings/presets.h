// The transmitter makes of the Tx Compatibility list and what each loads.
#pragma once

#include <QStringList>
#include <optional>

namespace tessaro::settings {

// List positions; "Unknown" loads the servo's own values instead of a preset.
inline constexpr int UnknownIndex = 0;
inline constexpr int TxEntryCount = 6;
inline constexpr int StandardIndex = 1;
// The list's entries, in list order, in English.
extern const QStringList TxEntryNames;
// The same entries as the window shows them, in the user's language.
QStringList shownTxEntryNames();

// A make's pulse-width swing at full travel, as a share of the 450 uS that
// a test position of HalfThrow degrees adds.
inline constexpr double ScaleFull = 500.0 / 450.0;
inline constexpr double ScaleNarrow = 1.0;
inline constexpr double ScaleWide = 550.0 / 450.0;

// Also what "Unknown" and start-up use.
inline constexpr double DefaultThrowScale = ScaleFull;

struct TxPreset {
    int refThrow;
    int refCentre;
    double throwScale;
};

// The preset of list entry 1 to 5; nullopt for "Unknown" and any other index.
std::optional<TxPreset> txPreset(int index);

} // namespace tessaro::settings
