#pragma once

#include <QMenu>

namespace quandrel {

// The context menu of the password display: a right click anywhere on it, its groups included.
class PasswordContextMenu final : public QMenu {
    Q_OBJECT

public:
    PasswordContextMenu(QAction* copyPassword, QWidget* display);
};

} // namespace quandrel
