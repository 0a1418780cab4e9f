#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QWidget;

namespace quandrel {

class EditorDocument;
class PasswordEntryDialog;
class ShortcutListDialog;

// The commands of the window's menus and shortcuts, over the model and its undo history.
// Create it once the window has run its first assembly, which is no step to undo.
class EditorActions final : public QObject {
    Q_OBJECT

public:
    // `slotFolder` is where the slot files are kept, for Help > About.
    EditorActions(EditorDocument& document, QString slotFolder, QWidget* window);

    QAction* enterPassword() const { return m_enterPassword; }
    QAction* newGame() const { return m_newGame; }
    QAction* everything() const { return m_everything; }
    QAction* quit() const { return m_quit; }
    QAction* undo() const { return m_undo; }
    QAction* redo() const { return m_redo; }
    QAction* copyPassword() const { return m_copyPassword; }
    QAction* pastePassword() const { return m_pastePassword; }
    QAction* keyboardAccess() const { return m_keyboardAccess; }
    QAction* keyboardShortcuts() const { return m_keyboardShortcuts; }
    QAction* about() const { return m_about; }
    QAction* aboutQt() const { return m_aboutQt; }

private:
    void createActions();
    void connectSignals();
    void refresh();

    QAction* addAction(const QString& name, const QString& text, const QList<QKeySequence>& shortcuts);
    void openPasswordEntry();
    void openShortcutList();
    void copyShownPassword();
    void pasteIntoPasswordEntry();

    EditorDocument& m_document;
    QWidget* m_window;
    QAction* m_enterPassword = nullptr;
    QAction* m_newGame = nullptr;
    QAction* m_everything = nullptr;
    QAction* m_quit = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_copyPassword = nullptr;
    QAction* m_pastePassword = nullptr;
    QAction* m_keyboardAccess = nullptr;
    QAction* m_keyboardShortcuts = nullptr;
    QAction* m_about = nullptr;
    QAction* m_aboutQt = nullptr;
    QString m_slotFolder;
    QPointer<PasswordEntryDialog> m_passwordEntry;
    QPointer<ShortcutListDialog> m_shortcutList;
};

} // namespace quandrel
