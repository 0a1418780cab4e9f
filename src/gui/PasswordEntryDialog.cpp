#include "PasswordEntryDialog.h"

#include "CommandWordText.h"
#include "ThemeColours.h"
#include "TypedPassword.h"
#include "codec/Decoder.h"
#include "codec/RepairAsTyped.h"
#include "editor/EditorSession.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace quandrel {

namespace {

constexpr int kCorrectionRole = Qt::UserRole;
constexpr int kVisibleCorrections = 4;
constexpr int kCorrectionLines = 3;    // a correction's password, what it changes, what it means
constexpr int kWidthInCharacters = 72; // a correction's longest lines
// Lines kept for the notes that come and go while the user types: the echo, the length, a few
// problems, the checksum and the note over the corrections.
constexpr int kNoteLines = 8;

// Hidden, the widget keeps its place, so that showing it moves nothing.
void keepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QLabel* addNote(QVBoxLayout* layout, const QString& name, QWidget* parent)
{
    auto* note = new QLabel(parent);
    note->setObjectName(name);
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    layout->addWidget(note);
    return note;
}

} // namespace

PasswordEntryDialog::PasswordEntryDialog(EditorSession& session, QWidget* parent) : QDialog(parent), m_session(session)
{
    createLayout();
    connectSignals();
    applyProblemColour();
    refresh();
}

void PasswordEntryDialog::createLayout()
{
    setObjectName(QStringLiteral("passwordEntry"));
    setWindowTitle(commandWordText("entryTitle"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* layout = new QVBoxLayout(this);

    auto* prompt = new QLabel(tr("&Password (blanks, dashes and lower case are fine):"), this);
    layout->addWidget(prompt);
    m_input = new QLineEdit(this);
    m_input->setObjectName(QStringLiteral("passwordInput"));
    m_input->setAccessibleName(commandWordText("password"));
    m_input->setFont(fixed);
    m_input->setMaxLength(static_cast<int>(EditorSession::kEntryLimit));
    // Wide enough for a correction's longest lines, yet never wider than the screen.
    const int wide = m_input->fontMetrics().horizontalAdvance(QString(kWidthInCharacters, QLatin1Char('W')));
    const int screenWidth = screen()->availableGeometry().width() - m_input->fontMetrics().lineSpacing() * 4;
    m_input->setMinimumWidth(std::min(wide, screenWidth));
    m_input->setPlaceholderText(tr("UR3Q UR5F UG4F ..."));
    prompt->setBuddy(m_input);
    layout->addWidget(m_input);

    m_echo = new QLabel(this);
    m_echo->setObjectName(QStringLiteral("passwordEcho"));
    m_echo->setAccessibleName(commandWordText("passwordAsRead"));
    m_echo->setTextFormat(Qt::RichText);
    m_echo->setFont(fixed);
    m_echo->setWordWrap(true);
    layout->addWidget(m_echo);

    m_length = addNote(layout, QStringLiteral("lengthNote"), this);
    m_problems = addNote(layout, QStringLiteral("symbolProblems"), this);
    m_checksum = addNote(layout, QStringLiteral("checksumNote"), this);

    m_correctionsNote = addNote(layout, QStringLiteral("correctionsNote"), this);
    m_corrections = new QListWidget(this);
    m_corrections->setObjectName(QStringLiteral("corrections"));
    m_corrections->setAccessibleName(commandWordText("corrections"));
    m_corrections->setWordWrap(true);
    // The window's own font, not the fixed one: a fixed font squeezes the arrows of the changes
    // into one narrow cell, where at 1x they read as a dash.
    m_corrections->setAlternatingRowColors(true);
    // Room for a handful of corrections at first; once the dialog's height is set, the list
    // takes what the notes leave of it.
    m_corrections->setMinimumHeight(correctionLinesHeight(kCorrectionLines * kVisibleCorrections));
    keepPlaceWhenHidden(m_corrections);
    m_correctionsNote->setBuddy(m_corrections);
    layout->addWidget(m_corrections);
    m_useCorrection = new QPushButton(tr("&Use this correction"), this);
    m_useCorrection->setObjectName(QStringLiteral("useCorrection"));
    m_useCorrection->setAutoDefault(false);
    keepPlaceWhenHidden(m_useCorrection);
    layout->addWidget(m_useCorrection, 0, Qt::AlignLeft);

    m_verdict = addNote(layout, QStringLiteral("verdict"), this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_load = buttons->addButton(commandWordText("loadPassword"), QDialogButtonBox::AcceptRole);
    m_load->setObjectName(QStringLiteral("loadButton"));
    m_load->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void PasswordEntryDialog::connectSignals()
{
    connect(m_input, &QLineEdit::textChanged, this, &PasswordEntryDialog::refresh);
    connect(m_load, &QPushButton::clicked, this, &PasswordEntryDialog::loadRequested);
    connect(m_useCorrection, &QPushButton::clicked, this, &PasswordEntryDialog::useChosenCorrection);
    connect(m_corrections, &QListWidget::currentRowChanged, this,
            [this](int row) { m_useCorrection->setEnabled(row >= 0); });
    // The list is rebuilt when the box changes, so the choice lands after the view's own signal.
    connect(m_corrections, &QListWidget::itemActivated, this, &PasswordEntryDialog::useChosenCorrection,
            Qt::QueuedConnection);
}

void PasswordEntryDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        // The problem colour follows the theme.
        applyProblemColour();
        refresh();
    }
}

void PasswordEntryDialog::applyProblemColour()
{
    // Chosen against the dialog's own palette, so a dark theme's red still reads.
    QPalette problemText = m_problems->palette();
    problemText.setColor(QPalette::WindowText, problemColour(palette()));
    m_problems->setPalette(problemText);
}

void PasswordEntryDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    fitToContentsAndScreen(); // the screen it shows on is known now
}

void PasswordEntryDialog::refresh()
{
    const TypedPassword typed(m_input->text());
    m_echo->setText(typed.echo(problemColour(palette())));
    m_echo->setVisible(!typed.isEmpty());
    const auto show = [](QLabel* label, const QString& text) {
        label->setText(text);
        label->setVisible(!text.isEmpty());
    };
    show(m_length, typed.lengthNote());
    show(m_problems, typed.problems());
    show(m_checksum, typed.checksumNote());
    show(m_correctionsNote, typed.correctionsNote());
    show(m_verdict, typed.verdict());

    const QSignalBlocker blocker(m_corrections);
    m_corrections->clear();
    for (const TypedPassword::Correction& correction : typed.corrections()) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1\n  %2\n  %3").arg(correction.shown, correction.changes, correction.effect),
            m_corrections);
        item->setData(kCorrectionRole, correction.password);
    }
    m_corrections->setVisible(m_corrections->count() > 0);
    m_useCorrection->setVisible(m_corrections->count() > 0);
    m_useCorrection->setEnabled(false);
    m_load->setEnabled(typed.loadable());
    fitToContentsAndScreen();
}

int PasswordEntryDialog::correctionLinesHeight(int lines) const
{
    return m_corrections->fontMetrics().lineSpacing() * lines;
}

int PasswordEntryDialog::leastHeight() const
{
    // The wrapped notes at the present width, the corrections list at its minimum.
    const QLayoutItem* list = layout()->itemAt(layout()->indexOf(m_corrections));
    return layout()->totalHeightForWidth(width()) - list->sizeHint().height() + list->minimumSize().height();
}

void PasswordEntryDialog::fitToContentsAndScreen()
{
    if (!isVisible()) {
        return; // fitted when shown, at the width and on the screen it is shown with
    }
    const QRect available = screen()->availableGeometry();
    // The title bar and borders are the window manager's; before the first showing they are
    // unknown, so room for a title bar is kept.
    const int frame = std::max(frameGeometry().height() - height(), fontMetrics().lineSpacing() * 2);
    const int room = available.height() - frame;

    int kept = height(); // as the user may have resized it
    if (!m_heightChosen) {
        // The list at its first, roomy minimum, and lines for the notes to come.
        kept = leastHeight() + fontMetrics().lineSpacing() * kNoteLines;
        m_corrections->setMinimumHeight(correctionLinesHeight(kCorrectionLines));
        layout()->activate(); // the dialog's minimum follows the list's
        m_heightChosen = true;
    }
    // Notes longer than the space kept for them make the dialog taller, within the screen.
    kept = std::min(std::max(kept, leastHeight()), room);
    if (kept != height()) {
        resize(width(), kept);
    }
    // Grown downwards, the dialog is moved back up onto the screen.
    const QRect outer = frameGeometry();
    if (outer.bottom() > available.bottom()) {
        move(x(), std::max(available.top(), y() - (outer.bottom() - available.bottom())));
    }
}

void PasswordEntryDialog::setTyped(const QString& text)
{
    m_input->setText(text);
    m_input->setFocus();
}

void PasswordEntryDialog::useChosenCorrection()
{
    const QListWidgetItem* chosen = m_corrections->currentItem();
    if (chosen != nullptr) {
        // The player's blanks and dashes stay, so the corrected password reads as it was typed.
        const std::string repaired = chosen->data(kCorrectionRole).toString().toStdString();
        m_input->setText(QString::fromStdString(repairAsTyped(m_input->text().toStdString(), repaired)));
        m_input->setFocus();
    }
}

void PasswordEntryDialog::loadRequested()
{
    const TypedPassword typed(m_input->text());
    if (!typed.loadable()) {
        return;
    }
    if (typed.checksumMatches()) {
        load(typed.password());
    } else {
        confirmChecksum(typed.password(), typed.checksumQuestion());
    }
}

void PasswordEntryDialog::confirmChecksum(const std::string& password, const QString& question)
{
    // Not blocking: the question waits over the dialog, and the answer carries on from here.
    auto* box = new QMessageBox(QMessageBox::Question, tr("Checksum does not match"), question,
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("checksumConfirmation"));
    box->setTextFormat(Qt::PlainText);
    box->button(QMessageBox::Yes)->setText(commandWordText("loadAnyway"));
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::buttonClicked, this, [this, box, password](QAbstractButton* button) {
        if (box->standardButton(button) == QMessageBox::Yes) {
            load(password);
        }
    });
    box->open();
}

void PasswordEntryDialog::load(const std::string& password)
{
    m_session.enterPassword(password);
    accept();
}

} // namespace quandrel
