#include "app/seriesdialog.h"

#include "app/form1.h"
#include "link/portcauses.h"
#include "platform/ledcircle.h"
#include "platform/messagebox.h"
#include "settings/codepage.h"
#include "settings/settingsfile.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

namespace tessaro::app {

SeriesDialog::SeriesDialog(link::Session &session, int portIndex,
                           const settings::BlockValues &values, const QString &file,
                           QWidget *parent)
    : QDialog(parent), m_run(session, portIndex, values) {
    setObjectName(QStringLiteral("SeriesDialog"));
    setWindowTitle(tr("Program a series"));
    auto *layout = new QVBoxLayout(this);
    auto *what = new QLabel(tr("Programming %1 into one servo after another on COM%2.")
                                .arg(QFileInfo(file).fileName())
                                .arg(session.portTable()[std::size_t(portIndex)]),
                            this);
    what->setWordWrap(true);
    layout->addWidget(what);
    m_next = new QLabel(this);
    m_next->setObjectName(QStringLiteral("seriesNext"));
    QFont bold = m_next->font();
    bold.setBold(true);
    m_next->setFont(bold);
    layout->addWidget(m_next);
    m_lines = new QListWidget(this);
    m_lines->setObjectName(QStringLiteral("seriesLines"));
    m_lines->setAccessibleName(tr("Servos programmed"));
    m_lines->setMinimumSize(420, 200);
    layout->addWidget(m_lines);
    m_stop = new QPushButton(tr("Stop"), this);
    m_stop->setObjectName(QStringLiteral("seriesStop"));
    layout->addWidget(m_stop, 0, Qt::AlignRight);

    connect(m_stop, &QPushButton::clicked, this, [this] {
        if (m_run.running())
            m_run.stop();
        else
            accept();
    });
    connect(&m_run, &link::SeriesRun::waiting, this, [this](link::SeriesWait wait) {
        m_next->setText(link::seriesWaitText(wait));
        m_next->setAccessibleName(m_next->text());
    });
    connect(&m_run, &link::SeriesRun::servoDone, this, &SeriesDialog::addLine);
    connect(&m_run, &link::SeriesRun::finished, this, &SeriesDialog::onFinished);
}

void SeriesDialog::addLine(const link::SeriesResult &result) {
    QString line =
        tr("%1  %2  \"%3\"  %4")
            .arg(result.number)
            .arg(result.utc.toLocalTime().time().toString(QStringLiteral("HH:mm:ss")),
                 settings::printableText(result.name), link::seriesVerdictText(result.verdict));
    if (!result.reason.isEmpty())
        line += QStringLiteral(": ") + result.reason;
    if (result.journal)
        line += QLatin1Char(' ') + tr("(not in the journal: %1)").arg(result.journal.text());
    m_lines->addItem(line);
    m_lines->scrollToBottom();
}

void SeriesDialog::onFinished(const link::SeriesSummary &summary) {
    m_next->setText(tr("Series ended: %1").arg(summary.text()));
    m_next->setAccessibleName(m_next->text());
    m_stop->setText(tr("Close"));
    emit seriesEnded();
    if (m_closeRequested)
        QDialog::reject();
}

void SeriesDialog::reject() {
    if (!m_run.running())
        return QDialog::reject();
    m_closeRequested = true;
    m_run.stop();
}

// The series runs on the listed port; the window is back to not connected
// after it, since the servo it showed is no longer known to be on the lead.
void Form1::Frm_ProgramSeries_Click() {
    if (m_link.busy())
        return platform::beep();
    const QString path = chooseSettingsFile(false);
    if (path.isEmpty())
        return;
    const settings::LoadResult loaded = settings::loadSettings(path);
    if (!loaded.settings)
        return platform::showMessage(this, loaded.failure.text());
    if (m_link.listedPortsGone())
        FindComPorts();
    if (m_link.portTable().empty())
        return platform::showMessage(this, link::noUsablePortText(m_link.refusedPorts()));
    const int index = std::max(0, cmbCOM->currentIndex());

    auto *dialog = new SeriesDialog(m_link, index, loaded.settings->values, path, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    ServoFound = link::NoServo;
    LED1->hide();
    LServoName->clear();
    setEditorGroupsEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{CmbServo, Connect, cmbCOM})
        w->setEnabled(false);
    connect(dialog, &SeriesDialog::seriesEnded, this, [this] {
        Connect->setEnabled(true);
        cmbCOM->setEnabled(true);
        updateFileMenu();
    });
    dialog->open();
    dialog->start();
    updateFileMenu();
}

} // namespace tessaro::app
