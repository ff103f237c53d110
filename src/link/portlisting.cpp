#include "app/form1.h"

#include <QComboBox>

void Form1::FindComPorts() {
    int k = 0;
    for (int n = SerialPortControl::FirstPort; n <= SerialPortControl::LastPort; ++n) {
        bool usable = true;
        // An error on the first step does not skip the second.
        try {
            MSComm1.setCommPort(n);
        } catch (const SerialError &) {
            usable = false;
        }
        try {
            MSComm1.setPortOpen(true);
        } catch (const SerialError &) {
            usable = false;
        }
        if (usable) {
            cmbCOM->addItem(QStringLiteral("COM%1").arg(n));
            PortTable[k++] = n;
        }
        closePortIfOpen();
    }
    if (cmbCOM->count() > 0)
        cmbCOM->setCurrentIndex(0);
}
