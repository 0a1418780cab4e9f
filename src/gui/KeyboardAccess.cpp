#include "KeyboardAccess.h"

#include "ClickableLabel.h"
#include "ClickablePicture.h"
#include "Contrast.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace quandrel::keyboardaccess {

namespace {

const QString kSettingKey = QStringLiteral("keyboardAccessToPicturesAndLabels");
constexpr double kLegibleContrast = 4.5;
constexpr int kRingWidth = 2;
// A sideways step costs more than a step the arrow's way, so the arrows keep to rows and columns.
constexpr int kSidewaysWeight = 2;

QSettings settings() { return QSettings(QStringLiteral("quandrel"), QStringLiteral("quandrel")); }

// A control Tab stops at; a widget that hands its focus to another is no stop of its own.
bool takesTabFocus(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) != 0 && widget->focusProxy() == nullptr;
}

QRect placeIn(const QWidget* widget, const QWidget* panel)
{
    return {widget->mapTo(panel, QPoint(0, 0)), widget->size()};
}

// Reading order: rows from the top, each read from the left. A widget whose middle lies within
// the first widget of a row belongs to that row, so controls a few pixels apart line up.
std::vector<QWidget*> inReadingOrder(std::vector<QWidget*> widgets, const QWidget* panel)
{
    std::stable_sort(widgets.begin(), widgets.end(), [panel](const QWidget* a, const QWidget* b) {
        return placeIn(a, panel).top() < placeIn(b, panel).top();
    });
    std::vector<QWidget*> ordered;
    auto rowStart = widgets.begin();
    while (rowStart != widgets.end()) {
        const QRect first = placeIn(*rowStart, panel);
        const auto rowEnd = std::find_if(
            rowStart, widgets.end(), [&](const QWidget* w) { return placeIn(w, panel).center().y() > first.bottom(); });
        std::vector<QWidget*> row(rowStart, rowEnd);
        std::stable_sort(row.begin(), row.end(), [panel](const QWidget* a, const QWidget* b) {
            return placeIn(a, panel).left() < placeIn(b, panel).left();
        });
        ordered.insert(ordered.end(), row.begin(), row.end());
        rowStart = rowEnd;
    }
    return ordered;
}

std::vector<QWidget*> tabStopsUnder(const QWidget* panel)
{
    std::vector<QWidget*> stops;
    for (QWidget* widget : panel->findChildren<QWidget*>()) {
        if (takesTabFocus(widget)) {
            stops.push_back(widget);
        }
    }
    return stops;
}

void orderFocusChain(QWidget* area)
{
    std::vector<QWidget*> panels;
    for (QWidget* child : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        panels.push_back(child);
    }
    std::vector<QWidget*> chain;
    for (QWidget* panel : inReadingOrder(panels, area)) {
        const std::vector<QWidget*> stops = inReadingOrder(tabStopsUnder(panel), panel);
        chain.insert(chain.end(), stops.begin(), stops.end());
    }
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

} // namespace

bool saved() { return settings().value(kSettingKey, false).toBool(); }

bool save(bool on)
{
    QSettings kept = settings();
    kept.setValue(kSettingKey, on);
    // Written now, so that a failure is known while the player can still be told.
    kept.sync();
    return kept.status() == QSettings::NoError;
}

void setReachable(QWidget* area, bool on)
{
    const Qt::FocusPolicy policy = on ? Qt::TabFocus : Qt::NoFocus;
    for (ClickablePicture* picture : area->findChildren<ClickablePicture*>()) {
        if (picture->isClickable()) {
            picture->setFocusPolicy(policy);
        }
    }
    for (ClickableLabel* label : area->findChildren<ClickableLabel*>()) {
        label->setFocusPolicy(policy);
    }
    if (on) {
        orderFocusChain(area);
    }
}

bool isClickKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier &&
           (event.key() == Qt::Key_Space || event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter);
}

bool moveWithinPanel(QWidget* from, int key)
{
    QPoint direction;
    switch (key) {
    case Qt::Key_Left:
        direction = {-1, 0};
        break;
    case Qt::Key_Right:
        direction = {1, 0};
        break;
    case Qt::Key_Up:
        direction = {0, -1};
        break;
    case Qt::Key_Down:
        direction = {0, 1};
        break;
    default:
        return false;
    }
    QWidget* panel = from->parentWidget();
    const QPoint start = placeIn(from, panel).center();
    QWidget* nearest = nullptr;
    int nearestCost = 0;
    for (QWidget* candidate : tabStopsUnder(panel)) {
        if (candidate == from || !candidate->isVisible() || !candidate->isEnabled()) {
            continue;
        }
        const QPoint step = placeIn(candidate, panel).center() - start;
        const int ahead = step.x() * direction.x() + step.y() * direction.y();
        const int sideways = std::abs(step.x() * direction.y()) + std::abs(step.y() * direction.x());
        if (ahead <= 0) {
            continue;
        }
        const int cost = ahead + kSidewaysWeight * sideways;
        if (nearest == nullptr || cost < nearestCost) {
            nearest = candidate;
            nearestCost = cost;
        }
    }
    if (nearest == nullptr) {
        return false;
    }
    nearest->setFocus(Qt::TabFocusReason);
    return true;
}

QColor focusRingColour(const QPalette& palette)
{
    return contrast::legibleAgainst(palette.color(QPalette::Highlight), palette.color(QPalette::Window),
                                    kLegibleContrast);
}

void drawFocusRing(QPainter& painter, const QWidget& widget)
{
    QPen pen(focusRingColour(widget.palette()), kRingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The pen straddles the path, so the path runs half a ring inside the edge.
    const qreal half = kRingWidth / 2.0;
    painter.drawRect(QRectF(widget.rect()).adjusted(half, half, -half, -half));
}

} // namespace quandrel::keyboardaccess
