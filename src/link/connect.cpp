#include "app/form1.h"

void Form1::Connect_Click() {}
void Form1::connectToServo() {}
void Form1::applyBlockToWindow(const QByteArray &) {}
