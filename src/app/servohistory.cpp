// File, History…, and the journal record each PROGRAM and RESET leaves.
#include "settings/history.h"

#include "app/form1.h"
#include "app/historydialog.h"
#include "link/writeverdict.h"
#include "platform/messagebox.h"
#include "settings/filenames.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>

namespace tessaro::app {

void Form1::Frm_History_Click() {
    const settings::History history = settings::loadHistory(m_link.servoName());
    QStringList trouble = history.warnings;
    if (history.failure)
        trouble.prepend(history.failure.text());
    if (!trouble.isEmpty())
        platform::showMessage(this, trouble.join(QLatin1Char('\n')));
    if (history.entries.empty()) {
        const settings::BackupFolder folder = settings::findBackupFolder();
        platform::showMessage(this, folder.path.isEmpty()
                                        ? folder.failure.text()
                                        : tr("There are no backups of this servo in %1.")
                                              .arg(settings::printableFileName(folder.path)));
        return;
    }
    HistoryDialog dialog(
        history.entries, [this](const auto &c) { return shownChange(c); }, this);
    if (dialog.exec() == QDialog::Accepted && dialog.chosen())
        loadEditorValues(*dialog.chosen());
}

// A field with a gauge in the gauge's words and units, as its editor shows it; the others
// in a settings file's.
QString Form1::shownChange(const settings::FieldChange &change) const {
    const FieldBinding &b = bindingOf(change.field->member);
    if (!b.bar)
        return settings::fileUnitsChange(change);
    const gauges::GaugeParams &params = gauges::gaugeParams(b.gauge);
    return gauges::gaugeDescription(params, shownOnGauge(b, change.before), m_state) +
           QStringLiteral(" \u2192 ") +
           gauges::gaugeValueText(params, shownOnGauge(b, change.after), m_state);
}

void Form1::recordWrite(const link::ProgramOutcome &sent, const QByteArray &before,
                        const QByteArray &block, bool readBack) {
    const bool read = readBack && ServoFound == link::BlockRead;
    const QByteArray readBlock = read ? m_link.settingsBlock() : QByteArray();
    const std::optional<link::ReadStatus> status =
        readBack ? std::optional(read ? link::ReadStatus::Read : m_lastRead) : std::nullopt;
    const int index = cmbCOM->currentIndex();
    const auto &ports = m_link.portTable();
    const QString port = index >= 0 && index < int(ports.size())
                             ? QStringLiteral("COM%1").arg(ports[std::size_t(index)])
                             : QString();
    const settings::JournalRecord record{
        QDateTime::currentDateTimeUtc(),
        QCoreApplication::applicationName(),
        QCoreApplication::applicationVersion(),
        port,
        m_link.port().device(),
        before,
        block,
        readBlock,
        link::writeVerdict(sent, status, block, readBlock, m_link.cancelled()),
        m_lastBackup};
    if (const settings::FileFailure failure = settings::appendJournalRecord(record))
        platform::showMessage(
            this, tr("The record of this programming run could not be added to the journal:\n%1")
                      .arg(failure.text()));
}

} // namespace tessaro::app
