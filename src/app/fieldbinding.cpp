// The binding rows, and the per-field code that runs over them.
#include "app/fieldbinding.h"

#include "app/checkvalue.h"
#include "app/form1.h"

#include <QCheckBox>
#include <QScrollBar>

namespace tessaro::app {

namespace {

constexpr bool inTableOrder(const auto &bindings) {
    for (std::size_t i = 0; i < bindings.size(); ++i)
        if (bindings[i].field != settings::Fields[i].member)
            return false;
    return true;
}

} // namespace

const Form1::FieldBindings &Form1::fieldBindings() {
    using gauges::GaugeId;
    using settings::BlockValues;
    static constexpr FieldBindings rows{{
        {.field = &BlockValues::throwDeg,
         .changed = &Form1::ScrollThrow_Change,
         .bar = &Form1::ScrollThrow,
         .chart = &Form1::ChartThrow,
         .gauge = GaugeId::Throw,
         .frame = &Form1::Fr_ThrowSpeed,
         .top = 0,
         .name = "Throw",
         .title = QT_TR_NOOP("Right/Left Deflection"),
         .unit = QT_TR_NOOP("(degrees)"),
         .gaugeName = QT_TR_NOOP("Throw gauge")},
        {.field = &BlockValues::speed,
         .changed = &Form1::ScrollSpeed_Change,
         .bar = &Form1::ScrollSpeed,
         .chart = &Form1::ChartSpeed,
         .gauge = GaugeId::Speed,
         .frame = &Form1::Fr_ThrowSpeed,
         .top = 144,
         .name = "Speed",
         .title = QT_TR_NOOP("Speed"),
         .unit = QT_TR_NOOP("(1 - 100 % of maximum)"),
         .gaugeName = QT_TR_NOOP("Speed gauge")},
        {.field = &BlockValues::centre,
         .changed = &Form1::ScrollCentre_Change,
         .bar = &Form1::ScrollCentre,
         .chart = &Form1::ChartCentre,
         .gauge = GaugeId::Centre,
         .frame = &Form1::Fr_CentreDead,
         .top = 0,
         .name = "Centre",
         .title = QT_TR_NOOP("Servo Center"),
         .unit = QT_TR_NOOP("(1500+/-127 uS)"),
         .gaugeName = QT_TR_NOOP("Servo Center gauge")},
        {.field = &BlockValues::reverse, .changed = &Form1::Check1_Click, .box = &Form1::Check1},
        {.field = &BlockValues::deadband,
         .changed = &Form1::ScrollDeadband_Change,
         .bar = &Form1::ScrollDeadband,
         .chart = &Form1::ChartDeadband,
         .gauge = GaugeId::Deadband,
         .frame = &Form1::Fr_CentreDead,
         .top = 144,
         .name = "Deadband",
         .title = QT_TR_NOOP("Deadband Width"),
         .unit = QT_TR_NOOP(" (0 - 16 uS)"),
         .gaugeName = QT_TR_NOOP("Deadband gauge")},
        {.field = &BlockValues::reset, .changed = &Form1::CkReset_Click, .box = &Form1::CkReset},
    }};
    static_assert(inTableOrder(rows), "one binding row per field, in the field table's order");
    return rows;
}

const FieldBinding &Form1::bindingOf(int settings::BlockValues::*field) {
    for (const FieldBinding &b : fieldBindings())
        if (b.field == field)
            return b;
    return fieldBindings().front(); // not reached: every field has its row
}

// The gauge shows what its bar edits in its own terms: the centre as the whole pulse width.
qint16 Form1::shownOnGauge(const FieldBinding &b, int value) {
    return static_cast<qint16>(value + gauges::gaugeParams(b.gauge).referenceOffset);
}

void Form1::showGauge(const FieldBinding &b, qint16 shown) {
    showGauge(this->*b.chart, this->*b.bar, b.gauge, shown);
}

int Form1::controlValue(const FieldBinding &b) const {
    return b.bar ? (this->*b.bar)->value() : checkValue(this->*b.box);
}

// A scroll bar's field sets its reference, which the editor is then set to; a check box's
// field sets the box, which runs its handling when the state changes.
void Form1::loadReference(const FieldBinding &b, int value) {
    if (b.bar)
        gauges::setReference(m_state, gauges::gaugeParams(b.gauge).reference, value);
    else
        (this->*b.box)->setCheckState(checkStateFor(value));
}

void Form1::setEditorToReference(const FieldBinding &b) {
    QScrollBar *bar = this->*b.bar;
    const int before = bar->value();
    bar->setValue(*gauges::referenceValue(m_state, gauges::gaugeParams(b.gauge).reference));
    // No change handling ran, yet the gauge's readout colour compares with the
    // reference, which may just have moved.
    if (bar->value() == before)
        showGauge(b, shownOnGauge(b, before));
}

} // namespace tessaro::app
