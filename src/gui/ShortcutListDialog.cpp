#include "ShortcutListDialog.h"

#include "CommandWordText.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quandrel {

ShortcutListDialog::ShortcutListDialog(const QList<QAction*>& actions, QWidget* parent) : QDialog(parent)
{
    createLayout(actions);
}

void ShortcutListDialog::createLayout(const QList<QAction*>& actions)
{
    setObjectName(QStringLiteral("shortcutList"));
    setWindowTitle(commandWordText("shortcutsTitle"));
    auto* layout = new QVBoxLayout(this);

    auto* table = new QTableWidget(0, 2, this);
    table->setObjectName(QStringLiteral("shortcutTable"));
    table->setAccessibleName(commandWordText("shortcutsTitle"));
    table->setHorizontalHeaderLabels({commandWordText("shortcutCommand"), commandWordText("shortcutKeys")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setShowGrid(false);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const QAction* action : actions) {
        if (action->shortcuts().isEmpty()) {
            continue;
        }
        QStringList keys;
        for (const QKeySequence& shortcut : action->shortcuts()) {
            keys << shortcut.toString(QKeySequence::NativeText);
        }
        const int row = table->rowCount();
        table->insertRow(row);
        table->setItem(row, 0, new QTableWidgetItem(action->iconText()));
        table->setItem(row, 1, new QTableWidgetItem(keys.join(tr(" or "))));
    }
    // The whole list at once: it is short.
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int row = 0; row < table->rowCount(); ++row) {
        height += table->rowHeight(row);
    }
    table->setMinimumSize(table->horizontalHeader()->length() + 2 * table->frameWidth(), height);
    layout->addWidget(table);

    auto* notes = new QLabel(tr("The password display has a context menu with Copy password.\n"
                                "Alt with the underlined letter opens a menu."),
                             this);
    notes->setObjectName(QStringLiteral("shortcutNotes"));
    layout->addWidget(notes);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

} // namespace quandrel
