#include "ThemePalettes.h"

#include <QStyle>
#include <QStyleFactory>

#include <memory>

namespace quandrel {

QPalette fusionLightPalette()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

QPalette fusionDarkPalette()
{
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x2A, 0x2A, 0x2A);
    const QColor text(Qt::white);
    QPalette dark;
    for (const auto& [role, colour] : {std::pair{QPalette::Window, window},
                                       {QPalette::WindowText, text},
                                       {QPalette::Base, base},
                                       {QPalette::AlternateBase, window},
                                       {QPalette::ToolTipBase, window},
                                       {QPalette::ToolTipText, text},
                                       {QPalette::Text, text},
                                       {QPalette::Button, window},
                                       {QPalette::ButtonText, text},
                                       {QPalette::BrightText, QColor(Qt::red)},
                                       {QPalette::Link, QColor(0x2A, 0x82, 0xDA)},
                                       {QPalette::Highlight, QColor(0x2A, 0x82, 0xDA)},
                                       {QPalette::HighlightedText, QColor(Qt::black)}}) {
        dark.setColor(role, colour);
    }
    // The usual greyed-out text; the rest of the disabled group stays as the active one.
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, QColor(Qt::darkGray));
    }
    return dark;
}

} // namespace quandrel
