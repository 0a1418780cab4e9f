#include "CounterPanel.h"
#include "codec/GameState.h"

#include "AccessibleNames.h"
#include "ClickablePicture.h"
#include "ControlPlacement.h"
#include "EditorDocument.h"
#include "ReadableToolTip.h"
#include "ThemeColours.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

namespace quandrel {

namespace {

// Key codes are 8-bit; a character beyond that reaches the model as a question mark.
constexpr char16_t kLastKeyCode = 255;

// The picture beside each counter box: the arrows, the coins, the keys.
constexpr std::array<const char*, kCounterCount> kPictures = {"Image2", "Image1", "Image3"};

std::size_t at(int index) { return static_cast<std::size_t>(index); }

} // namespace

CounterPanel::CounterPanel(EditorDocument& document, QWidget* parent) : QGroupBox(parent), m_document(document)
{
    createLayout();
    connectSignals();
    refresh();
}

void CounterPanel::createLayout()
{
    placeFrame(*this, windowControl("Frame1", 0));
    setAccessibleName(title());

    for (std::size_t i = 0; i < kPictures.size(); ++i) {
        const QString counter = fixedAccessibleName("Text1", static_cast<int>(i));
        const QString shows = fixedAccessibleName(kPictures[i]);
        auto* picture = createPicture(windowControl(kPictures[i]), this);
        picture->setAccessibleName(shows);
        setReadableToolTip(*picture, controlToolTipText(kPictures[i]));

        const ControlLayout& boxLayout = windowControl("Text1", static_cast<int>(i));
        auto* box = new QLineEdit(this);
        placeControl(*box, boxLayout);
        box->setMaxLength(boxLayout.maxLength);
        box->setAlignment(layoutAlignment(boxLayout));
        box->setAccessibleName(counter);
        setReadableToolTip(*box, controlToolTipText("Text1", static_cast<int>(i)));
        box->installEventFilter(this);
        m_boxes[i] = box;
    }
    // The window gives its first focus to the panel, and so to the arrows box.
    setFocusProxy(m_boxes[0]);
}

void CounterPanel::connectSignals()
{
    connect(&m_document, &EditorDocument::changed, this, &CounterPanel::refresh);
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        connect(m_boxes[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { textEdited(static_cast<int>(i), text); });
    }
}

void CounterPanel::refresh()
{
    const EditorControls& controls = m_document.model().controls();
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        QLineEdit* box = m_boxes[i];
        const QSignalBlocker blocker(box);
        const QString text = QString::fromStdString(controls.counterText[i]);
        // Rewriting an unchanged text would move the cursor under the user's fingers.
        if (box->text() != text) {
            box->setText(text);
        }
        QPalette colours; // an empty palette inherits every colour it does not set
        if (controls.counterColour[i] == TextColour::Red) {
            colours.setColor(QPalette::Text, counterRedColour(palette()));
        }
        box->setPalette(colours);
    }
}

void CounterPanel::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        refresh(); // the red follows the theme
    }
}

bool CounterPanel::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(m_boxes.begin(), m_boxes.end(), watched);
    if (found == m_boxes.end()) {
        return QGroupBox::eventFilter(watched, event);
    }
    const int box = static_cast<int>(found - m_boxes.begin());
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        return leftToWindowShortcut(static_cast<QKeyEvent*>(event)->keyCombination());
    case QEvent::KeyPress:
        return discardedByModel(box, *static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonRelease: {
        const auto& mouse = *static_cast<QMouseEvent*>(event);
        if (mouse.button() == Qt::LeftButton && m_boxes[at(box)]->rect().contains(mouse.position().toPoint())) {
            m_document.model().Text1_Click(box);
        }
        return false;
    }
    default:
        return false;
    }
}

bool CounterPanel::discardedByModel(int box, const QKeyEvent& event)
{
    // Tab and Backtab move the focus and Delete edits without producing a character; a key
    // without text is no character key at all.
    const int key = event.key();
    if (event.text().isEmpty() || key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete) {
        return false;
    }
    const char16_t character = event.text().front().unicode();
    int keyCode = character > kLastKeyCode ? '?' : character;
    const bool triggerWord = m_document.model().Text1_KeyPress(box, keyCode);
    emit characterKeyPressed(triggerWord);
    return keyCode == 0;
}

namespace {

// Fewer letters and digits than this make no password worth opening the entry dialog for.
constexpr int kPasswordLikeLength = 20;

// A clipboard with letters and at least a password's share of characters holds a password, not a
// number for a box; a box would drop its letters anyway.
bool clipboardHoldsPassword()
{
    const QString text = QApplication::clipboard()->text();
    const auto letters = std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    const auto characters = std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
    return letters > 0 && characters >= kPasswordLikeLength;
}

} // namespace

bool CounterPanel::leftToWindowShortcut(QKeyCombination keys) const
{
    const QKeySequence pressed(keys);
    if (QKeySequence::keyBindings(QKeySequence::Paste).contains(pressed)) {
        // The window's Paste password, unless the box can use what is pasted.
        return clipboardHoldsPassword();
    }
    if (QKeySequence::keyBindings(QKeySequence::Copy).contains(pressed)) {
        return false;
    }
    const QList<QAction*> actions = window()->actions();
    return std::any_of(actions.begin(), actions.end(), [&pressed](const QAction* action) {
        return action->isEnabled() && action->shortcuts().contains(pressed);
    });
}

void CounterPanel::textEdited(int box, const QString& text)
{
    // A refused text raises no change, so the box is put back by hand.
    if (!m_document.model().Text1_Change(box, text.toStdString())) {
        refresh();
    }
}

} // namespace quandrel
