#include "cli/output.h"

#include "cli/exitcodes.h"
#include "settings/codepage.h"
#include "settings/editorranges.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tessaro::cli {

namespace {

// The first error writing standard output, 0 while none.
int outputError = 0;

bool print(FILE *stream, const QString &text) {
    const bool ok = std::fputs(text.toLocal8Bit().constData(), stream) >= 0 &&
                    std::fputc('\n', stream) != EOF && std::fflush(stream) == 0;
    return ok;
}

} // namespace

void message(const QString &text) {
    print(stderr, QStringLiteral("tessaro-cli: ") + text);
}

int fail(int code, const QString &text) {
    message(text);
    return code;
}

void data(const QString &text) {
    if (!print(stdout, text) && !outputError)
        outputError = errno ? errno : EIO;
}

int finishOutput(int code) {
    if (!outputError && std::fflush(stdout) != 0)
        outputError = errno ? errno : EIO;
    if (!outputError)
        return code;
    message(QCoreApplication::translate("Output", "cannot write to standard output: %1")
                .arg(QString::fromLocal8Bit(std::strerror(outputError))));
    return code == Exit::Ok ? Exit::OutputFailed : code;
}

QString quoted(const QByteArray &bytes) {
    return QLatin1Char('"') + settings::printableText(bytes) + QLatin1Char('"');
}

QStringList settingsText(const settings::ServoSettings &s, const QString &port) {
    const auto line = [](const char *key, const QString &value) {
        return QStringLiteral("%1 %2").arg(QLatin1String(key), -9).arg(value);
    };
    QStringList lines{line("port", port), line("name", settings::printableText(s.name()))};
    for (const settings::Field &f : settings::Fields) {
        QString value = QString::number(s.values.*f.member);
        if (f.member == &settings::BlockValues::centre)
            value += QStringLiteral(" (%1 us)").arg(settings::CentrePulse + s.values.centre);
        lines << line(f.key, value);
    }
    lines << line("tail", settings::printableText(s.tail()))
          << line("block", settings::printableText(s.block));
    return lines;
}

QByteArray compactSettingsJson(const settings::ServoSettings &s, const QString &port) {
    QJsonObject o{{QStringLiteral("port"), port},
                  {QStringLiteral("name"), settings::fromWindows1252(s.name())},
                  {QStringLiteral("pulse"), settings::CentrePulse + s.values.centre},
                  {QStringLiteral("tail"), settings::fromWindows1252(s.tail())},
                  {QStringLiteral("block"), QString::fromLatin1(s.block.toHex().toUpper())}};
    for (const settings::Field &f : settings::Fields)
        o.insert(QLatin1String(f.key), s.values.*f.member);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

QStringList frameText(const QByteArray &frame) {
    return {QStringLiteral("frame hex   %1").arg(QString::fromLatin1(frame.toHex(' ').toUpper())),
            QStringLiteral("frame text  %1").arg(settings::printableText(frame))};
}

QStringList differences(const QByteArray &sent, const QByteArray &readBack) {
    QStringList lines;
    const auto differ = [&lines](const char *key, const QString &a, const QString &b) {
        if (a != b)
            lines << QStringLiteral("%1: sent %2, read back %3").arg(QLatin1String(key), a, b);
    };
    differ("name", quoted(sent.mid(settings::NamePos, settings::NameLen)),
           quoted(readBack.mid(settings::NamePos, settings::NameLen)));
    const auto a = settings::decodeBlock(sent).values;
    const auto b = settings::decodeBlock(readBack).values;
    for (const settings::Field &f : settings::Fields)
        differ(f.key, QString::number((*a).*f.member), QString::number((*b).*f.member));
    differ("tail", quoted(sent.mid(settings::TailPos, settings::TailLen)),
           quoted(readBack.mid(settings::TailPos, settings::TailLen)));
    return lines;
}

} // namespace tessaro::cli
