#include "app/checkvalue.h"
#include "app/form1.h"
#include "app/seriesdialog.h"
#include "link/report.h"
#include "platform/messagebox.h"
#include "settings/backups.h"
#include "settings/filenames.h"
#include "settings/settingsfile.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QUrl>

namespace tessaro::app {

void Form1::buildFileMenu() {
    QMenu *menu = menuBar()->addMenu(tr("&File"));
    menu->setObjectName(QStringLiteral("mnuFile"));
    const auto add = [&](QAction *&action, const char *name, const QString &text,
                         const QKeySequence &keys, void (Form1::*handler)()) {
        action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
    };
    add(Frm_OpenSettings, "Frm_OpenSettings", tr("&Open settings…"), QKeySequence(tr("Ctrl+O")),
        &Form1::Frm_OpenSettings_Click);
    add(Frm_SaveSettings, "Frm_SaveSettings", tr("&Save settings…"), QKeySequence(tr("Ctrl+S")),
        &Form1::Frm_SaveSettings_Click);
    menu->addSeparator();
    add(Frm_History, "Frm_History", tr("&History…"), {}, &Form1::Frm_History_Click);
    add(Frm_RestoreBackup, "Frm_RestoreBackup", tr("&Restore a backup…"), {},
        &Form1::Frm_RestoreBackup_Click);
    add(Frm_BackupFolder, "Frm_BackupFolder", tr("Open the &backups folder"), {},
        &Form1::Frm_BackupFolder_Click);
    menu->addSeparator();
    add(Frm_ProgramSeries, "Frm_ProgramSeries", tr("Program a s&eries…"), {},
        &Form1::Frm_ProgramSeries_Click);
    add(Frm_BugReport, "Frm_BugReport", tr("Save a b&ug report…"), {}, &Form1::Frm_BugReport_Click);
    // Quit does what Exit does, the deferred close included.
    menu->addSeparator();
    QAction *quit = nullptr;
    add(quit, "Frm_Quit", tr("&Quit"), QKeySequence(tr("Ctrl+Q")), &Form1::Frm_Exit_Click);
    updateFileMenu();
}

void Form1::updateFileMenu() {
    const bool connected = ServoFound == link::BlockRead && CProgram->isEnabled();
    const bool idle = !m_link.busy();
    for (QAction *a : {Frm_OpenSettings, Frm_SaveSettings, Frm_History, Frm_RestoreBackup})
        a->setEnabled(idle && connected);
    Frm_BackupFolder->setEnabled(idle);
    const auto *series = findChild<SeriesDialog *>();
    Frm_ProgramSeries->setEnabled(idle && !(series && series->running()));
    Frm_BugReport->setEnabled(idle);
}

QString Form1::chooseSettingsFile(bool save) {
    // A folder that does not exist would land in the name box instead.
    QString folder = m_lastFolder;
    for (const QString &next :
         {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath()})
        if (!QFileInfo(folder).isDir())
            folder = next;
    QFileDialog dialog(this, save ? tr("Save settings") : tr("Open settings"), folder,
                       tr("Settings files (*.json)"));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // A name without an extension gets .json, so that Open lists it.
        dialog.setDefaultSuffix(QStringLiteral("json"));
        dialog.selectFile(settings::safeName(m_link.servoName()) + QStringLiteral(".json"));
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(path).absolutePath();
    // A name that is not UTF-8 reaches us changed, and would name another file.
    if (!settings::isExactFileName(path)) {
        platform::showMessage(
            this, settings::inexactNameFailure(settings::printableFileName(path)).text());
        return {};
    }
    return path;
}

// In the field table's order, so the throw comes first: it sets the test position's range.
void Form1::loadEditorValues(const settings::BlockValues &v) {
    for (const FieldBinding &b : fieldBindings()) {
        if (b.bar)
            (this->*b.bar)->setValue(v.*b.field);
        else
            (this->*b.box)->setCheckState(checkStateFor(v.*b.field));
    }
}

// The same checks as tessaro-cli write; a bad file changes nothing.
void Form1::Frm_OpenSettings_Click() {
    openSettingsFile(chooseSettingsFile(false));
}

void Form1::openSettingsFile(const QString &path) {
    if (path.isEmpty())
        return;
    const settings::LoadResult loaded = settings::loadSettings(path);
    if (!loaded.settings) {
        platform::showMessage(this, loaded.failure.text());
        return;
    }
    loadEditorValues(loaded.settings->values);
}

// One local file dropped onto the window opens as Open does, while Open could.
static QString droppedFile(const QMimeData *data) {
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls[0].isLocalFile() ? urls[0].toLocalFile() : QString();
}

void Form1::dragEnterEvent(QDragEnterEvent *event) {
    if (Frm_OpenSettings->isEnabled() && !droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent *event) {
    const QString path = droppedFile(event->mimeData());
    if (!Frm_OpenSettings->isEnabled() || path.isEmpty())
        return;
    event->acceptProposedAction();
    openSettingsFile(path);
}

// What the editors show, around the servo's own name and tail.
void Form1::Frm_SaveSettings_Click() {
    const auto shown = settings::settingsFromBlock(m_link.blockFor(editorValues()));
    if (!shown) {
        platform::showMessage(this, tr("The settings shown cannot be saved."));
        return;
    }
    const QString path = chooseSettingsFile(true);
    if (path.isEmpty())
        return;
    if (const settings::FileFailure failure = settings::saveSettings(path, *shown))
        platform::showMessage(this, failure.text());
}

// The history holds every backup, each with the state before its write.
void Form1::Frm_RestoreBackup_Click() {
    Frm_History_Click();
}

void Form1::Frm_BackupFolder_Click() {
    const QString folder = settings::backupFolder();
    if (!QFileInfo(folder).isDir() || !QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        platform::showMessage(this, tr("The backups folder %1 cannot be opened.").arg(folder));
}

// The ports as the last Connect saw them, and its trace.
void Form1::Frm_BugReport_Click() {
    const QString folder = m_lastFolder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : m_lastFolder;
    const QString path = QFileDialog::getSaveFileName(this, tr("Save a bug report"),
                                                      QDir(folder).filePath(link::reportFileName()),
                                                      tr("Text files (*.txt)"));
    if (path.isEmpty())
        return;
    m_lastFolder = QFileInfo(path).absolutePath();
    link::SessionFacts desktop = link::SessionFacts::fromEnvironment();
    desktop.kind = QStringLiteral("%1 (Qt platform %2)")
                       .arg(desktop.kind.isEmpty() ? QStringLiteral("not known") : desktop.kind,
                            QGuiApplication::platformName());
    desktop.scale = QString::number(devicePixelRatioF());
    if (const settings::FileFailure failure =
            link::saveBugReport(path, link::bugReport(m_link, desktop)))
        platform::showMessage(this, failure.text());
    else
        platform::showMessage(this, tr("The bug report was saved to %1. Read it, then send it "
                                       "with a description of what happened.")
                                        .arg(path));
}

} // namespace tessaro::app
