// The About dialog: title, version, description, notice and System Info.
#pragma once

#include <QDialog>

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);
};
