#include "app/form1.h"

void Form1::UpdateThrow() {}
void Form1::UpdatePulseWidth() {}
void Form1::ScrollThrow_Change() {}
void Form1::ScrollSpeed_Change() {}
void Form1::ScrollCentre_Change() {}
void Form1::ScrollDeadband_Change() {}
void Form1::ScrollPosition_Change() {}
