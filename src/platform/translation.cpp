#include "platform/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tessaro::platform {

LocaleEnvironment LocaleEnvironment::current() {
    return {qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG"), qgetenv("LANGUAGE")};
}

QStringList messageLanguages(const LocaleEnvironment &env) {
    QByteArray locale = env.lcAll;
    if (locale.isEmpty())
        locale = env.lcMessages;
    if (locale.isEmpty())
        locale = env.lang;
    // C.UTF-8, the default of many containers, lets LANGUAGE through, as gettext does.
    if (locale == "C" || locale == "POSIX")
        return {};
    QStringList languages = QString::fromLocal8Bit(env.language).split(u':', Qt::SkipEmptyParts);
    if (!locale.isEmpty())
        languages << QString::fromLocal8Bit(locale);
    return languages;
}

QString installTranslator(QCoreApplication &app, const LocaleEnvironment &env) {
    for (const QString &language : messageLanguages(env)) {
        if (language == u"en" || language.startsWith(u"en_"))
            return {};
        auto *own = new QTranslator(&app);
        // load() drops ".UTF-8", then "_DE", until a catalogue is found.
        if (!own->load(QStringLiteral("tessaro_") + language, QStringLiteral(":/i18n"))) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        auto *qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return own->language();
    }
    return {};
}

} // namespace tessaro::platform
