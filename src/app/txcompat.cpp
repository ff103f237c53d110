#include "app/checkvalue.h"
#include "app/form1.h"
#include "settings/presets.h"
#include "settings/settingsblock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>

// "Unknown": the servo's own values again, from the last block whose checksum
// matched. Without one (nothing read yet, or fields no editor can show) the
// values stay as they are.
void Form1::restoreServoValues() {
    const block::DecodeResult decoded = block::decode(m_link.settingsBlock());
    if (decoded.values) {
        const block::Decoded &v = *decoded.values;
        RefThrow = v.throwDeg;
        RefSpeed = v.speed;
        RefCentre = v.centre;
        Check1->setCheckState(checkStateFor(v.reverse));
        RefDeadband = static_cast<qint16>(v.deadband);
        setEditorToReference(ScrollDeadband, RefDeadband);
        CkReset->setCheckState(checkStateFor(v.reset));
    }
    ThrowScale = presets::DefaultThrowScale;
}

void Form1::CmbServo_Click() {
    const int index = CmbServo->currentIndex();
    if (index == presets::UnknownIndex) {
        restoreServoValues();
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
