#include "about/frmabout.h"
#include "app/form1.h"

namespace tessaro::app {

void Form1::Frm_About_Click() {
    if (!m_about) {
        // No parent: an open About dialog keeps the program running after the main window closes.
        m_about = new about::frmAbout(nullptr);
        m_about->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

} // namespace tessaro::app
