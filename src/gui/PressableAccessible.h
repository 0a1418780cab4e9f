#pragma once

#include <QAccessibleWidget>

#include <functional>

namespace quandrel {

// What a screen reader sees of a picture or label that the user clicks: a button whose "press"
// action clicks it, whether or not the keyboard can reach it. A picture that only shows is a
// graphic with nothing to press.
class PressableAccessible final : public QAccessibleWidget {
public:
    PressableAccessible(QWidget* widget, std::function<void()> press, std::function<bool()> isPressable);

    QAccessible::Role role() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Makes every clickable picture and label answer through this class; safe to call again.
    static void install();

private:
    std::function<void()> m_press;
    std::function<bool()> m_isPressable;
};

} // namespace quandrel
