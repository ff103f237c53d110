// Message boxes as the program shows them: an OK button only, no icon, the
// program's title as caption.
#pragma once

#include <QString>

class QWidget;

namespace messagebox {
inline constexpr const char *Title = "Tessaro";

void show(QWidget *parent, const QString &text);
void beep();
} // namespace messagebox
