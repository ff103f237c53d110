// A series of servos on one virtual adapter: each step unplugs the servo in
// place (it falls silent, as a servo pulled from the lead does) or plugs in
// the next one, with its own block and its own fault. The player works on
// a ServoEmulator as on a bare Responder.
#pragma once

#include "servoemu/responder.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace tessaro::servoemu {

struct SeriesServo {
    QByteArray block;
    Fault fault = Fault::None;
    int faultCount = -1;
};

struct ParsedSeries {
    std::vector<SeriesServo> servos;
    QString error; // empty when parsed
};

// "ENTRY,ENTRY,...", each ENTRY a name of 8 characters (put into base) or a
// whole block of 32, then optionally ":fault" or ":fault:count".
ParsedSeries parseSeries(const QString &text, const QByteArray &base);

class SeriesPlay {
public:
    explicit SeriesPlay(std::vector<SeriesServo> servos) : m_servos(std::move(servos)) {}

    // Plugs in the first servo.
    template <class Servo> QString begin(Servo &servo) {
        m_index = -1;
        m_plugged = false;
        return step(servo);
    }
    // Unplugs the servo in place, or plugs in the next; says which.
    template <class Servo> QString step(Servo &servo) {
        if (m_plugged) {
            m_servos[m_index].block = servo.block();
            servo.setFault(Fault::Silent);
            m_plugged = false;
            return unplugged();
        }
        if (m_index + 1 >= int(m_servos.size()))
            return over();
        const SeriesServo &next = m_servos[++m_index];
        servo.setBlock(next.block);
        servo.setFault(next.fault, next.faultCount);
        m_plugged = true;
        return plugged();
    }

    // What each servo holds: as it was unplugged, or as it came.
    const std::vector<SeriesServo> &servos() const { return m_servos; }
    int index() const { return m_index; }
    bool isPlugged() const { return m_plugged; }

private:
    QString unplugged() const;
    QString plugged() const;
    QString over() const;

    std::vector<SeriesServo> m_servos;
    int m_index = -1;
    bool m_plugged = false;
};

} // namespace tessaro::servoemu
