// The settings layer's texts go through Qt's translation in one context,
// "tessaro::settings", which lupdate takes from this namespace.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace tessaro::settings {

inline QString tr(const char *text) {
    return QCoreApplication::translate("tessaro::settings", text);
}

} // namespace tessaro::settings
