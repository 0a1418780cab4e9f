#include "PasswordContextMenu.h"

namespace quandrel {

PasswordContextMenu::PasswordContextMenu(QAction* copyPassword, QWidget* display) : QMenu(display)
{
    setObjectName(QStringLiteral("passwordMenu"));
    setAccessibleName(tr("Password"));
    addAction(copyPassword);
    // The groups pass the request on to the display, since they have no menu of their own.
    display->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(display, &QWidget::customContextMenuRequested, this,
            [this, display](QPoint place) { popup(display->mapToGlobal(place)); });
}

} // namespace quandrel
