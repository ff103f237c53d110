// The main window for the settings tests: its only port, COM1, leads to a servo
// inside the test process.
#pragma once

#include "app/form1.h"
#include "support/servotransport.h"

#include <QScrollBar>
#include <QTemporaryDir>

// A block with the name "TESTSRV1" and the tail "TAILTAIL".
QByteArray servoBlock(int throwDeg, int speed, int centre, int reverse, int deadband, int reset);

struct SettingsWindow {
    explicit SettingsWindow(const QByteArray &block = {}); // empty: no servo answers

    template <typename T = QWidget> T *get(const QString &name) const {
        T *child = form->findChild<T *>(name);
        return child ? child : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    QString text(const char *name) const { return get(name)->property("text").toString(); }
    // An editor by its name after "Scroll".
    QScrollBar *bar(const char *name) const { return get<QScrollBar>(QString("Scroll") + name); }
    void set(std::initializer_list<std::pair<const char *, int>> values) const; // in this order
    QList<int> values(std::initializer_list<const char *> names) const;
    QString pictureFile() const;   // the servo picture shown; empty when none
    void connectServo();           // clicks Connect; message boxes are closed
    void chooseTransmitter(int i); // picks a Tx Compatibility entry as the user does
    // The first viewer not showing its gauge for its editor and the window's values now.
    QString staleGauge() const;

    QTemporaryDir dir;
    ServoTransport *servos = nullptr;
    QByteArray sent() const { return servos->writes.join(); } // every byte written
    std::unique_ptr<tessaro::app::Form1> form;
};
