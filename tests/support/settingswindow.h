// The main window for the settings tests: its only port, COM1, leads to a servo
// inside the test process that answers every read request with its block.
#pragma once

#include "app/form1.h"

#include <QScrollBar>
#include <QTemporaryDir>

class InProcessServo;

// A block with the name "TESTSRV1" and the tail "TAILTAIL".
QByteArray servoBlock(int throwDeg, int speed, int centre, int reverse, int deadband, int reset);

struct SettingsWindow {
    explicit SettingsWindow(const QByteArray &block = {}); // empty: no servo answers

    template <typename T = QWidget> T *get(const char *name) const {
        T *child = form->findChild<T *>(QLatin1String(name));
        return child ? child : (qFatal("no control %s", name), nullptr);
    }
    QScrollBar *bar(const char *name) const { return get<QScrollBar>(name); }
    QString text(const char *name) const { return get(name)->property("text").toString(); }
    void connectServo();           // clicks Connect
    void chooseTransmitter(int i); // picks a Tx Compatibility entry as the user does
    QByteArray sent() const;       // every byte written to the servo
    // The first viewer whose picture is not its gauge drawn for its editor's value and
    // the window's values now; empty when every gauge is current.
    QString staleGauge() const;

    QTemporaryDir dir;
    InProcessServo *servo = nullptr; // owned by the window
    std::unique_ptr<Form1> form;
};
