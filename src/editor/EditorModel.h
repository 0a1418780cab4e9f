#pragma once

#include "EditorControls.h"
#include "codec/Decoder.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quandrel {

// The editor behind the main window: the controls' state and one operation per handler of
// the window, named after the control and notification it serves. The window forwards the
// user's events here and redraws from the accessors when a change is reported.
class EditorModel final {
public:
    // The time of day as text, for the checksum line; injectable so tests can fix it.
    using Clock = std::function<std::string()>;
    using ChangeListener = std::function<void()>;
    // Called after each outermost handler with the controls as they were before it ran.
    using ActionListener = std::function<void(const EditorControls& before)>;

    explicit EditorModel(Clock clock = systemTimeOfDay);

    static std::string systemTimeOfDay();

    // Called once after every handler that may have changed something.
    void addChangeListener(ChangeListener listener);
    void addActionListener(ActionListener listener);

    const EditorControls& controls() const { return m_controls; }
    // A short name of the last outermost action, such as "Object 12" or "Load slot 3".
    const std::string& actionLabel() const { return m_actionLabel; }
    // Restores a whole earlier state of the controls.
    void restore(const EditorControls& controls);

    // The assembly: rebuilds the world section and the password from the section cache.
    void makechecksum();
    void Form_Load();

    void Image4_Click(int index);   // object pictures and the shield place
    void Image8_Click();            // select all / clear all
    void Label3_Click(int index);   // world status labels
    void Image5_Click(int index);   // warrior pictures
    void Option1_Click(int index);  // chooses the value row that "-" and "+" step
    void Command1_Click(int index); // 0 is "-", 1 is "+"
    void Text1_Click(int index);    // empties a counter box for new input

    // A character key in a counter box, before the box inserts it. Sets `keyCode` to 0 when
    // the box must discard the key. Returns true when the last eight keys spell the trigger word.
    bool Text1_KeyPress(int index, int& keyCode);

    // The box's text was changed by the user's editing (typing, deleting, pasting). Text that is
    // not all digits is refused and false returned; the box must then show its previous text.
    bool Text1_Change(int index, std::string text);

    // A load clears the select-all switch's border before it reads the slot.
    void clearSelectAllBorder();

    // Sets every control from a decoded slot text and reassembles the password.
    void showDecoded(const DecodedState& decoded);

    // A load as one action: clears the select-all border, then shows the decoded slot text.
    void loadDecoded(const DecodedState& decoded, std::string label = "Load");

    // Shows a whole game state as one action, the way a load brings it in.
    void applyPreset(const GameState& state, std::string label = "Load");

    // Game > New game: the window as it starts, as one action. Unlike a load it also starts the
    // shield and warrior cycles again, and the chosen row, the counters' colours and the typed
    // keys are those of a fresh start.
    void newGame();

    // The game state the controls show. The counters are as typed, possibly incomplete.
    GameState shownState() const;
    std::string displayGroup(int group) const;

    static constexpr std::string_view kTriggerWord = "trevanox";

private:
    class ChangeScope;

    void setCounterText(int index, std::string text);
    void counterChanged(int index);
    // Sets the four flags of a world, each change notified on its own as a click would be.
    void setFlags(int world, const std::array<bool, kFlagsPerWorld>& flags);
    void encodeObjectSection();
    void encodeVitalitySection();
    void showWarriorState(int state);
    void notifyIfOutermost();

    EditorControls m_controls;
    Clock m_clock;
    std::vector<ChangeListener> m_listeners;
    std::vector<ActionListener> m_actionListeners;
    EditorControls m_actionStart;
    std::string m_actionLabel;
    int m_handlerDepth = 0;
};

} // namespace quandrel
