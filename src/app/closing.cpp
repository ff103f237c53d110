#include "app/form1.h"

#include <QCloseEvent>

namespace tessaro::app {

void Form1::Frm_Exit_Click() {
    close();
}

void Form1::Close_Click() {
    close();
}

// The port is open only inside an exchange, and the link closes it on every way out.
void Form1::closeEvent(QCloseEvent *event) {
    if (m_link.busy()) {
        // Let the wait end first; the exchange closes the window when it is over.
        m_closeRequested = true;
        m_link.cancel();
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace tessaro::app
