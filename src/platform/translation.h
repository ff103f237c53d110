// The user's language, as the desktop gives it, and the catalogue that speaks it.
#pragma once

#include <QByteArray>
#include <QStringList>

class QCoreApplication;

namespace tessaro::platform {

struct LocaleEnvironment {
    QByteArray lcAll, lcMessages, lang, language;
    static LocaleEnvironment current();
};

// The languages to try, best first, as gettext picks them: LANGUAGE's list
// unless the messages locale is exactly "C" or "POSIX". Empty: the English texts.
QStringList messageLanguages(const LocaleEnvironment &env);

// Installs the program's catalogue (and Qt's own) for the first language that
// has one; English, the source language, needs none. Returns the language used.
QString installTranslator(QCoreApplication &app,
                          const LocaleEnvironment &env = LocaleEnvironment::current());

} // namespace tessaro::platform
