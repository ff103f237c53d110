#include "app/form1.h"
#include "platform/version.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QApplication::setApplicationVersion(QString::fromLatin1(version::Text));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/tessaro.png")));
    Form1 window(servolink::PortLocator::system());
    window.show();
    return app.exec();
}
