#include "app/form1.h"
#include "settings/checkvalue.h"
#include "settings/presets.h"
#include "settings/settingsblock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>

namespace {

// "Unknown": the servo's own values again, from the last block whose checksum
// matched. Without one (nothing read yet, or fields no editor can show) the
// values stay as they are.
void restoreServoValues(Form1 &w) {
    const block::DecodeResult decoded = block::decode(w.SettingsBlock);
    if (decoded.values) {
        const block::Decoded &v = *decoded.values;
        w.RefThrow = v.throwDeg;
        w.RefSpeed = v.speed;
        w.RefCentre = v.centre;
        w.Check1->setCheckState(checkStateFor(v.reverse));
        w.RefDeadband = static_cast<qint16>(v.deadband);
        w.setEditorToReference(w.ScrollDeadband, w.RefDeadband);
        w.CkReset->setCheckState(checkStateFor(v.reset));
    }
    w.ThrowScale = presets::DefaultThrowScale;
}

} // namespace

void Form1::CmbServo_Click() {
    const int index = CmbServo->currentIndex();
    if (index == presets::UnknownIndex) {
        restoreServoValues(*this);
    } else if (const auto preset = presets::forIndex(index)) {
        RefCentre = preset->refCentre;
        RefThrow = preset->refThrow;
        ThrowScale = preset->throwScale;
    }
    // UpdateThrow below draws the throw gauge in any case.
    ScrollThrow->setValue(RefThrow);
    setEditorToReference(ScrollCentre, RefCentre);
    setEditorToReference(ScrollSpeed, RefSpeed);
    UpdateThrow();
}
