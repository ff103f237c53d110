// Helpers for the settings tests: servo blocks, and the window as a connect leaves it.
#pragma once

#include <QByteArray>

class Form1;

struct ServoValues {
    int throwDeg = 90;
    int speed = 100;
    int centre = 0;
    int reverse = 0;
    int deadband = 2;
    int reset = 0;
};

inline const QByteArray TestServoName = QByteArrayLiteral("TESTSRV1");

// A well-formed 32-character block holding the given values.
QByteArray servoBlock(const ServoValues &v);
// Enables the editor groups, check boxes and list, so that clicks reach them.
void enableEditors(Form1 &w);
// Picks a transmitter entry as the user does.
void chooseTransmitter(Form1 &w, int index);
