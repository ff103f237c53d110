// The About dialog: title, version, description, notice and System Info.
#pragma once

#include "about/sysinfo.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace tessaro::about {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    // Where System Info looks the tool up and how it starts it; the machine's own by default.
    void setSysInfoServices(platform::Registry &reg, SysInfoLauncher launch);

    // Controls (objectName = member name).
    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QFrame *Line1 = nullptr; // grey over white: the etched rule
    QFrame *Line2 = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    void placeControls();

    platform::Registry *m_registry;
    SysInfoLauncher m_launch;
};

} // namespace tessaro::about
