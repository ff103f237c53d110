#include "app/form1.h"
#include "settings/presets.h"
#include "settings/settingsblock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>
#include <algorithm>
#include <array>

namespace tessaro::app {

namespace {
using settings::BlockValues;
// The editors a transmitter choice sets to their references, in this order.
constexpr std::array<int BlockValues::*, 3> TxFields{&BlockValues::throwDeg, &BlockValues::centre,
                                                     &BlockValues::speed};
} // namespace

// "Unknown": the servo's own values again, from the last block whose checksum
// matched. Without one (nothing read yet, or fields no editor can show) the
// values stay as they are. An editor the transmitter choice leaves alone takes
// its reference at once.
void Form1::restoreServoValues() {
    const settings::DecodedBlock decoded = settings::decodeBlock(m_link.settingsBlock());
    if (decoded.values) {
        for (const FieldBinding &b : fieldBindings()) {
            loadReference(b, (*decoded.values).*b.field);
            if (b.bar && std::ranges::find(TxFields, b.field) == TxFields.end())
                setEditorToReference(b);
        }
    }
    m_state.ThrowScale = settings::DefaultThrowScale;
}

void Form1::CmbServo_Click() {
    const int index = CmbServo->currentIndex();
    if (index == settings::UnknownIndex) {
        restoreServoValues();
    } else if (const auto preset = settings::txPreset(index)) {
        m_state.RefCentre = preset->refCentre;
        m_state.RefThrow = preset->refThrow;
        m_state.ThrowScale = preset->throwScale;
    }
    // UpdateThrow below draws the throw gauge in any case, and runs also when no editor
    // changed: the scale may have.
    ScrollThrow->setValue(m_state.RefThrow);
    for (int BlockValues::*field : TxFields)
        if (field != &BlockValues::throwDeg)
            setEditorToReference(bindingOf(field));
    UpdateThrow();
}

} // namespace tessaro::app
