#include "WindowLayout.h"

#include "EditorControls.h"
#include "Version.h"
#include "codec/Password.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace quandrel {

namespace {

constexpr int kSlotButtonRows = 5; // one Loadgame and one Savegame button per slot file
constexpr std::string_view kObjectsFrame = "Frame4";

// "objects/object00" to "objects/object36", spelled once at compile time.
constexpr std::string_view kObjectPathPattern = "objects/object00";
constexpr auto kObjectPaths = [] {
    std::array<std::array<char, kObjectPathPattern.size()>, kObjectCount> paths{};
    for (int i = 0; i < kObjectCount; ++i) {
        auto& path = paths[static_cast<std::size_t>(i)];
        std::copy(kObjectPathPattern.begin(), kObjectPathPattern.end(), path.begin());
        path[14] = static_cast<char>('0' + i / 10);
        path[15] = static_cast<char>('0' + i % 10);
    }
    return paths;
}();

constexpr std::string_view kVersionCaptionStart = "Quandrel Password Generator     Version  ";
constexpr auto kVersionCaption = [] {
    std::array<char, kVersionCaptionStart.size() + sizeof(kVersion) - 1> caption{};
    std::copy(kVersionCaptionStart.begin(), kVersionCaptionStart.end(), caption.begin());
    std::copy(kVersion, kVersion + sizeof(kVersion) - 1, caption.begin() + kVersionCaptionStart.size());
    return caption;
}();

template <std::size_t N> constexpr std::string_view view(const std::array<char, N>& text) { return {text.data(), N}; }

std::string_view objectPicture(int index)
{
    static constexpr std::array<std::string_view, 4> kShieldPlace = {"objects/shield1", "objects/shield2",
                                                                     "objects/shield3", "objects/noshield"};
    if (index < kObjectCount) {
        return view(kObjectPaths[static_cast<std::size_t>(index)]);
    }
    return kShieldPlace[static_cast<std::size_t>(index - kFirstShieldPicture)];
}

// Tab order follows the order in which focusable controls are added.
class LayoutBuilder {
public:
    explicit LayoutBuilder(const EditorControls& initial) : m_initial(initial) {}

    ControlLayout& add(ControlLayout control)
    {
        if (control.tabIndex >= 0) {
            control.tabIndex = m_nextTab++;
        }
        return m_controls.emplace_back(control);
    }
    void addFrame(std::string_view name, int index, TwipsRect rect, std::string_view caption)
    {
        add({name, index, ControlKind::Frame, "", rect, caption, "", true, false, -1});
    }
    void addPicture(std::string_view name, int index, std::string_view frame, TwipsRect rect, std::string_view picture,
                    bool visible = true, bool border = false)
    {
        add({name, index, ControlKind::Picture, frame, rect, "", picture, visible, border, -1});
    }

    void addForm();
    void addCounters();
    void addWarrior();
    void addVitality();
    void addSlots();
    void addVersion();
    void addObjects();
    void addWorlds();
    void addPassword();
    void addHiddenLabels();

    std::vector<ControlLayout> take() { return std::move(m_controls); }

private:
    const EditorControls& m_initial;
    std::vector<ControlLayout> m_controls;
    int m_nextTab = 0;
};

constexpr int kTakesFocus = 0; // numbered in order by the builder

void LayoutBuilder::addForm()
{
    ControlLayout& form = add({"Form1",
                               -1,
                               ControlKind::Form,
                               "",
                               {0, 0, 10035, 7770},
                               "The Quandrel Password Generator ",
                               "",
                               true,
                               false,
                               -1});
    // The places leave room for captions of 8 points; a larger font clips them.
    form.font = {"", 8};
    addFrame("Frame1", 0, {120, 120, 1695, 2055}, "Arrows, Coins , Keys");
    addFrame("Frame3", -1, {1920, 120, 855, 2055}, "Warrior");
    addFrame("Frame2", -1, {2880, 120, 1695, 2055}, "Vitality, Experience");
    addFrame("Frame6", -1, {4680, 120, 2775, 2055}, "Load / Save to disk");
    addFrame("Frame8", -1, {7560, 120, 2295, 2055}, "Version Info");
    addFrame(kObjectsFrame, -1, {120, 2280, 5055, 3495}, "Objects");
    addFrame("Frame5", -1, {5280, 2280, 4575, 3495}, "World information");
    addFrame("Frame7", -1, {3000, 6000, 4095, 1575}, "The Quandrel Password ");
}

void LayoutBuilder::addCounters()
{
    // Arrows, coins and keys, each box with its picture at its left.
    struct Row {
        std::string_view picture;
        TwipsRect pictureRect;
        std::string_view path;
    };
    constexpr std::array<Row, kCounterCount> kRows = {{
        {"Image2", {240, 360, 480, 465}, "counters/arrows"},
        {"Image1", {240, 840, 465, 435}, "counters/coin"},
        {"Image3", {240, 1320, 480, 420}, "counters/key"},
    }};
    for (int i = 0; i < kCounterCount; ++i) {
        const Row& row = kRows[static_cast<std::size_t>(i)];
        addPicture(row.picture, -1, "Frame1(0)", row.pictureRect, row.path);
        ControlLayout& box = add({"Text1",
                                  i,
                                  ControlKind::TextBox,
                                  "Frame1(0)",
                                  {960, 480 + 480 * i, 495, 285},
                                  "",
                                  "",
                                  true,
                                  false,
                                  kTakesFocus});
        box.alignment = TextAlignment::Centre;
        box.maxLength = static_cast<int>(kCounterLength);
    }
}

void LayoutBuilder::addWarrior()
{
    constexpr std::array<std::string_view, kWarriorPictureCount> kPaths = {"warriors/warrior1", "warriors/warrior2",
                                                                           "warriors/tomb1", "warriors/tomb2"};
    // Each tombstone shares the place of its warrior; a bordered picture is 2 pixels larger on each side.
    constexpr std::array<int, 2> kTops = {360, 1200};
    for (std::size_t i = 0; i < kPaths.size(); ++i) {
        const bool border = m_initial.warriorBorder[i];
        const int size = border ? 600 : 540;
        addPicture("Image5", static_cast<int>(i), "Frame3", {120, kTops[i % 2], size, size}, kPaths[i],
                   m_initial.warriorVisible[i], border);
    }
}

void LayoutBuilder::addVitality()
{
    constexpr std::array<int, kValueCount> kRowTops = {360, 600, 1200, 1440};
    for (int row = 0; row < kValueCount; ++row) {
        const int top = kRowTops[static_cast<std::size_t>(row)];
        add({"Option1",
             row,
             ControlKind::OptionButton,
             "Frame2",
             {120, top, 255, 255},
             "",
             "",
             true,
             false,
             kTakesFocus});
        ControlLayout& value =
            add({"Label1", row, ControlKind::Label, "Frame2", {360, top, 375, 255}, "", "", true, true, -1});
        value.alignment = TextAlignment::Centre;
    }
    addPicture("Image7", 0, "Frame2", {840, 360, 720, 435}, "vitexp");
    addPicture("Image7", 1, "Frame2", {840, 1200, 720, 435}, "vitexp");
    add({"Command1", 0, ControlKind::CommandButton, "Frame2", {840, 840, 255, 255}, "-", "", true, false, kTakesFocus});
    add({"Command1",
         1,
         ControlKind::CommandButton,
         "Frame2",
         {1200, 840, 255, 255},
         "+",
         "",
         true,
         false,
         kTakesFocus});
}

void LayoutBuilder::addSlots()
{
    constexpr std::array<std::string_view, kSlotButtonRows> kLoad = {"Loadgame 1", "Loadgame 2", "Loadgame 3",
                                                                     "Loadgame 4", "Loadgame 5"};
    constexpr std::array<std::string_view, kSlotButtonRows> kSave = {"Savegame 1", "Savegame 2", "Savegame 3",
                                                                     "Savegame 4", "Savegame 5"};
    for (int n = 0; n < kSlotButtonRows; ++n) {
        const int top = 240 + 360 * n;
        const auto at = static_cast<std::size_t>(n);
        add({"Command3",
             n,
             ControlKind::CommandButton,
             "Frame6",
             {120, top, 1215, 255},
             kLoad[at],
             "",
             true,
             false,
             kTakesFocus});
        add({"Command2",
             n,
             ControlKind::CommandButton,
             "Frame6",
             {1440, top, 1215, 255},
             kSave[at],
             "",
             true,
             false,
             kTakesFocus});
    }
}

void LayoutBuilder::addVersion()
{
    // Narrower than its caption, so that the version wraps onto a line below the name.
    ControlLayout& text = add({"Label7",
                               -1,
                               ControlKind::Label,
                               "Frame8",
                               {120, 360, 1935, 1095},
                               view(kVersionCaption),
                               "",
                               true,
                               false,
                               -1});
    text.wordWrap = true;
}

void LayoutBuilder::addObjects()
{
    // A grid of 8 columns and 5 rows, 600 twips apart; the shield pictures lie one above the
    // other in row 4, column 5, and column 6 of that row stays empty.
    constexpr int kColumns = 8;
    constexpr int kLastRow = 4;
    const auto cell = [](int column, int row) { return TwipsRect{120 + 600 * column, 360 + 600 * row, 540, 540}; };
    for (int i = 0; i < kObjectPictureCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const TwipsRect place = i < kFirstShieldPicture ? cell(i % kColumns, i / kColumns) : cell(5, kLastRow);
        addPicture("Image4", i, kObjectsFrame, place, objectPicture(i), m_initial.objectVisible[at],
                   m_initial.objectBorder[at]);
    }
    addPicture("Image8", -1, kObjectsFrame, cell(7, kLastRow), "objects/selectall", true, m_initial.selectAllBorder);
}

void LayoutBuilder::addWorlds()
{
    ControlLayout& heading =
        add({"Label4", -1, ControlKind::Label, "Frame5", {240, 600, 1215, 255}, "World 1 - 10", "", true, false, -1});
    heading.alignment = TextAlignment::Centre;
    constexpr std::array<std::string_view, kFlagsPerWorld> kColumnPictures = {"worlds/column0", "worlds/column1",
                                                                              "worlds/column2", "worlds/column3"};
    for (int k = 0; k < kFlagsPerWorld; ++k) {
        addPicture("Image6", k, "Frame5", {1680 + 720 * k, 360, 540, 540},
                   kColumnPictures[static_cast<std::size_t>(k)]);
    }
    for (int w = 0; w < kWorldCount; ++w) {
        ControlLayout& state =
            add({"Label3", w, ControlKind::Label, "Frame5", {240, 960 + 240 * w, 1215, 255}, "", "", true, true, -1});
        state.alignment = TextAlignment::Centre;
    }
    // Only code sets a world flag, so the boxes are disabled and take no focus.
    for (int i = 0; i < kFlagCount; ++i) {
        ControlLayout& flag = add({"Check1",
                                   i,
                                   ControlKind::CheckBox,
                                   "Frame5",
                                   {1800 + 720 * (i % kFlagsPerWorld), 960 + 240 * (i / kFlagsPerWorld), 255, 255},
                                   "",
                                   "",
                                   true,
                                   false,
                                   -1});
        flag.enabled = false;
    }
}

void LayoutBuilder::addPassword()
{
    constexpr int kGroupsPerRow = 4;
    for (int g = 0; g < kDisplayGroupCount; ++g) {
        // The last group holds a single character.
        const int width = g == kDisplayGroupCount - 1 ? 495 : 855;
        ControlLayout& group = add({"Label6",
                                    g,
                                    ControlKind::Label,
                                    "Frame7",
                                    {240 + 960 * (g % kGroupsPerRow), 360 + 360 * (g / kGroupsPerRow), width, 375},
                                    "",
                                    "",
                                    true,
                                    false,
                                    -1});
        group.font = {"MS Sans Serif", 13.5};
    }
}

void LayoutBuilder::addHiddenLabels()
{
    // Bookkeeping labels of the form, never shown: their places play no part.
    for (int s = 0; s < kSectionLabelCount; ++s) {
        add({"Label2", s, ControlKind::Label, "", {0, 0, 0, 0}, "", "", false, false, -1});
    }
    add({"Label5", -1, ControlKind::Label, "", {0, 0, 0, 0}, "", "", false, false, -1});
    add({"Label8", -1, ControlKind::Label, "", {0, 0, 0, 0}, "", "", false, false, -1});
}

std::vector<ControlLayout> buildLayout()
{
    const EditorControls initial = EditorControls::initial();
    LayoutBuilder builder(initial);
    builder.addForm();
    builder.addCounters();
    builder.addWarrior();
    builder.addVitality();
    builder.addSlots();
    builder.addVersion();
    builder.addObjects();
    builder.addWorlds();
    builder.addPassword();
    builder.addHiddenLabels();
    return builder.take();
}

} // namespace

std::span<const ControlLayout> windowLayout()
{
    static const std::vector<ControlLayout> layout = buildLayout();
    return layout;
}

const ControlLayout& windowControl(std::string_view name, int index)
{
    for (const ControlLayout& control : windowLayout()) {
        if (control.name == name && control.index == index) {
            return control;
        }
    }
    throw std::out_of_range("the window has no control " + std::string(name) + "(" + std::to_string(index) + ")");
}

std::string controlName(const ControlLayout& control)
{
    std::string name(control.name);
    if (control.index >= 0) {
        name += "(" + std::to_string(control.index) + ")";
    }
    return name;
}

} // namespace quandrel
