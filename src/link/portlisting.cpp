#include "link/serialerror.h"
#include "link/session.h"

namespace tessaro::link {

void Session::FindComPorts() {
    m_portTable.clear();
    m_refused.clear();
    for (int n = FirstPort; n <= LastPort; ++n) {
        try {
            MSComm1.setCommPort(n);
            MSComm1.beginExchange("probe");
            MSComm1.setPortOpen(true);
            m_portTable.push_back(n);
        } catch (const SerialError &e) {
            // Kept, so that a Connect with nothing listed can say why.
            m_refused.push_back({e.failure});
        }
        closePortIfOpen();
    }
}

bool Session::listedPortsGone() const {
    if (m_portTable.empty())
        return true;
    for (int n : m_portTable)
        if (!MSComm1.deviceExists(n))
            return true;
    return false;
}

} // namespace tessaro::link
