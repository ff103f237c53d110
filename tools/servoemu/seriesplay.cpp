#include "servoemu/seriesplay.h"

#include "settings/settingsblock.h"

namespace tessaro::servoemu {

ParsedSeries parseSeries(const QString &text, const QByteArray &base) {
    ParsedSeries out;
    for (const QString &entry : text.split(QLatin1Char(','))) {
        const QString what = entry.section(QLatin1Char(':'), 0, 0);
        SeriesServo servo;
        for (QChar ch : what)
            if (ch.unicode() > 0xFF)
                return {{}, QStringLiteral("--series: character %1 is not a single byte").arg(ch)};
        const QByteArray bytes = what.toLatin1();
        if (bytes.size() == settings::NameLen)
            servo.block = QByteArray(base).replace(settings::NamePos, settings::NameLen, bytes);
        else if (bytes.size() == settings::BlockLength)
            servo.block = bytes;
        else
            return {{},
                    QStringLiteral("--series: \"%1\" is neither a name of %2 characters nor a "
                                   "block of %3")
                        .arg(what)
                        .arg(settings::NameLen)
                        .arg(settings::BlockLength)};
        if (entry.contains(QLatin1Char(':'))) {
            const QString name = entry.section(QLatin1Char(':'), 1, 1);
            const auto fault = faultFromName(name);
            if (!fault)
                return {{}, QStringLiteral("--series: unknown fault mode \"%1\"").arg(name)};
            servo.fault = *fault;
            if (entry.count(QLatin1Char(':')) > 1) {
                bool ok = false;
                servo.faultCount = entry.section(QLatin1Char(':'), 2).toInt(&ok);
                if (!ok || servo.faultCount < 0)
                    return {{},
                            QStringLiteral("--series: %1: the count must be a whole number "
                                           "from 0")
                                .arg(entry)};
            }
        }
        out.servos.push_back(servo);
    }
    return out;
}

QString SeriesPlay::unplugged() const {
    return QStringLiteral("servo %1 of %2 unplugged, holding \"%3\"")
        .arg(m_index + 1)
        .arg(m_servos.size())
        .arg(QString::fromLatin1(m_servos[m_index].block));
}

QString SeriesPlay::plugged() const {
    const SeriesServo &s = m_servos[m_index];
    QString text = QStringLiteral("servo %1 of %2 plugged in: \"%3\"")
                       .arg(m_index + 1)
                       .arg(m_servos.size())
                       .arg(QString::fromLatin1(s.block));
    if (s.fault != Fault::None)
        text += QStringLiteral(", fault %1").arg(faultName(s.fault));
    return text;
}

QString SeriesPlay::over() const {
    return QStringLiteral("no servo left in the series; the lead stays empty");
}

} // namespace tessaro::servoemu
