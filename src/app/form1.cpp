#include "app/form1.h"

#include "about/frmabout.h"
#include "platform/messagebox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

// The pictures live in a static library, whose resources are not registered on their own.
// Q_INIT_RESOURCE declares a function, so it is called from outside any namespace.
static void initPictureResource() {
    Q_INIT_RESOURCE(assets);
}

namespace tessaro::app {

Form1::Form1(link::PortLocator ports, std::unique_ptr<link::Transport> transport, QWidget *parent)
    : QMainWindow(parent), m_link(std::move(ports), std::move(transport)) {
    initPictureResource();
    buildControls();
    connectHandlers();
    setAcceptDrops(true);
    Form_Load();
}

Form1::~Form1() {
    if (m_about)
        m_about->close();
}

void Form1::connectHandlers() {
    connect(Frm_Exit, &QAction::triggered, this, &Form1::Frm_Exit_Click);
    connect(Frm_About, &QAction::triggered, this, &Form1::Frm_About_Click);
    connect(Close, &QPushButton::clicked, this, &Form1::Close_Click);
    connect(Connect, &QPushButton::clicked, this, &Form1::Connect_Click);
    connect(CProgram, &QPushButton::clicked, this, &Form1::CProgram_Click);
    connect(CmbServo, &QComboBox::activated, this, &Form1::onTransmitterActivated);
    // valueChanged covers both a released and a dragged thumb (tracking is on),
    // and a value set by the program; an unchanged value emits nothing.
    for (const FieldBinding &b : fieldBindings()) {
        if (b.bar)
            connect(this->*b.bar, &QScrollBar::valueChanged, this, b.changed);
        else
            connect(this->*b.box, &QCheckBox::stateChanged, this, b.changed);
    }
    connect(ScrollPosition, &QScrollBar::valueChanged, this, &Form1::ScrollPosition_Change);
}

void Form1::onTransmitterActivated() {
    if (m_link.busy()) {
        // No preset may change the editors under an exchange in progress.
        platform::beep();
        const QSignalBlocker block(CmbServo);
        CmbServo->setCurrentIndex(m_txIndex);
        return;
    }
    m_txIndex = CmbServo->currentIndex();
    CmbServo_Click();
}

void Form1::selectTransmitter(int index) {
    {
        const QSignalBlocker block(CmbServo);
        CmbServo->setCurrentIndex(index);
    }
    m_txIndex = index;
    CmbServo_Click();
}

void Form1::setEditorFramesEnabled(bool enabled) {
    for (QFrame *f : {Frame1, Frame9, Fr_ThrowSpeed, Fr_CentreDead, Fr_Position})
        f->setEnabled(enabled);
}

void Form1::setEditorGroupsEnabled(bool enabled) {
    setEditorFramesEnabled(enabled);
    CProgram->setEnabled(enabled);
    CkReset->setEnabled(enabled);
}

} // namespace tessaro::app
