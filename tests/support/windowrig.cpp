#include "support/windowrig.h"

WindowRig::WindowRig()
    : m_transport(std::make_unique<ServoTransport>(m_dir.path())), m_servos(m_transport.get()) {}

WindowRig::~WindowRig() = default;

Form1 &WindowRig::open() {
    m_form = std::make_unique<Form1>(servolink::PortLocator::onlyFolder(m_dir.path()),
                                     std::move(m_transport));
    m_form->show();
    return *m_form;
}

bool WindowRig::editorsEnabled() const {
    for (const char *name : {"Frame1", "Frame9", "Fr_ThrowSpeed", "Fr_CentreDead", "Fr_Position",
                             "CProgram", "CkReset"})
        if (!get(name)->isEnabled())
            return false;
    return true;
}
