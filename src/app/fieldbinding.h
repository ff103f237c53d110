// The window's side of the field table: one row per field of the settings block, with the
// control that edits it. A scroll bar comes with its gauge, which shows the bar's value and
// names the field's reference value, and with its place in the window. The window's per-field
// code runs over these rows in the field table's order: the order the servo's fields come in,
// and the order the editors take their values in.
#pragma once

#include "gauges/gaugetable.h"
#include "settings/fields.h"

class QCheckBox;
class QFrame;
class QScrollBar;

namespace tessaro::platform {
class ChartViewer;
} // namespace tessaro::platform

namespace tessaro::app {

class Form1;

struct FieldBinding {
    int settings::BlockValues::*field;
    void (Form1::*changed)(); // the control's change handling
    // A check box, or else a scroll bar under its gauge.
    QCheckBox *Form1::*box = nullptr;
    QScrollBar *Form1::*bar = nullptr;
    platform::ChartViewer *Form1::*chart = nullptr;
    gauges::GaugeId gauge = gauges::GaugeId::Position;
    // The bar's place: its frame and pixels down it; the name its bar and gauge take after
    // "Scroll" and "Chart"; the words above it, and the gauge's name for screen readers.
    QFrame *Form1::*frame = nullptr;
    int top = 0;
    const char *name = nullptr;
    const char *title = nullptr;
    const char *unit = nullptr;
    const char *gaugeName = nullptr;
};

} // namespace tessaro::app
