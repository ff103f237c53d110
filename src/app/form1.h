// The main window: every control, the window-level state and the handlers.
// The handlers are thin: the servo link lives in link::Session, the pure
// rules in src/settings and src/gauges. Each handler's file is named after
// what it handles: startup, closing, menu, connect, readservo, program,
// txcompat, checkboxes, editors, drawcharts. The per-field code runs over
// the binding rows of fieldbinding.cpp.
#pragma once

#include "app/fieldbinding.h"
#include "gauges/gaugesequence.h"
#include "link/session.h"

#include <QByteArray>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tessaro::platform {
class ChartViewer;
class LedCircle;
} // namespace tessaro::platform
namespace tessaro::about {
class frmAbout;
} // namespace tessaro::about

namespace tessaro::app {

using platform::ChartViewer;
using platform::LedCircle;

class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // Where the ports are is the caller's choice: the program's main() looks at
    // the system's, a test at its own folder. A null transport means real serial ports.
    explicit Form1(link::PortLocator ports, std::unique_ptr<link::Transport> transport = nullptr,
                   QWidget *parent = nullptr);
    ~Form1() override;

    // The values the gauges compare with and scale by.
    const gauges::GaugeInputs &gaugeInputs() const { return m_state; }
    const link::Session &session() const { return m_link; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    friend class LinkExchange;

    // Start-up, closing, menu.
    void Form_Load();
    void Frm_Exit_Click();
    void Close_Click();
    void Frm_About_Click();

    // Settings files and backups (filemenu.cpp).
    void Frm_OpenSettings_Click();
    void Frm_SaveSettings_Click();
    void Frm_RestoreBackup_Click();
    void Frm_BackupFolder_Click();
    // The connected servo's name's writes (servohistory.cpp); Restore a backup… leads here too.
    void Frm_History_Click();
    // A change as the window shows it: the gauge's units, or the file's.
    QString shownChange(const settings::FieldChange &change) const;
    // Appends the journal record of the programming run just made; a failure is told.
    void recordWrite(const link::ProgramOutcome &sent, const QByteArray &before,
                     const QByteArray &block, bool readBack);
    void Frm_ProgramSeries_Click(); // seriesdialog.cpp
    void Frm_BugReport_Click();
    void buildFileMenu();
    // Enabled while a servo is connected and no exchange runs.
    void updateFileMenu();
    QString chooseSettingsFile(bool save);
    // Loads a settings file into the editors, or says why it cannot (Open and a dropped file).
    void openSettingsFile(const QString &path);
    // Sets the editors to values; the references stay what the servo holds.
    void loadEditorValues(const settings::BlockValues &v);

    // Servo link.
    void FindComPorts();
    void Connect_Click();
    int Chk_Servo(int List);
    int read_Servo();
    void CProgram_Click();

    // Settings.
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

    // Gauges.
    void DrawThrowChart(qint16 v);
    void DrawSpeedChart(qint16 v);
    void DrawCentreChart(qint16 v);
    void DrawDeadbandChart(qint16 v);
    void DrawPositionChart(qint16 v);

    void buildControls();
    void connectHandlers();
    void loadServoPicture(const QString &fileName);

    // The binding rows (fieldbinding.cpp), and what runs over them.
    using FieldBindings = std::array<FieldBinding, settings::Fields.size()>;
    static const FieldBindings &fieldBindings();
    static const FieldBinding &bindingOf(int settings::BlockValues::*field);
    static qint16 shownOnGauge(const FieldBinding &b, int value);
    int controlValue(const FieldBinding &b) const;
    // A scroll bar's field sets its reference, a check box's the box.
    void loadReference(const FieldBinding &b, int value);
    void showGauge(ChartViewer *viewer, QScrollBar *editor, gauges::GaugeId id, qint16 shown);
    void showGauge(const FieldBinding &b, qint16 shown);
    void connectToServo();
    void loadServoBlock();
    void restoreServoValues();
    // Sets an editor to its reference value; an editor already there runs no
    // change handling, but its gauge is drawn again for the new reference.
    void setEditorToReference(const FieldBinding &b);
    // Chooses a transmitter entry and runs its handling, even when it was already chosen.
    void selectTransmitter(int index);
    void onTransmitterActivated();
    // The five editor frames; with controls, PROGRAM and Reset to Default themselves too.
    void setEditorFramesEnabled(bool enabled);
    void setEditorGroupsEnabled(bool enabled);
    void setProgrammingLook(bool programming);
    settings::EditorValues editorValues() const;
    void programServo(bool resetRequested);
    // Reads the servo on the port before it is programmed; false, with the reason
    // shown, when it is another servo or none answers: nothing is sent then.
    bool readServoBeforeProgramming();
    // True when a backup was made or the user chose to go on without one.
    bool backUpServo();
    // What a failed programming run's box adds: the backup taken, and whether the frame went out.
    void sayCutOff() const;
    QString afterFailedProgramming(bool frameSent) const;
    void showLinkError(const link::LinkFailure &failure, const QString &more = {});

    link::Session m_link;

    // Window-level state: the references, the throw scale and the test range, which the gauges
    // read; half the throw, which the programming block reads; what the last search found.
    gauges::GaugeInputs m_state;
    qint16 HalfThrow = 0;
    int ServoFound = 0;
    // How the last read ended, which a write's journal record tells apart: a lost port is not
    // silence.
    link::ReadStatus m_lastRead = link::ReadStatus::NoReply;

    bool m_closeRequested = false;
    int m_txIndex = -1;
    QPointer<about::frmAbout> m_about;
    QString m_lastBackup;   // the backup taken before the programming run in progress
    QString m_readBackNote; // added to a failed read-back's box: the frame went out before it
    QString m_lastFolder;   // the last folder a file dialog was used in

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
    QAction *Frm_OpenSettings = nullptr;
    QAction *Frm_SaveSettings = nullptr;
    QAction *Frm_RestoreBackup = nullptr;
    QAction *Frm_History = nullptr;
    QAction *Frm_BackupFolder = nullptr;
    QAction *Frm_ProgramSeries = nullptr;
    QAction *Frm_BugReport = nullptr;
};

} // namespace tessaro::app
