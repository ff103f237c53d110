#include "app/checkvalue.h"
#include "app/form1.h"
#include "settings/presets.h"
#include "settings/settingsblock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>

namespace tessaro::app {

// "Unknown": the servo's own values again, from the last block whose checksum
// matched. Without one (nothing read yet, or fields no editor can show) the
// values stay as they are.
void Form1::restoreServoValues() {
    const settings::DecodedBlock decoded = settings::decodeBlock(m_link.settingsBlock());
    if (decoded.values) {
        const settings::BlockValues &v = *decoded.values;
        RefThrow = v.throwDeg;
        RefSpeed = v.speed;
        RefCentre = v.centre;
        Check1->setCheckState(checkStateFor(v.reverse));
        RefDeadband = static_cast<qint16>(v.deadband);
        setEditorToReference(ScrollDeadband, RefDeadband);
        CkReset->setCheckState(checkStateFor(v.reset));
    }
    ThrowScale = settings::DefaultThrowScale;
}

void Form1::CmbServo_Click() {
    const int index = CmbServo->currentIndex();
    if (index == settings::UnknownIndex) {
        restoreServoValues();
    } else if (const auto preset = settings::txPreset(index)) {
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

} // namespace tessaro::app
