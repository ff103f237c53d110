// Message boxes as the program shows them: an OK button only, no icon, the
// program's title as caption.
#pragma once

#include <QString>

class QWidget;

namespace tessaro::platform {
inline constexpr const char *MessageTitle = "Tessaro";

void showMessage(QWidget *parent, const QString &text);
// A Yes/No question with No as the default; true when the user answers Yes.
bool askYesNo(QWidget *parent, const QString &text);
void beep();
} // namespace tessaro::platform
