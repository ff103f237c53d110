#include "settings/presets.h"

#include <QCoreApplication>
#include <array>

namespace tessaro::settings {

namespace {

constexpr int PresetThrow = 90;

// List entries 1 to 5: "Standard", "Futaba", "Hitec", "JR", "Multiplex".
constexpr std::array<TxPreset, TxEntryCount - 1> Makes = {{
    {PresetThrow, 0, ScaleFull},
    {PresetThrow, 22, ScaleNarrow},
    {PresetThrow, 0, ScaleWide},
    {PresetThrow, 0, ScaleNarrow},
    {PresetThrow, 100, ScaleWide},
}};

} // namespace

// The window shows the first two in the user's language; makes are names.
const QStringList TxEntryNames = {
    QStringLiteral(QT_TRANSLATE_NOOP("tessaro::settings", "Unknown")),
    QStringLiteral(QT_TRANSLATE_NOOP("tessaro::settings", "Standard")),
    QStringLiteral("Futaba"),
    QStringLiteral("Hitec"),
    QStringLiteral("JR"),
    QStringLiteral("Multiplex")};

QStringList shownTxEntryNames() {
    QStringList shown;
    for (const QString &name : TxEntryNames)
        shown << QCoreApplication::translate("tessaro::settings", name.toUtf8().constData());
    return shown;
}

std::optional<TxPreset> txPreset(int index) {
    if (index <= UnknownIndex || index >= TxEntryCount)
        return std::nullopt;
    return Makes[static_cast<std::size_t>(index - 1)];
}

} // namespace tessaro::settings
