#include "app/form1.h"
#include "settings/editorranges.h"
#include "settings/readouts.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace tessaro::app {

namespace {

// The centre gauge shows the absolute pulse width; the bar's range keeps the sum in 16 bits.
qint16 centrePulse(int offset) {
    return static_cast<qint16>(settings::CentrePulse + offset);
}

} // namespace

void Form1::UpdateThrow() {
    const int throwDeg = ScrollThrow->value();
    DrawThrowChart(static_cast<qint16>(throwDeg));
    const settings::TestPositionRange range = settings::testPositionRange(throwDeg, ThrowScale);
    HalfThrow = range.halfThrow;
    PosMin = range.posMin;
    PosMax = range.posMax;
    // The bar clamps its value to a narrower range itself, and that change runs the
    // position's handling with the bounds above already in place.
    ScrollPosition->setMaximum(range.barMax);
    ScrollPosition->setMinimum(range.barMin);
    ScrollPosition->setValue(settings::keptPosition(ScrollPosition->value(), range));
    DrawPositionChart(static_cast<qint16>(ScrollPosition->value()));
    UpdatePulseWidth();
}

void Form1::UpdatePulseWidth() {
    const settings::ReadoutTexts t = settings::readoutsFor(ScrollPosition->value(), HalfThrow,
                                                           ThrowScale, ScrollCentre->value());
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
    DrawCentreChart(centrePulse(ScrollCentre->value()));
    UpdatePulseWidth();
}

void Form1::ScrollDeadband_Change() {
    DrawDeadbandChart(static_cast<qint16>(ScrollDeadband->value()));
}

void Form1::ScrollPosition_Change() {
    DrawPositionChart(static_cast<qint16>(ScrollPosition->value()));
    UpdatePulseWidth();
}

void Form1::setEditorToReference(QScrollBar *bar, int reference) {
    const int before = bar->value();
    bar->setValue(reference);
    if (bar->value() != before)
        return;
    // No change handling ran, yet the gauge's readout colour compares with the
    // reference, which may just have moved.
    const auto value = static_cast<qint16>(before);
    if (bar == ScrollThrow)
        DrawThrowChart(value);
    else if (bar == ScrollSpeed)
        DrawSpeedChart(value);
    else if (bar == ScrollCentre)
        DrawCentreChart(centrePulse(before));
    else if (bar == ScrollDeadband)
        DrawDeadbandChart(value);
}

} // namespace tessaro::app
