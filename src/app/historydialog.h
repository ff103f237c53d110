// File, History…: one servo name's writes in a table (time, what changed,
// verdict); a row's state before or after its write goes into the editors.
#pragma once

#include "settings/history.h"

#include <QDialog>
#include <optional>

class QPushButton;
class QTableWidget;

namespace tessaro::app {

class HistoryDialog : public QDialog {
    Q_OBJECT

public:
    // words: a change in the window's units.
    HistoryDialog(std::vector<settings::HistoryEntry> entries, const settings::ChangeWords &words,
                  QWidget *parent);
    // The values to load, once accepted.
    std::optional<settings::BlockValues> chosen() const { return m_chosen; }

private:
    void rowChanged();
    void load(bool after);

    std::vector<settings::HistoryEntry> m_entries;
    QTableWidget *m_table;
    QPushButton *m_before;
    QPushButton *m_after;
    std::optional<settings::BlockValues> m_chosen;
};

} // namespace tessaro::app
