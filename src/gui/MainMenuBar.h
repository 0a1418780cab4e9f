#pragma once

#include <QMenuBar>

namespace quandrel {

class EditorActions;

// Game, Edit and Help, above the window's client area.
class MainMenuBar final : public QMenuBar {
    Q_OBJECT

public:
    MainMenuBar(const EditorActions& actions, QWidget* parent);

private:
    void createLayout(const EditorActions& actions);
};

} // namespace quandrel
