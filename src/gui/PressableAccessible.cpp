#include "PressableAccessible.h"

#include "ClickableLabel.h"
#include "ClickablePicture.h"

namespace quandrel {

namespace {

QAccessibleInterface* pressableFactory(const QString&, QObject* object)
{
    // Pictures nobody listens to (the counters' and the flag columns' headings) only show.
    if (auto* picture = qobject_cast<ClickablePicture*>(object); picture != nullptr && picture->isClickable()) {
        return new PressableAccessible(picture, [picture] { picture->click(); });
    }
    if (auto* label = qobject_cast<ClickableLabel*>(object)) {
        return new PressableAccessible(label, [label] { label->click(); });
    }
    return nullptr;
}

} // namespace

PressableAccessible::PressableAccessible(QWidget* widget, std::function<void()> press)
    : QAccessibleWidget(widget, QAccessible::Button), m_press(std::move(press))
{}

QStringList PressableAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void PressableAccessible::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
    } else if (widget()->isVisible() && widget()->isEnabled()) {
        // As the mouse: a hidden picture takes no clicks.
        m_press();
    }
}

void PressableAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&pressableFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace quandrel
