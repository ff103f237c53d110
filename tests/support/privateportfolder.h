// Gives the test process its own folder of virtual ports, so test runs never
// see each other's (or a user's) virtual servos.
#pragma once

#include <QTemporaryDir>

class PrivatePortFolder {
public:
    PrivatePortFolder();
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
