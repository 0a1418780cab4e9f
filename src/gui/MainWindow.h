#pragma once

#include "credits/CreditsWindow.h"
#include "editor/EditorModel.h"
#include "slots/SlotCommands.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <filesystem>
#include <functional>

class QLabel;

namespace quandrel {

class CounterPanel;
class EditorActions;
class PasswordPanel;
class SlotPanel;

// The editor window. It owns the model, gives it to each panel, and keeps the hidden
// bookkeeping labels in step with it.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    // Slots are kept in `slotFolder`; a relative one follows the working directory.
    explicit MainWindow(std::filesystem::path slotFolder, QWidget* parent = nullptr);

    EditorModel& model() { return m_model; }
    // The credits window while it exists, shown or hidden; null before the first key and after
    // it was discarded.
    CreditsWindow* credits() const { return m_credits; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createLayout();
    void connectSignals();
    void refresh();
    // The menus and their commands, which start from the state of the first assembly.
    void createMenus();

    QLabel* addHiddenLabel(const QString& name);
    void placeAtScreenCentre();
    void counterKeyPressed(bool triggerWord);
    // Runs a save or load, and tells the user what failed, if anything.
    void runSlotCommand(const std::function<void()>& command);

    EditorModel m_model;
    std::filesystem::path m_slotFolder;
    SlotCommands m_slots;
    QPointer<CreditsWindow> m_credits;
    SlotPanel* m_slotPanel = nullptr;
    QWidget* m_clientArea = nullptr;
    CounterPanel* m_counterPanel = nullptr;
    PasswordPanel* m_passwordPanel = nullptr;
    EditorActions* m_actions = nullptr;
    std::array<QLabel*, kSectionLabelCount> m_sectionLabels{};
    QLabel* m_passwordLabel = nullptr;
    QLabel* m_keyBufferLabel = nullptr;
};

} // namespace quandrel
