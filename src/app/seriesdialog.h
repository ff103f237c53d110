// File, Program a series…: the link's series loop in a dialog. A line per
// servo, what to do next, and Stop; the rules stay in link::SeriesRun.
#pragma once

#include "link/series.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace tessaro::app {

class SeriesDialog : public QDialog {
    Q_OBJECT

public:
    SeriesDialog(link::Session &session, int portIndex, const settings::BlockValues &values,
                 const QString &file, QWidget *parent = nullptr);

    void start() { m_run.start(); }
    bool running() const { return m_run.running(); }

signals:
    // The loop has ended; the dialog stays open to be read.
    void seriesEnded();

public slots:
    // Closing while it runs stops it first; the dialog closes once the loop has ended.
    void reject() override;

private:
    void addLine(const link::SeriesResult &result);
    void onFinished(const link::SeriesSummary &summary);

    link::SeriesRun m_run;
    QLabel *m_next = nullptr;
    QListWidget *m_lines = nullptr;
    QPushButton *m_stop = nullptr;
    bool m_closeRequested = false;
};

} // namespace tessaro::app
