#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace messagebox {

void show(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(Title), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("TessaroMessage"));
    box.exec();
}

void beep() {
    QApplication::beep();
}

} // namespace messagebox
