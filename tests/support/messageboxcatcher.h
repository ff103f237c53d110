// Reads and closes the program's message boxes as they appear.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

class MessageBoxCatcher : public QObject {
public:
    MessageBoxCatcher() {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            if (witness)
                witness();
            texts << box->text();
            titles << box->windowTitle();
            plain = plain && box->windowTitle() == QLatin1String("Tessaro") &&
                    box->buttons() == QList<QAbstractButton *>{box->button(QMessageBox::Ok)};
            box->reject();
        });
        m_poll.start(5);
    }

    QStringList texts, titles;
    std::function<void()> witness; // called as each box appears, before it is answered
    bool plain = true;             // every box so far titled "Tessaro", with an OK button only

private:
    QTimer m_poll;
};
