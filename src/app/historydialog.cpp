#include "app/historydialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tessaro::app {

HistoryDialog::HistoryDialog(std::vector<settings::HistoryEntry> entries,
                             const settings::ChangeWords &words, QWidget *parent)
    : QDialog(parent), m_entries(std::move(entries)), m_table(new QTableWidget(this)),
      m_before(new QPushButton(tr("Load the state &before"), this)),
      m_after(new QPushButton(tr("Load the state &after"), this)) {
    setObjectName(QStringLiteral("HistoryDialog"));
    setWindowTitle(tr("History"));
    auto *caption = new QLabel(tr("Writes to this servo, newest first:"), this);
    caption->setBuddy(m_table);
    m_table->setObjectName(QStringLiteral("historyTable"));
    m_table->setAccessibleName(caption->text());
    m_table->setColumnCount(3);
    m_table->setHorizontalHeaderLabels({tr("Time"), tr("What changed"), tr("Verdict")});
    m_table->setRowCount(int(m_entries.size()));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < int(m_entries.size()); ++row) {
        const settings::HistoryEntry &e = m_entries[std::size_t(row)];
        QString changed = settings::changeTexts(e.changes(), words).join(QStringLiteral(", "));
        if (!e.verdict)
            changed = tr("a backup, taken before a write that has no record");
        else if (changed.isEmpty())
            changed = tr("nothing");
        const QString verdict = e.verdict ? settings::verdictText(*e.verdict) : QString();
        const QStringList cells{
            e.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), changed, verdict};
        for (int column = 0; column < 3; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_table->resizeColumnsToContents();
    m_before->setObjectName(QStringLiteral("loadBefore"));
    m_after->setObjectName(QStringLiteral("loadAfter"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_before, QDialogButtonBox::ActionRole);
    buttons->addButton(m_after, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_before, &QPushButton::clicked, this, [this] { load(false); });
    connect(m_after, &QPushButton::clicked, this, [this] { load(true); });
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &HistoryDialog::rowChanged);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(720, 360);
    m_table->selectRow(0);
    rowChanged();
}

void HistoryDialog::rowChanged() {
    const int row = m_table->currentRow();
    const bool valid = row >= 0 && row < int(m_entries.size());
    m_before->setEnabled(valid && m_entries[std::size_t(row)].beforeValues.has_value());
    // A backup without a record knows nothing of what came after.
    m_after->setEnabled(valid && m_entries[std::size_t(row)].afterValues.has_value());
}

void HistoryDialog::load(bool after) {
    const int row = m_table->currentRow();
    if (row < 0 || row >= int(m_entries.size()))
        return;
    const settings::HistoryEntry &e = m_entries[std::size_t(row)];
    m_chosen = after ? e.afterValues : e.beforeValues;
    if (m_chosen)
        accept();
}

} // namespace tessaro::app
