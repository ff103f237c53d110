#include "app/form1.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {
const QString ReversedPicture = QStringLiteral("servon.gif");
const QString NormalPicture = QStringLiteral("servop.gif");
} // namespace

void Form1::loadServoPicture(const QString &fileName) {
    QPixmap picture(QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName);
    // A missing file beside the program is no reason to stop: use the built-in copy.
    if (picture.isNull())
        picture.load(QStringLiteral(":/pictures/") + fileName);
    PServo->setPixmap(picture);
    PServo->setProperty("pictureFile", fileName);
}

void Form1::Check1_Click() {
    const Qt::CheckState state = Check1->checkState();
    if (state == Qt::Checked)
        loadServoPicture(ReversedPicture);
    else if (state == Qt::Unchecked)
        loadServoPicture(NormalPicture);
}

void Form1::CkReset_Click() {
    const Qt::CheckState state = CkReset->checkState();
    if (state == Qt::Checked)
        CProgram->setText(QStringLiteral("RESET"));
    else if (state == Qt::Unchecked)
        CProgram->setText(QStringLiteral("PROGRAM"));
    ScrollPosition->setValue(0);
}
