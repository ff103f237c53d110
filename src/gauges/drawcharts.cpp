#include "app/form1.h"

void Form1::DrawThrowChart(qint16) {}
void Form1::DrawSpeedChart(qint16) {}
void Form1::DrawCentreChart(qint16) {}
void Form1::DrawDeadbandChart(qint16) {}
void Form1::DrawPositionChart(qint16) {}
