// The main window: every control, the window-level state and the handlers.
// Handlers live beside their subsystem: src/app (start-up, timer, closing,
// menu), src/link (waits, port listing, connect, read, program),
// src/settings (editors, presets, check boxes), src/gauges (the five gauges).
#pragma once

#include "platform/serialport.h"

#include <QByteArray>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <array>
#include <exception>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class ChartViewer;
class LedCircle;
class frmAbout;

class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // Window-level state, named as the rest of the program refers to it.
    int RefThrow = 0;
    int RefSpeed = 0;
    int RefCentre = 0;
    qint16 RefDeadband = 0;
    double ThrowScale = 0.0;
    qint16 HalfThrow = 0;
    double PosMin = 0.0;
    double PosMax = 0.0;
    qint16 TickCount = 0;
    QByteArray ServoName;     // 8 raw bytes from the servo, sent back unchanged
    QByteArray BlockTail;     // 8 raw bytes from the servo, sent back unchanged
    QByteArray SettingsBlock; // last block whose checksum matched; empty until then
    std::array<int, 21> PortTable{};
    int ServoFound = 0;
    QByteArray FlushBuffer;
    QByteArray RxFrame;
    QByteArray ProgReply;

    SerialPortControl MSComm1;
    QTimer Timer1;

    // Start-up, timer, closing, menu (src/app).
    void Form_Load();
    void Timer1_Timer();
    void Frm_Exit_Click();
    void Close_Click();
    void Frm_About_Click();

    // Servo link (src/link).
    QByteArray AwaitReply(int n);
    void FindComPorts();
    void Connect_Click();
    int Chk_Servo(int List);
    int read_Servo();
    void CProgram_Click();

    // Settings (src/settings).
    void CmbServo_Click();
    void Check1_Click();
    void CkReset_Click();
    void UpdateThrow();
    void UpdatePulseWidth();
    void ScrollThrow_Change();
    void ScrollSpeed_Change();
    void ScrollCentre_Change();
    void ScrollDeadband_Change();
    void ScrollPosition_Change();
    // Sets an editor to its reference value; an editor already there runs no
    // change handling, but its gauge is drawn again for the new reference.
    void setEditorToReference(QScrollBar *bar, int reference);
    // Chooses a transmitter entry and runs its handling, even when it was already chosen.
    void selectTransmitter(int index);

    // Gauges (src/gauges).
    void DrawThrowChart(qint16 v);
    void DrawSpeedChart(qint16 v);
    void DrawCentreChart(qint16 v);
    void DrawDeadbandChart(qint16 v);
    void DrawPositionChart(qint16 v);

    // True while a link exchange runs; a second one is refused.
    bool linkBusy() const { return m_linkDepth > 0; }

    // Controls (objectName = member name).
    QFrame *Frame2 = nullptr;
    QComboBox *cmbCOM = nullptr;
    QPushButton *Connect = nullptr;
    QFrame *Frame7 = nullptr;
    QLabel *LServoRev = nullptr;
    LedCircle *LED1 = nullptr;
    QLabel *LServoName = nullptr;
    QLabel *Picture1 = nullptr;
    QFrame *Fr_ThrowSpeed = nullptr;
    ChartViewer *ChartThrow = nullptr;
    QScrollBar *ScrollThrow = nullptr;
    ChartViewer *ChartSpeed = nullptr;
    QScrollBar *ScrollSpeed = nullptr;
    QFrame *Fr_CentreDead = nullptr;
    ChartViewer *ChartCentre = nullptr;
    QScrollBar *ScrollCentre = nullptr;
    ChartViewer *ChartDeadband = nullptr;
    QScrollBar *ScrollDeadband = nullptr;
    QFrame *Frame9 = nullptr;
    QCheckBox *Check1 = nullptr;
    QLabel *PServo = nullptr;
    QFrame *Fr_Tx = nullptr;
    QComboBox *CmbServo = nullptr;
    QFrame *Fr_Prog = nullptr;
    LedCircle *LED_Prog = nullptr;
    QLabel *LProg = nullptr;
    QFrame *Fr_Position = nullptr;
    ChartViewer *ChartPosition = nullptr;
    QScrollBar *ScrollPosition = nullptr;
    QFrame *Frame4 = nullptr;
    QLabel *LWidth = nullptr;
    QLineEdit *TWidth = nullptr;
    QLineEdit *TPercent = nullptr;
    QFrame *Frame1 = nullptr;
    QCheckBox *CkReset = nullptr;
    QPushButton *CProgram = nullptr;
    QFrame *Frame3 = nullptr;
    QPushButton *Close = nullptr;
    QAction *Frm_Exit = nullptr;
    QAction *Frm_About = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    friend class LinkExchange;

    void buildControls();
    void connectHandlers();
    void closePortIfOpen();
    void loadServoPicture(const QString &fileName);
    void connectToServo();
    bool loadServoBlock();
    // The five editor frames; with controls, PROGRAM and Reset to Default themselves too.
    void setEditorFramesEnabled(bool enabled);
    void setEditorGroupsEnabled(bool enabled);
    int readSelectedPort();
    void openSelectedPort();
    void setProgrammingLook(bool programming);
    void programServo(bool resetRequested);
    void reportLinkError(const std::exception &e);

    void settleWait();
    void onTransmitterActivated();

    int m_linkDepth = 0;
    bool m_closeRequested = false;
    int m_txIndex = -1;
    QPointer<frmAbout> m_about;
};
