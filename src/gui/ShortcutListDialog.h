#pragma once

#include <QDialog>
#include <QList>

class QAction;

namespace quandrel {

// Help > Keyboard shortcuts: every command that has a key, with all of its keys.
class ShortcutListDialog final : public QDialog {
    Q_OBJECT

public:
    ShortcutListDialog(const QList<QAction*>& actions, QWidget* parent);

private:
    void createLayout(const QList<QAction*>& actions);
};

} // namespace quandrel
