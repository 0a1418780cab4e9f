#include "MainMenuBar.h"

#include "CommandWordText.h"
#include "EditorActions.h"

namespace quandrel {

MainMenuBar::MainMenuBar(const EditorActions& actions, QWidget* parent) : QMenuBar(parent) { createLayout(actions); }

void MainMenuBar::createLayout(const EditorActions& actions)
{
    setObjectName(QStringLiteral("menuBar"));

    QMenu* game = addMenu(commandWordText("game"));
    game->setObjectName(QStringLiteral("gameMenu"));
    game->addAction(actions.enterPassword());
    game->addSeparator();
    game->addAction(actions.newGame());
    game->addAction(actions.everything());
    game->addSeparator();
    game->addAction(actions.quit());

    QMenu* edit = addMenu(commandWordText("edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    edit->addAction(actions.undo());
    edit->addAction(actions.redo());
    edit->addSeparator();
    edit->addAction(actions.copyPassword());
    edit->addAction(actions.pastePassword());
    edit->addSeparator();
    edit->addAction(actions.keyboardAccess());

    QMenu* help = addMenu(commandWordText("help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    help->addAction(actions.keyboardShortcuts());
    help->addSeparator();
    help->addAction(actions.about());
    help->addAction(actions.aboutQt());
}

} // namespace quandrel
