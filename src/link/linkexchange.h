// One link exchange at a time. A Connect or PROGRAM started from an event
// processed during another exchange's wait is refused, so a port is never
// opened twice and two searches never interleave.
#pragma once

#include "app/form1.h"

#include <QTimer>

class LinkExchange {
public:
    explicit LinkExchange(Form1 &form) : m_form(form), m_acquired(form.m_linkDepth == 0) {
        if (m_acquired)
            ++m_form.m_linkDepth;
    }
    ~LinkExchange() {
        if (!m_acquired)
            return;
        --m_form.m_linkDepth;
        // A close asked for during the wait was deferred until the exchange was over.
        if (m_form.m_closeRequested)
            QTimer::singleShot(0, &m_form, &QWidget::close);
    }
    LinkExchange(const LinkExchange &) = delete;
    LinkExchange &operator=(const LinkExchange &) = delete;

    explicit operator bool() const { return m_acquired; }

private:
    Form1 &m_form;
    bool m_acquired;
};
