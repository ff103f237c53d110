#include "link/session.h"

#include "link/messages.h"
#include "link/portcauses.h"
#include "link/serialerror.h"

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

void Session::openListedPort(int index, const char *exchange) {
    QString unlisted;
    if (m_portTable.empty())
        unlisted = noUsablePortText(m_refused);
    else if (index < 0 || index >= static_cast<int>(m_portTable.size()))
        unlisted = message(NoPortSelectedText);
    if (!unlisted.isEmpty()) {
        qCDebug(lcLink).noquote() << exchange << ": no port: " << unlisted;
        throw SerialError(LinkFailure::saying(unlisted));
    }
    MSComm1.setCommPort(m_portTable[static_cast<std::size_t>(index)]);
    MSComm1.beginExchange(exchange);
    MSComm1.setPortOpen(true);
}

} // namespace tessaro::link
