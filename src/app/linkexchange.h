// One link exchange at a time. A Connect or PROGRAM started from an event
// processed during another exchange's wait is refused, so a port is never
// opened twice and two searches never interleave. A close asked for during
// the wait is carried out once the exchange is over. While it runs the
// pointer over the window is busy; afterwards the keyboard focus goes back to
// the control that had it, on every way out.
#pragma once

#include "app/form1.h"

#include <QPointer>
#include <QTimer>

namespace tessaro::app {

class LinkExchange {
public:
    explicit LinkExchange(Form1 &form) : m_form(form), m_menu{form}, m_exchange(form.m_link) {
        form.updateFileMenu();
        if (!m_exchange)
            return; // a refused exchange leaves the running one's pointer and focus alone
        m_focus = form.focusWidget();
        form.setCursor(Qt::BusyCursor);
    }
    ~LinkExchange() {
        if (!m_exchange)
            return;
        m_form.unsetCursor();
        if (m_focus && m_focus->isEnabled() && m_focus->isVisible())
            m_focus->setFocus(Qt::OtherFocusReason);
        if (m_form.m_closeRequested)
            QTimer::singleShot(0, &m_form, &QWidget::close);
    }
    LinkExchange(const LinkExchange &) = delete;
    LinkExchange &operator=(const LinkExchange &) = delete;

    explicit operator bool() const { return bool(m_exchange); }

private:
    // The file menu comes back on once the exchange below has ended.
    struct MenuUpdate {
        Form1 &form;
        ~MenuUpdate() { form.updateFileMenu(); }
    };
    Form1 &m_form;
    MenuUpdate m_menu;
    link::Session::Exchange m_exchange;
    QPointer<QWidget> m_focus;
};

} // namespace tessaro::app
