#include "support/windowrig.h"

#include "platform/chartviewer.h"

QString WindowRig::staleGauge() const {
    // In the order of tessaro::gauges::AllGauges; the centre gauge shows 1500 + the offset.
    const char *names[] = {"Throw", "Speed", "Centre", "Deadband", "Position"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const QString chart = QStringLiteral("Chart") + QLatin1String(names[i]);
        const auto shownValue =
            qint16(value(qPrintable(QStringLiteral("Scroll") + QLatin1String(names[i]))) +
                   (i == 2) * 1500);
        const QImage shown = get<tessaro::platform::ChartViewer>(qPrintable(chart))->picture();
        if (shown !=
            tessaro::gauges::drawGauge(tessaro::gauges::gaugeParams(tessaro::gauges::AllGauges[i]),
                                       shownValue, m_form->gaugeInputs()))
            return chart;
    }
    return {};
}
