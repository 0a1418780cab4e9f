#include "PressableAccessible.h"

#include "ClickableLabel.h"
#include "ClickablePicture.h"

namespace quandrel {

namespace {

QAccessibleInterface* pressableFactory(const QString&, QObject* object)
{
    // Asked for as soon as a picture is named, before its clicks are connected: whether it can be
    // pressed is decided when a screen reader asks.
    if (auto* picture = qobject_cast<ClickablePicture*>(object)) {
        return new PressableAccessible(
            picture, [picture] { picture->click(); }, [picture] { return picture->isClickable(); });
    }
    if (auto* label = qobject_cast<ClickableLabel*>(object)) {
        return new PressableAccessible(
            label, [label] { label->click(); }, [] { return true; });
    }
    return nullptr;
}

} // namespace

PressableAccessible::PressableAccessible(QWidget* widget, std::function<void()> press,
                                         std::function<bool()> isPressable)
    : QAccessibleWidget(widget, QAccessible::Button), m_press(std::move(press)), m_isPressable(std::move(isPressable))
{}

QAccessible::Role PressableAccessible::role() const
{
    // Pictures nobody listens to (the counters' and the flag columns' headings) only show.
    return m_isPressable() ? QAccessible::Button : QAccessible::Graphic;
}

QStringList PressableAccessible::actionNames() const
{
    const QStringList others = QAccessibleWidget::actionNames();
    return m_isPressable() ? QStringList{pressAction()} + others : others;
}

void PressableAccessible::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
    } else if (m_isPressable() && widget()->isVisible() && widget()->isEnabled()) {
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
