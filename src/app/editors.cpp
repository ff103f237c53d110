#include "app/form1.h"
#include "settings/editorranges.h"
#include "settings/readouts.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace tessaro::app {

void Form1::UpdateThrow() {
    const int throwDeg = ScrollThrow->value();
    DrawThrowChart(static_cast<qint16>(throwDeg));
    const settings::TestPositionRange range =
        settings::testPositionRange(throwDeg, m_state.ThrowScale);
    HalfThrow = range.halfThrow;
    m_state.PosMin = range.posMin;
    m_state.PosMax = range.posMax;
    // The bar clamps its value to a narrower range itself, and that change runs the
    // position's handling with the bounds above already in place.
    ScrollPosition->setMaximum(range.barMax);
    ScrollPosition->setMinimum(range.barMin);
    ScrollPosition->setValue(settings::keptPosition(ScrollPosition->value(), range));
    DrawPositionChart(static_cast<qint16>(ScrollPosition->value()));
    UpdatePulseWidth();
}

void Form1::UpdatePulseWidth() {
    const settings::ReadoutTexts t = settings::readoutsFor(
        ScrollPosition->value(), HalfThrow, m_state.ThrowScale, ScrollCentre->value());
    LWidth->setText(t.caption);
    TWidth->setText(t.width);
    TWidth->setAccessibleDescription(t.caption);
    TPercent->setText(t.percent);
}

void Form1::ScrollThrow_Change() {
    UpdateThrow();
}

void Form1::ScrollSpeed_Change() {
    DrawSpeedChart(static_cast<qint16>(ScrollSpeed->value()));
}

void Form1::ScrollCentre_Change() {
    // The centre gauge shows the whole pulse width; the bar's range keeps it in 16 bits.
    DrawCentreChart(shownOnGauge(bindingOf(&settings::BlockValues::centre), ScrollCentre->value()));
    UpdatePulseWidth();
}

void Form1::ScrollDeadband_Change() {
    DrawDeadbandChart(static_cast<qint16>(ScrollDeadband->value()));
}

void Form1::ScrollPosition_Change() {
    DrawPositionChart(static_cast<qint16>(ScrollPosition->value()));
    UpdatePulseWidth();
}

} // namespace tessaro::app
