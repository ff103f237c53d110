// The window values the gauges read, taken from the main window.
#pragma once

#include "gauges/gaugesequence.h"

class Form1;

Gauges::GaugeInputs gaugeInputs(const Form1 &window);
