#include "app/checkvalue.h"
#include "app/form1.h"
#include "platform/messagebox.h"
#include "settings/backups.h"
#include "settings/settingsfile.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

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
    add(Frm_RestoreBackup, "Frm_RestoreBackup", tr("&Restore a backup…"), {},
        &Form1::Frm_RestoreBackup_Click);
    add(Frm_BackupFolder, "Frm_BackupFolder", tr("Open the &backups folder"), {},
        &Form1::Frm_BackupFolder_Click);
    // Quit does what Exit does, the deferred close included.
    menu->addSeparator();
    QAction *quit = nullptr;
    add(quit, "Frm_Quit", tr("&Quit"), QKeySequence(tr("Ctrl+Q")), &Form1::Frm_Exit_Click);
    updateFileMenu();
}

void Form1::updateFileMenu() {
    const bool connected = ServoFound == link::BlockRead && CProgram->isEnabled();
    const bool idle = !m_link.busy();
    for (QAction *a : {Frm_OpenSettings, Frm_SaveSettings, Frm_RestoreBackup})
        a->setEnabled(idle && connected);
    Frm_BackupFolder->setEnabled(idle);
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
    return path;
}

void Form1::loadEditorValues(const settings::BlockValues &v) {
    // The throw first: it sets the test position's range.
    ScrollThrow->setValue(v.throwDeg);
    ScrollSpeed->setValue(v.speed);
    ScrollCentre->setValue(v.centre);
    Check1->setCheckState(checkStateFor(v.reverse));
    ScrollDeadband->setValue(v.deadband);
    CkReset->setCheckState(checkStateFor(v.reset));
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

void Form1::Frm_RestoreBackup_Click() {
    std::vector<settings::BackupEntry> entries = settings::listBackups();
    std::reverse(entries.begin(), entries.end());
    QStringList items;
    std::vector<settings::BlockValues> values;
    for (const settings::BackupEntry &entry : entries) {
        const settings::LoadResult loaded = settings::loadSettings(entry.path);
        if (!loaded.settings || loaded.settings->name() != m_link.servoName())
            continue;
        const settings::BlockValues &v = loaded.settings->values;
        items << tr("%1: throw %2, speed %3, centre %4, reverse %5, deadband %6")
                     .arg(entry.time.toLocalTime().toString(Qt::ISODate))
                     .arg(v.throwDeg)
                     .arg(v.speed)
                     .arg(v.centre)
                     .arg(v.reverse)
                     .arg(v.deadband);
        values.push_back(v);
    }
    if (items.isEmpty()) {
        platform::showMessage(
            this, tr("There are no backups of this servo in %1.").arg(settings::backupFolder()));
        return;
    }
    bool chosen = false;
    const QString item = QInputDialog::getItem(
        this, tr("Restore a backup"), tr("Backups, newest first:"), items, 0, false, &chosen);
    if (chosen)
        loadEditorValues(values[static_cast<std::size_t>(items.indexOf(item))]);
}

void Form1::Frm_BackupFolder_Click() {
    const QString folder = settings::backupFolder();
    if (!QFileInfo(folder).isDir() || !QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        platform::showMessage(this, tr("The backups folder %1 cannot be opened.").arg(folder));
}

} // namespace tessaro::app
