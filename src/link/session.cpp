#include "link/session.h"

#include "link/messages.h"
#include "link/portcauses.h"

namespace tessaro::link {

Session::Session(PortLocator ports, std::unique_ptr<Transport> transport)
    : MSComm1(std::move(ports), std::move(transport)) {
    MSComm1.setSettings(QStringLiteral("19200,N,8,1"));
}

Session::Exchange::Exchange(Session &session)
    : m_session(session), m_acquired(session.m_depth == 0) {
    if (!m_acquired)
        return;
    ++m_session.m_depth;
    m_session.m_cancelled = false;
}

Session::Exchange::~Exchange() {
    if (m_acquired)
        --m_session.m_depth;
}

QByteArray Session::blockFor(const settings::EditorValues &values) const {
    return settings::buildBlock(m_servoName, values, m_blockTail);
}

void Session::closePortIfOpen() {
    if (MSComm1.portOpen())
        MSComm1.setPortOpen(false);
}

void Session::openListedPort(int index) {
    if (m_portTable.empty())
        throw SerialError(SerialErrorNumber::SubscriptOutOfRange, noUsablePortText(m_refused));
    if (index < 0 || index >= static_cast<int>(m_portTable.size()))
        throw SerialError(SerialErrorNumber::SubscriptOutOfRange,
                          QString::fromLatin1(NoPortSelectedText));
    MSComm1.setCommPort(m_portTable[static_cast<std::size_t>(index)]);
    MSComm1.setPortOpen(true);
}

} // namespace tessaro::link
