#include "EditorModel.h"

#include "codec/Password.h"
#include "codec/Sections.h"
#include "platform/LocalTime.h"

#include <algorithm>
#include <ctime>
#include <string>

namespace quandrel {

namespace {

constexpr int kRedBelowLength = 2;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

bool allDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Borders and visibility of the four warrior pictures in each warrior state.
struct WarriorDisplay {
    std::array<bool, kWarriorPictureCount> border;
    std::array<bool, kWarriorPictureCount> visible;
};

constexpr std::array<WarriorDisplay, kWarriorStateCount> kWarriorDisplays = {{
    {{true, false, false, false}, {true, true, false, false}},
    {{false, true, false, false}, {true, true, false, false}},
    {{true, false, false, false}, {true, false, false, true}},
    {{false, true, false, false}, {false, true, true, false}},
}};

// The picture that shows a shield choice at the shield place.
int shieldPicture(Shield shield)
{
    return shield == Shield::None ? kNoShieldPicture : kFirstShieldPicture + static_cast<int>(shield) - 1;
}

// The shield that the shield place shows; no shield picture shown counts as none.
Shield shownShield(const EditorControls& controls)
{
    Shield shield = Shield::None;
    for (const Shield s : {Shield::One, Shield::Two, Shield::Three}) {
        if (controls.objectVisible[at(shieldPicture(s))]) {
            shield = s;
        }
    }
    return shield;
}

// Shows exactly one picture at the shield place.
void showShield(EditorControls& controls, Shield shield)
{
    for (int i = kFirstShieldPicture; i <= kNoShieldPicture; ++i) {
        controls.objectVisible[at(i)] = i == shieldPicture(shield);
    }
}

std::array<World, kWorldCount> shownWorlds(const EditorControls& controls)
{
    std::array<World, kWorldCount> worlds;
    for (int w = 0; w < kWorldCount; ++w) {
        worlds[at(w)].state = controls.worldStates[at(w)];
        for (int k = 0; k < kFlagsPerWorld; ++k) {
            worlds[at(w)].flags[at(k)] = controls.flags[at(flagIndex(w, k))];
        }
    }
    return worlds;
}

std::array<bool, kObjectCount> carriedObjects(const EditorControls& controls)
{
    std::array<bool, kObjectCount> objects;
    std::copy_n(controls.objectBorder.begin(), kObjectCount, objects.begin());
    return objects;
}

} // namespace

// Reports a change to the listeners once the outermost handler returns, so that the window
// redraws once per user action however many nested handlers ran.
class EditorModel::ChangeScope final {
public:
    explicit ChangeScope(EditorModel& model, std::string label = {}) : m_model(model)
    {
        if (m_model.m_handlerDepth++ == 0) {
            m_model.m_actionLabel = std::move(label);
            if (!m_model.m_actionListeners.empty()) {
                m_model.m_actionStart = m_model.m_controls;
            }
        }
    }
    ~ChangeScope() { m_model.notifyIfOutermost(); }
    ChangeScope(const ChangeScope&) = delete;
    ChangeScope& operator=(const ChangeScope&) = delete;

private:
    EditorModel& m_model;
};

EditorModel::EditorModel(Clock clock) : m_controls(EditorControls::initial()), m_clock(std::move(clock)) {}

std::string EditorModel::systemTimeOfDay()
{
    const std::tm local = platform::localTime(std::time(nullptr));
    char text[64];
    const std::size_t length = std::strftime(text, sizeof text, "%X", &local);
    return std::string(text, length);
}

void EditorModel::addChangeListener(ChangeListener listener) { m_listeners.push_back(std::move(listener)); }

void EditorModel::addActionListener(ActionListener listener) { m_actionListeners.push_back(std::move(listener)); }

void EditorModel::notifyIfOutermost()
{
    if (--m_handlerDepth == 0) {
        for (const auto& listener : m_actionListeners) {
            listener(m_actionStart);
        }
        for (const auto& listener : m_listeners) {
            listener();
        }
    }
}

void EditorModel::restore(const EditorControls& controls)
{
    ChangeScope scope(*this);
    m_controls = controls;
}

void EditorModel::makechecksum()
{
    ChangeScope scope(*this);
    m_controls.section(SectionSlot::Worlds) = encodeWorldSection(shownWorlds(m_controls));

    std::string password;
    for (const SectionSlot slot : {SectionSlot::Counters, SectionSlot::Vitality, SectionSlot::Worlds,
                                   SectionSlot::Objects, SectionSlot::Warrior}) {
        password += m_controls.section(slot);
    }
    const std::string checksum = checksumOf(password);
    m_controls.section(SectionSlot::ChecksumLine) = checksumLine(checksum, m_clock());
    m_controls.password = password + checksum;
}

void EditorModel::Form_Load() { makechecksum(); }

void EditorModel::encodeObjectSection()
{
    m_controls.section(SectionSlot::Objects) =
        quandrel::encodeObjectSection(carriedObjects(m_controls), shownShield(m_controls));
}

void EditorModel::Image4_Click(int index)
{
    if (index < 0 || index >= kObjectPictureCount || !m_controls.objectVisible[at(index)]) {
        return; // hidden pictures take no clicks
    }
    ChangeScope scope(*this, index < kFirstShieldPicture ? "Object " + std::to_string(index + 1) : "Shield");
    // The counter leaves 0 on the first click on any object picture without advancing.
    if (m_controls.shieldCounter == 0) {
        m_controls.shieldCounter = 1;
    }
    if (index >= kFirstShieldPicture) {
        // Counter 1 shows no shield, 2 to 4 show shields 1 to 3.
        showShield(m_controls, static_cast<Shield>(m_controls.shieldCounter - 1));
        m_controls.shieldCounter = m_controls.shieldCounter == 4 ? 1 : m_controls.shieldCounter + 1;
    } else if (index != kWorldBoundObject) {
        m_controls.objectBorder[at(index)] = !m_controls.objectBorder[at(index)];
    }
    encodeObjectSection();
    makechecksum();
}

void EditorModel::Image8_Click()
{
    ChangeScope scope(*this, "Select all");
    const bool mark = !m_controls.selectAllBorder;
    for (int i = 0; i < kObjectCount; ++i) {
        if (i != kWorldBoundObject) {
            m_controls.objectBorder[at(i)] = mark;
        }
    }
    m_controls.selectAllBorder = mark;
    encodeObjectSection();
    makechecksum();
}

void EditorModel::clearSelectAllBorder()
{
    ChangeScope scope(*this, "Load");
    m_controls.selectAllBorder = false;
}

void EditorModel::setFlags(int world, const std::array<bool, kFlagsPerWorld>& flags)
{
    for (int k = 0; k < kFlagsPerWorld; ++k) {
        bool& shown = m_controls.flags[at(flagIndex(world, k))];
        if (shown != flags[at(k)]) {
            shown = flags[at(k)];
            makechecksum(); // the flag's own click notification
        }
    }
}

void EditorModel::Label3_Click(int index)
{
    if (index < 0 || index >= kWorldCount) {
        return;
    }
    ChangeScope scope(*this, "World " + std::to_string(index + 1));
    for (int w = 0; w < index; ++w) {
        m_controls.worldStates[at(w)] = WorldState::BossKilled;
        setFlags(w, {true, true, true, true});
    }
    const bool wasActive = m_controls.worldStates[at(index)] == WorldState::Active;
    m_controls.worldStates[at(index)] = wasActive ? WorldState::Open : WorldState::Active;
    m_controls.objectBorder[kWorldBoundObject] = !wasActive;
    setFlags(index, {});
    for (int w = index + 1; w < kWorldCount; ++w) {
        m_controls.worldStates[at(w)] = WorldState::Closed;
        setFlags(w, {});
    }
    encodeObjectSection();
    makechecksum();
}

void EditorModel::showWarriorState(int state)
{
    // Every state sets all four pictures, so that the display matches the state even after a
    // load has left the cycle elsewhere.
    m_controls.warriorBorder = kWarriorDisplays[at(state)].border;
    m_controls.warriorVisible = kWarriorDisplays[at(state)].visible;
}

void EditorModel::Image5_Click(int index)
{
    if (index < 0 || index >= kWarriorPictureCount || !m_controls.warriorVisible[at(index)]) {
        return;
    }
    ChangeScope scope(*this, "Warrior " + std::to_string(index + 1));
    const int state = m_controls.warriorCounter;
    showWarriorState(state);
    m_controls.warriorCounter = (state + 1) % kWarriorStateCount;
    m_controls.section(SectionSlot::Warrior) = encodeWarriorSection(state);
    makechecksum();
}

void EditorModel::Option1_Click(int index)
{
    if (index < 0 || index >= kValueCount) {
        return;
    }
    ChangeScope scope(*this, "Row " + std::to_string(index + 1));
    m_controls.selectedRow = index;
}

void EditorModel::encodeVitalitySection()
{
    m_controls.section(SectionSlot::Vitality) = quandrel::encodeVitalitySection(m_controls.values);
}

void EditorModel::Command1_Click(int index)
{
    if (index < 0 || index > 1) {
        return;
    }
    ChangeScope scope(*this, index == 0 ? "Minus" : "Plus");
    int& value = m_controls.values[at(m_controls.selectedRow)];
    if (index == 1) {
        value = std::min(value + 1, kMaxValue);
        // Both experience limits apply on every "+", whichever row is chosen.
        m_controls.values[3] = std::min(m_controls.values[3], kMaxExperience);
        m_controls.values[1] = std::min(m_controls.values[1], kMaxExperience);
    } else {
        value = std::max(value - 1, 0);
    }
    encodeVitalitySection();
    makechecksum();
}

void EditorModel::Text1_Click(int index)
{
    if (index < 0 || index >= kCounterCount) {
        return;
    }
    ChangeScope scope(*this, "Counter " + std::to_string(index + 1));
    setCounterText(index, "");
}

bool EditorModel::Text1_KeyPress(int index, int& keyCode)
{
    if (index < 0 || index >= kCounterCount) {
        keyCode = 0;
        return false;
    }
    ChangeScope scope(*this, "Counter " + std::to_string(index + 1));
    // Every key reaches the buffer, letters and control characters included, before the filter.
    std::string& buffer = m_controls.keyBuffer;
    if (buffer.size() >= kTriggerWord.size()) {
        buffer.erase(0, buffer.size() - (kTriggerWord.size() - 1));
    }
    buffer.push_back(static_cast<char>(keyCode));
    const bool triggered = buffer == kTriggerWord;

    if (keyCode < '0' || keyCode > '9') {
        keyCode = 0;
    }
    // The colour follows the text before this key: red while fewer than two digits stand.
    m_controls.counterColour[at(index)] =
        m_controls.counterText[at(index)].size() < kRedBelowLength ? TextColour::Red : TextColour::WindowText;
    return triggered;
}

bool EditorModel::Text1_Change(int index, std::string text)
{
    if (index < 0 || index >= kCounterCount || text.size() > kCounterLength || !allDigits(text)) {
        return false;
    }
    ChangeScope scope(*this, "Counter " + std::to_string(index + 1));
    setCounterText(index, std::move(text));
    return true;
}

void EditorModel::setCounterText(int index, std::string text)
{
    if (m_controls.counterText[at(index)] == text) {
        return; // an unchanged text raises no change notification
    }
    m_controls.counterText[at(index)] = std::move(text);
    counterChanged(index);
}

void EditorModel::counterChanged(int index)
{
    if (m_controls.counterText[at(index)].size() != kCounterLength) {
        return;
    }
    // A counter still incomplete when another one completes is filled with 999.
    for (int k = 0; k < kCounterCount; ++k) {
        if (m_controls.counterText[at(k)].size() < kCounterLength) {
            setCounterText(k, "999");
        }
    }
    m_controls.section(SectionSlot::Counters) = encodeCounterSection(m_controls.counterText);
    makechecksum();
}

void EditorModel::showDecoded(const DecodedState& decoded)
{
    ChangeScope scope(*this, "Load");
    for (int c = 0; c < kCounterCount; ++c) {
        setCounterText(c, decoded.counters[at(c)]);
    }
    m_controls.values = decoded.values;
    for (int w = 0; w < kWorldCount; ++w) {
        setFlags(w, decoded.flags[at(w)]);
        if (decoded.worldStates[at(w)]) {
            m_controls.worldStates[at(w)] = *decoded.worldStates[at(w)];
        }
    }
    std::copy(decoded.objects.begin(), decoded.objects.end(), m_controls.objectBorder.begin());
    if (decoded.shield) {
        showShield(m_controls, *decoded.shield);
    }
    if (decoded.warrior) {
        showWarriorState(*decoded.warrior);
    }
    makechecksum();
    encodeObjectSection();
    encodeVitalitySection();
    if (decoded.warrior) {
        m_controls.section(SectionSlot::Warrior) = encodeWarriorSection(*decoded.warrior);
    }
    makechecksum();
}

void EditorModel::loadDecoded(const DecodedState& decoded, std::string label)
{
    ChangeScope scope(*this, std::move(label));
    clearSelectAllBorder();
    showDecoded(decoded);
}

void EditorModel::applyPreset(const GameState& state, std::string label)
{
    loadDecoded(decodedStateOf(state), std::move(label));
}

void EditorModel::newGame()
{
    ChangeScope scope(*this, "New game");
    m_controls = EditorControls::initial();
    Form_Load();
}

GameState EditorModel::shownState() const
{
    GameState state;
    state.counters = m_controls.counterText;
    state.values = m_controls.values;
    state.worlds = shownWorlds(m_controls);
    state.objects = carriedObjects(m_controls);
    state.shield = shownShield(m_controls);
    for (int w = 0; w < kWarriorStateCount; ++w) {
        if (m_controls.warriorBorder == kWarriorDisplays[at(w)].border &&
            m_controls.warriorVisible == kWarriorDisplays[at(w)].visible) {
            state.warrior = w;
        }
    }
    return state;
}

std::string EditorModel::displayGroup(int group) const { return displayGroups(m_controls.password)[at(group)]; }

} // namespace quandrel
