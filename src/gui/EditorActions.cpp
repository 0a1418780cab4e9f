#include "EditorActions.h"

#include "AboutBox.h"
#include "CommandWordText.h"
#include "EditorDocument.h"
#include "PasswordEntryDialog.h"
#include "ShortcutListDialog.h"
#include "editor/ShortcutTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

namespace quandrel {

namespace {

// The platform's usual keys for a standard command, less the bare function keys that only a few
// keyboards have (X11 adds F14 to Undo for one).
QList<QKeySequence> usualKeys(QKeySequence::StandardKey command)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    keys.removeIf([](const QKeySequence& key) {
        return key.count() == 1 && key[0].keyboardModifiers() == Qt::NoModifier && key[0].key() >= Qt::Key_F13 &&
               key[0].key() <= Qt::Key_F35;
    });
    return keys;
}

std::string translatedSessionText(std::string_view english)
{
    return QCoreApplication::translate("quandrel::EditorSession", std::string(english).c_str()).toStdString();
}

// The command's keys from the shortcut table, after the platform's usual ones for it.
QList<QKeySequence> tableKeys(std::string_view command, QList<QKeySequence> keys = {})
{
    for (const Shortcut& shortcut : editorShortcuts()) {
        for (const std::string_view key : shortcut.keys) {
            const QKeySequence sequence(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())),
                                        QKeySequence::PortableText);
            if (shortcut.command == command && !key.empty() && !keys.contains(sequence)) {
                keys << sequence;
            }
        }
    }
    return keys;
}

} // namespace

EditorActions::EditorActions(EditorDocument& document, QString slotFolder, QWidget* window)
    : QObject(window), m_document(document), m_window(window), m_slotFolder(std::move(slotFolder))
{
    createActions();
    connectSignals();
    refresh();
}

QAction* EditorActions::addAction(const QString& name, const QString& text, const QList<QKeySequence>& shortcuts)
{
    auto* action = new QAction(text, m_window);
    action->setObjectName(name);
    action->setShortcuts(shortcuts);
    // The command's fixed name, for the shortcut list, whatever its menu text comes to say.
    action->setIconText(QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    // On the window itself too, so the shortcuts work whatever the menu bar does.
    m_window->addAction(action);
    return action;
}

void EditorActions::createActions()
{
    m_enterPassword =
        addAction(QStringLiteral("enterPasswordAction"), commandWordText("enterPassword"), tableKeys("enterPassword"));
    m_newGame = addAction(QStringLiteral("newGameAction"), commandWordText("newGame"), tableKeys("newGame"));
    m_everything = addAction(QStringLiteral("everythingAction"), commandWordText("everything"), {});
    m_quit = addAction(QStringLiteral("quitAction"), commandWordText("quit"), tableKeys("quit"));

    m_undo = addAction(QStringLiteral("undoAction"), commandWordText("undo"),
                       tableKeys("undo", usualKeys(QKeySequence::Undo)));
    // The keys of both conventions, whichever the platform prefers.
    m_redo = addAction(QStringLiteral("redoAction"), commandWordText("redo"),
                       tableKeys("redo", usualKeys(QKeySequence::Redo)));
    m_copyPassword =
        addAction(QStringLiteral("copyPasswordAction"), commandWordText("copyPassword"), tableKeys("copyPassword"));
    m_pastePassword =
        addAction(QStringLiteral("pastePasswordAction"), commandWordText("pastePassword"), tableKeys("pastePassword"));

    m_keyboardAccess = addAction(QStringLiteral("keyboardAccessAction"), commandWordText("keyboardAccess"), {});
    m_keyboardAccess->setCheckable(true);

    m_keyboardShortcuts =
        addAction(QStringLiteral("keyboardShortcutsAction"), commandWordText("keyboardShortcuts"), {});
    m_about = addAction(QStringLiteral("aboutAction"), commandWordText("about"), {});
    m_about->setMenuRole(QAction::AboutRole);
    m_aboutQt = addAction(QStringLiteral("aboutQtAction"), commandWordText("aboutQt"), {});
    m_aboutQt->setMenuRole(QAction::AboutQtRole);
}

void EditorActions::connectSignals()
{
    connect(&m_document, &EditorDocument::changed, this, &EditorActions::refresh);
    connect(m_enterPassword, &QAction::triggered, this, &EditorActions::openPasswordEntry);
    connect(m_newGame, &QAction::triggered, this, [this] { m_document.session().newGame(); });
    connect(m_everything, &QAction::triggered, this, [this] { m_document.session().everything(); });
    connect(m_quit, &QAction::triggered, m_window, &QWidget::close);
    connect(m_undo, &QAction::triggered, this, [this] { m_document.session().undo(); });
    connect(m_redo, &QAction::triggered, this, [this] { m_document.session().redo(); });
    connect(m_copyPassword, &QAction::triggered, this, &EditorActions::copyShownPassword);
    connect(m_pastePassword, &QAction::triggered, this, &EditorActions::pasteIntoPasswordEntry);
    connect(m_keyboardShortcuts, &QAction::triggered, this, &EditorActions::openShortcutList);
    connect(m_about, &QAction::triggered, this, [this] { showAbout(m_window, m_slotFolder); });
    connect(m_aboutQt, &QAction::triggered, this, [this] { QMessageBox::aboutQt(m_window, tr("About Qt")); });
}

void EditorActions::refresh()
{
    const EditorSession& session = m_document.session();
    m_undo->setEnabled(session.history().canUndo());
    m_redo->setEnabled(session.history().canRedo());
    // The session words the captions; the menu adds its mnemonic.
    m_undo->setText(QLatin1Char('&') + QString::fromStdString(session.undoCaption(translatedSessionText)));
    m_redo->setText(QLatin1Char('&') + QString::fromStdString(session.redoCaption(translatedSessionText)));
}

void EditorActions::openPasswordEntry()
{
    if (m_passwordEntry == nullptr) {
        m_passwordEntry = new PasswordEntryDialog(m_document.session(), m_window);
        m_passwordEntry->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_passwordEntry->open();
    m_passwordEntry->raise();
    m_passwordEntry->activateWindow();
}

void EditorActions::pasteIntoPasswordEntry()
{
    // The entry box keeps only the first 200 characters, so a huge clipboard cannot stall its checks.
    const QString text = QApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        // Window-modal but not blocking, as the window's other notes.
        auto* box = new QMessageBox(QMessageBox::Information, commandWordText("pasteTitle"),
                                    QString::fromStdString(translatedSessionText(EditorSession::kNothingToPaste)),
                                    QMessageBox::Ok, m_window);
        box->setObjectName(QStringLiteral("nothingToPaste"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return;
    }
    openPasswordEntry();
    m_passwordEntry->setTyped(text);
}

void EditorActions::openShortcutList()
{
    if (m_shortcutList == nullptr) {
        m_shortcutList = new ShortcutListDialog(m_window->actions(), m_window);
        m_shortcutList->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_shortcutList->show();
    m_shortcutList->raise();
    m_shortcutList->activateWindow();
}

void EditorActions::copyShownPassword()
{
    QApplication::clipboard()->setText(QString::fromStdString(m_document.model().controls().password));
}

} // namespace quandrel
