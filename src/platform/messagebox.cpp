#include "platform/messagebox.h"

#include "platform/desktopfit.h"

#include <QApplication>
#include <QMessageBox>

namespace tessaro::platform {

void showMessage(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(MessageTitle), text, QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("TessaroMessage"));
    // The program's own light grey, as its windows have, whatever the desktop theme.
    setLightColours(&box);
    box.exec();
}

bool askYesNo(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(MessageTitle), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("TessaroQuestion"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void beep() {
    QApplication::beep();
}

} // namespace tessaro::platform
