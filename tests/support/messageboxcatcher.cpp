#include "support/messageboxcatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

MessageBoxCatcher::MessageBoxCatcher() {
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxCatcher::poll);
    m_timer.start(5);
}

void MessageBoxCatcher::poll() {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    texts << box->text();
    titles << box->windowTitle();
    buttonCounts << static_cast<int>(box->buttons().size());
    box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
}
