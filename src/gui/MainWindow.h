#pragma once

#include "EditorDocument.h"
#include "SlotCommands.h"
#include "credits/CreditsWindow.h"

#include <QMainWindow>
#include <QPointer>

#include <filesystem>

namespace quandrel {

class CounterPanel;
class EditorActions;
class PasswordPanel;

// The editor window. It owns the model and gives it to each panel. The slot files live in `slotFolder`; a relative one
// is taken as it stands at each click.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(std::filesystem::path slotFolder, QWidget* parent = nullptr);

    EditorModel& model() { return m_document.model(); }
    // The credits window while it exists, shown or hidden; null before the first key and after
    // it was discarded.
    CreditsWindow* credits() const { return m_credits; }

    // As --keyboard-access asks: the setting on, for this run only.
    void turnOnKeyboardAccessForThisRun();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createLayout();
    void connectSignals();
    // The menus and their commands, which start from the state of the first assembly.
    void createMenus();

    void placeAtScreenCentre();
    void counterKeyPressed(bool triggerWord);
    void setKeyboardAccess(bool on);
    void tellSettingNotKept();

    EditorDocument m_document;
    SlotCommands m_slots;
    QPointer<CreditsWindow> m_credits;
    QWidget* m_clientArea = nullptr;
    CounterPanel* m_counterPanel = nullptr;
    PasswordPanel* m_passwordPanel = nullptr;
    EditorActions* m_actions = nullptr;
};

} // namespace quandrel
