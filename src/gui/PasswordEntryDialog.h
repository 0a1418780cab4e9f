#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quandrel {

class EditorSession;

// Takes a typed or pasted password, checks it at every keystroke, offers corrections for a
// mistyped one and loads it into the window the way a slot load does. A password with a wrong
// checksum loads only after the user confirms.
class PasswordEntryDialog final : public QDialog {
    Q_OBJECT

public:
    PasswordEntryDialog(EditorSession& session, QWidget* parent);

    // Puts a pasted password in the box, checked and with its corrections.
    void setTyped(const QString& text);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createLayout();
    void connectSignals();
    void refresh();
    void applyProblemColour();
    // One height while the user types: the space for the notes and a handful of corrections is
    // kept from the start, and the corrections list takes whatever the notes leave of it. Only
    // notes longer than that space make the dialog taller, and never beyond the screen.
    void fitToContentsAndScreen();
    int correctionLinesHeight(int lines) const;
    // The height at which nothing of the dialog is cut off.
    int leastHeight() const;

    void loadRequested();
    void confirmChecksum(const std::string& password, const QString& question);
    void load(const std::string& password);
    void useChosenCorrection();

    EditorSession& m_session;
    QLineEdit* m_input = nullptr;
    QLabel* m_echo = nullptr;
    QLabel* m_length = nullptr;
    QLabel* m_problems = nullptr;
    QLabel* m_checksum = nullptr;
    QLabel* m_correctionsNote = nullptr;
    QListWidget* m_corrections = nullptr;
    QPushButton* m_useCorrection = nullptr;
    QLabel* m_verdict = nullptr;
    QPushButton* m_load = nullptr;
    bool m_heightChosen = false; // when first shown
};

} // namespace quandrel
