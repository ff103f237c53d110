#include "support/settingswindow.h"

#include "app/form1.h"
#include "settings/settingsblock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>

QByteArray servoBlock(const ServoValues &v) {
    block::EditorValues e;
    e.throwDeg = v.throwDeg;
    e.speed = v.speed;
    e.centre = v.centre;
    e.reverse = v.reverse;
    e.deadband = v.deadband;
    e.reset = v.reset;
    return block::build(TestServoName, e, QByteArrayLiteral("TAILTAIL"));
}

void enableEditors(Form1 &w) {
    for (QWidget *g :
         {static_cast<QWidget *>(w.Frame1), static_cast<QWidget *>(w.Frame9),
          static_cast<QWidget *>(w.Fr_ThrowSpeed), static_cast<QWidget *>(w.Fr_CentreDead),
          static_cast<QWidget *>(w.Fr_Position), static_cast<QWidget *>(w.CkReset),
          static_cast<QWidget *>(w.CmbServo)})
        g->setEnabled(true);
}

void chooseTransmitter(Form1 &w, int index) {
    w.CmbServo->setCurrentIndex(index);
    emit w.CmbServo->activated(index);
}
