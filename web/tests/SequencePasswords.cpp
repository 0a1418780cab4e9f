// Plays the web test's action sequences on the native editor model and prints, for each, its
// name and the password the window ends on: what the page must show for the same actions.
// Usage: web_sequence_passwords SEQUENCES_FILE

#include "codec/Decoder.h"
#include "codec/Password.h"
#include "codec/PasswordCheck.h"
#include "editor/EditorHistory.h"
#include "editor/EditorModel.h"
#include "editor/Presets.h"
#include "slotfile/SlotField.h"
#include "support/CounterKeys.h"

#include <array>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

namespace quandrel {
namespace {

// The page's five slots: each holds a slot file's bytes; a load creates the missing ones first.
class Slots final {
public:
    void save(int slot, const std::string& password) { m_slots[slot] = password + "\r\n"; }

    void load(EditorModel& model, int slot)
    {
        for (int s = 1; s <= 5; ++s) {
            m_slots.try_emplace(s, initialPassword() + "\r\n");
        }
        const std::optional<std::string> field = firstSlotField(m_slots[slot]);
        try {
            model.loadDecoded(decodeSlotText(field.value_or("")), "Load slot " + std::to_string(slot));
        } catch (const InvalidSymbol&) {
            model.clearSelectAllBorder();
        }
    }

private:
    std::map<int, std::string> m_slots;
};

// "Image4(12)" as its name and index; -1 for a control that is not in an array.
std::pair<std::string, int> splitControl(const std::string& control)
{
    const std::size_t open = control.find('(');
    if (open == std::string::npos) {
        return {control, -1};
    }
    return {control.substr(0, open), std::stoi(control.substr(open + 1))};
}

void click(EditorModel& model, const std::string& control)
{
    const auto [name, index] = splitControl(control);
    if (name == "Image4") {
        model.Image4_Click(index);
    } else if (name == "Image8") {
        model.Image8_Click();
    } else if (name == "Label3") {
        model.Label3_Click(index);
    } else if (name == "Image5") {
        model.Image5_Click(index);
    } else if (name == "Option1") {
        model.Option1_Click(index);
    } else if (name == "Command1") {
        model.Command1_Click(index);
    } else {
        throw std::invalid_argument("no click for " + control);
    }
}

// A click on the box, then each key as the page delivers it: the model sees the key first, and
// a key it keeps is inserted at the end of the box's text.
void type(EditorModel& model, int box, const std::string& keys)
{
    model.Text1_Click(box);
    test::typeCounterKeys(model, box, keys);
}

std::string play(const std::string& actions)
{
    EditorModel model([] { return std::string("12:00:00"); });
    model.Form_Load();
    EditorHistory history(model);
    Slots slots;
    std::istringstream words(actions);
    std::string action;
    while (words >> action) {
        const std::size_t colon = action.find(':');
        const std::string verb = action.substr(0, colon);
        const std::string argument = colon == std::string::npos ? "" : action.substr(colon + 1);
        if (verb == "click") {
            click(model, argument);
        } else if (verb == "type") {
            type(model, std::stoi(argument), argument.substr(argument.find(':') + 1));
        } else if (verb == "save") {
            slots.save(std::stoi(argument), model.controls().password);
        } else if (verb == "load") {
            slots.load(model, std::stoi(argument));
        } else if (verb == "undo") {
            history.undo();
        } else if (verb == "redo") {
            history.redo();
        } else if (verb == "new") {
            model.newGame();
        } else if (verb == "everything") {
            model.applyPreset(everythingPreset(), "Everything");
        } else if (verb == "enter") {
            model.loadDecoded(decodeSlotText(normalizePassword(argument)), "Enter password");
        } else {
            throw std::invalid_argument("unknown action " + action);
        }
    }
    return model.controls().password;
}

} // namespace
} // namespace quandrel

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: web_sequence_passwords SEQUENCES_FILE\n";
        return 2;
    }
    std::ifstream file(argv[1]);
    if (!file) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 2;
    }
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::size_t colon = line.find(':');
        std::cout << line.substr(0, colon) << '\t' << quandrel::play(line.substr(colon + 1)) << '\n';
    }
    return 0;
}
