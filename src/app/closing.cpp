#include "app/form1.h"

#include <QCloseEvent>

void Form1::Frm_Exit_Click() {
    close();
}

void Form1::Close_Click() {
    close();
}

void Form1::closePortIfOpen() {
    if (MSComm1.portOpen())
        MSComm1.setPortOpen(false);
}

void Form1::closeEvent(QCloseEvent *event) {
    if (linkBusy()) {
        // Let the wait end first; the exchange closes the window when it is over.
        m_closeRequested = true;
        event->ignore();
        return;
    }
    closePortIfOpen();
    event->accept();
}
