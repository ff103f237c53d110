// Reads and closes the program's real message boxes as they appear.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

class MessageBoxCatcher : public QObject {
    Q_OBJECT

public:
    MessageBoxCatcher();

    QStringList texts;
    QStringList titles;
    QList<int> buttonCounts;

private:
    void poll();
    QTimer m_timer;
};
