// The window over in-process servos, with its message boxes caught. Controls
// are found by their object names.
#pragma once

#include "app/form1.h"
#include "support/messageboxcatcher.h"
#include "support/servotransport.h"

#include <QAbstractButton>
#include <QTemporaryDir>

class WindowRig {
public:
    WindowRig();
    ~WindowRig();

    ServoTransport &servos() { return *m_servos; }
    // Makes and shows the window; its port listing sees the servos added so far.
    Form1 &open();
    Form1 &form() { return *m_form; }

    template <typename T = QWidget> T *get(const char *name) const {
        return m_form->findChild<T *>(QLatin1String(name));
    }
    void click(const char *button) { get<QAbstractButton>(button)->click(); }
    // The five editor frames, PROGRAM and Reset to Default, all enabled.
    bool editorsEnabled() const;

    MessageBoxCatcher boxes;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ServoTransport> m_transport; // until the window takes it
    ServoTransport *m_servos;
    std::unique_ptr<Form1> m_form;
};
