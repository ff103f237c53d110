#include "app/form1.h"
#include "platform/datafiles.h"
#include "platform/desktopfit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace tessaro::app {

namespace {
const QString ReversedPicture = QStringLiteral("servon.gif");
const QString NormalPicture = QStringLiteral("servop.gif");

// Setting the grey state makes a box tristate; once it has left grey, clicks
// only toggle between clear and checked again.
void dropGreyFromClicks(QCheckBox *box, Qt::CheckState state) {
    if (state != Qt::PartiallyChecked)
        box->setTristate(false);
}
} // namespace

void Form1::loadServoPicture(const QString &fileName) {
    const qreal ratio = PServo->devicePixelRatioF();
    const QString file = platform::pictureFile(fileName);
    QPixmap picture;
    if (!file.isEmpty())
        picture = platform::loadPicture(file, ratio);
    // A missing picture file is no reason to stop: use the built-in copy.
    if (picture.isNull())
        picture = platform::loadPicture(QStringLiteral(":/pictures/") + fileName, ratio);
    PServo->setPixmap(picture);
    PServo->setProperty("pictureFile", fileName);
}

void Form1::Check1_Click() {
    const Qt::CheckState state = Check1->checkState();
    dropGreyFromClicks(Check1, state);
    if (state == Qt::Checked)
        loadServoPicture(ReversedPicture);
    else if (state == Qt::Unchecked)
        loadServoPicture(NormalPicture);
}

void Form1::CkReset_Click() {
    const Qt::CheckState state = CkReset->checkState();
    dropGreyFromClicks(CkReset, state);
    if (state == Qt::Checked)
        CProgram->setText(tr("RESET"));
    else if (state == Qt::Unchecked)
        CProgram->setText(tr("PROGRAM"));
    ScrollPosition->setValue(0);
}

} // namespace tessaro::app
