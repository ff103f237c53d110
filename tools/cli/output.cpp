#include "output.h"

#include "settings/codepage.h"
#include "settings/editorranges.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace tessaro::cli {

namespace {

void print(FILE *stream, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

struct FieldView {
    const char *key;
    int settings::BlockValues::*value;
};

constexpr FieldView Fields[] = {
    {"throw", &settings::BlockValues::throwDeg},    {"speed", &settings::BlockValues::speed},
    {"centre", &settings::BlockValues::centre},     {"reverse", &settings::BlockValues::reverse},
    {"deadband", &settings::BlockValues::deadband}, {"reset", &settings::BlockValues::reset},
};

} // namespace

void message(const QString &text) {
    print(stderr, QStringLiteral("tessaro-cli: ") + text);
}

int fail(int code, const QString &text) {
    message(text);
    return code;
}

void data(const QString &text) {
    print(stdout, text);
}

QString shown(const QByteArray &bytes) {
    const QString text = settings::fromWindows1252(bytes);
    QString safe;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.category() == QChar::Other_Control || c == QLatin1Char('\\'))
            safe += QStringLiteral("\\x%1").arg(static_cast<uchar>(bytes.at(i)), 2, 16,
                                                QLatin1Char('0'));
        else
            safe += c;
    }
    return safe;
}

QStringList settingsText(const settings::ServoSettings &s, const QString &port) {
    const auto line = [](const char *key, const QString &value) {
        return QStringLiteral("%1 %2").arg(QLatin1String(key), -9).arg(value);
    };
    QStringList lines{line("port", port), line("name", shown(s.name()))};
    for (const FieldView &f : Fields) {
        QString value = QString::number(s.values.*f.value);
        if (f.value == &settings::BlockValues::centre)
            value += QStringLiteral(" (%1 us)").arg(settings::CentrePulse + s.values.centre);
        lines << line(f.key, value);
    }
    lines << line("tail", shown(s.tail())) << line("block", shown(s.block));
    return lines;
}

QByteArray compactSettingsJson(const settings::ServoSettings &s, const QString &port) {
    QJsonObject o{{QStringLiteral("port"), port},
                  {QStringLiteral("name"), settings::fromWindows1252(s.name())},
                  {QStringLiteral("pulse"), settings::CentrePulse + s.values.centre},
                  {QStringLiteral("tail"), settings::fromWindows1252(s.tail())},
                  {QStringLiteral("block"), QString::fromLatin1(s.block.toHex().toUpper())}};
    for (const FieldView &f : Fields)
        o.insert(QLatin1String(f.key), s.values.*f.value);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

QStringList frameText(const QByteArray &frame) {
    return {QStringLiteral("frame hex   %1").arg(QString::fromLatin1(frame.toHex(' ').toUpper())),
            QStringLiteral("frame text  %1").arg(shown(frame))};
}

QStringList differences(const QByteArray &sent, const QByteArray &readBack) {
    QStringList lines;
    const auto differ = [&lines](const char *key, const QString &a, const QString &b) {
        if (a != b)
            lines << QStringLiteral("%1: sent %2, read back %3").arg(QLatin1String(key), a, b);
    };
    const auto quoted = [](const QByteArray &bytes) {
        return QLatin1Char('"') + shown(bytes) + QLatin1Char('"');
    };
    differ("name", quoted(sent.mid(settings::NamePos, settings::NameLen)),
           quoted(readBack.mid(settings::NamePos, settings::NameLen)));
    const auto a = settings::decodeBlock(sent).values;
    const auto b = settings::decodeBlock(readBack).values;
    for (const FieldView &f : Fields)
        differ(f.key, QString::number((*a).*f.value), QString::number((*b).*f.value));
    differ("tail", quoted(sent.mid(settings::TailPos, settings::TailLen)),
           quoted(readBack.mid(settings::TailPos, settings::TailLen)));
    return lines;
}

} // namespace tessaro::cli
