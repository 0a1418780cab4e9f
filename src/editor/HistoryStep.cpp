#include "HistoryStep.h"

#include "codec/Decoder.h"
#include "codec/Sections.h"

#include <algorithm>

namespace quandrel {

namespace {

std::size_t heapBytes(const std::string& text) { return text.capacity() > 15 ? text.capacity() + 1 : 0; }

} // namespace

HistoryStep::ShortText::ShortText(std::string_view text) : size(static_cast<std::uint8_t>(text.size()))
{
    std::copy(text.begin(), text.end(), characters.begin());
}

HistoryStep::HistoryStep(const EditorControls& controls)
{
    if (fits(controls)) {
        pack(controls);
        // The packed form must give back exactly these controls; if they hold anything it cannot
        // say (a cache out of step with its password), they are kept whole instead.
        try {
            if (unpacked() == controls) {
                return;
            }
        } catch (const InvalidSymbol&) {
            // A password this program did not write; kept whole below.
        }
    }
    m_whole = std::make_unique<const EditorControls>(controls);
}

bool HistoryStep::fits(const EditorControls& controls) const
{
    const std::string& line = controls.section(SectionSlot::ChecksumLine);
    const bool lineFits = line.size() >= 2 + kChecksumSeparator.size() &&
                          line.compare(2, kChecksumSeparator.size(), kChecksumSeparator) == 0 &&
                          ShortText::fits(std::string_view(line).substr(2 + kChecksumSeparator.size()));
    const bool countersFit = std::all_of(controls.counterText.begin(), controls.counterText.end(),
                                         [](const std::string& text) { return ShortText::fits(text); });
    const auto small = [](int n) { return n >= 0 && n <= 255; };
    return controls.password.size() == static_cast<std::size_t>(kPasswordLength) && lineFits && countersFit &&
           ShortText::fits(controls.keyBuffer) && small(controls.selectedRow) && small(controls.shieldCounter) &&
           small(controls.warriorCounter);
}

void HistoryStep::pack(const EditorControls& controls)
{
    std::copy(controls.password.begin(), controls.password.end(), m_password.begin());
    for (std::size_t b = 0; b < m_counterText.size(); ++b) {
        m_counterText[b] = ShortText(controls.counterText[b]);
    }
    m_counterColour = controls.counterColour;
    m_selectedRow = static_cast<std::uint8_t>(controls.selectedRow);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kObjectPictureCount); ++i) {
        m_borders[i] = controls.objectBorder[i];
        m_visible[i] = controls.objectVisible[i];
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(kWarriorPictureCount); ++i) {
        m_borders[kObjectPictureCount + i] = controls.warriorBorder[i];
        m_visible[kObjectPictureCount + i] = controls.warriorVisible[i];
    }
    m_borders[kBorderBits - 1] = controls.selectAllBorder;
    m_timeOfDay =
        ShortText(std::string_view(controls.section(SectionSlot::ChecksumLine)).substr(2 + kChecksumSeparator.size()));
    m_keyBuffer = ShortText(controls.keyBuffer);
    m_shieldCounter = static_cast<std::uint8_t>(controls.shieldCounter);
    m_warriorCounter = static_cast<std::uint8_t>(controls.warriorCounter);
}

EditorControls HistoryStep::unpacked() const
{
    EditorControls controls;
    const std::string_view password(m_password.data(), m_password.size());
    controls.password = password;
    for (std::size_t s = 0; s < kSectionLayouts.size(); ++s) {
        const auto& layout = kSectionLayouts[s];
        controls.sections[s] = password.substr(static_cast<std::size_t>(layout.firstCharacter - 1),
                                               static_cast<std::size_t>(layout.symbols));
    }
    controls.section(SectionSlot::ChecksumLine) = checksumLine(password.substr(kBodyLength), m_timeOfDay.view());

    const DecodedState decoded = decodeSlotText(password);
    controls.values = decoded.values;
    for (std::size_t w = 0; w < controls.worldStates.size(); ++w) {
        controls.worldStates[w] = decoded.worldStates[w].value_or(WorldState::Closed);
        for (std::size_t k = 0; k < static_cast<std::size_t>(kFlagsPerWorld); ++k) {
            controls.flags[static_cast<std::size_t>(flagIndex(static_cast<int>(w), static_cast<int>(k)))] =
                decoded.flags[w][k];
        }
    }

    for (std::size_t b = 0; b < m_counterText.size(); ++b) {
        controls.counterText[b] = m_counterText[b].view();
    }
    controls.counterColour = m_counterColour;
    controls.selectedRow = m_selectedRow;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kObjectPictureCount); ++i) {
        controls.objectBorder[i] = m_borders[i];
        controls.objectVisible[i] = m_visible[i];
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(kWarriorPictureCount); ++i) {
        controls.warriorBorder[i] = m_borders[kObjectPictureCount + i];
        controls.warriorVisible[i] = m_visible[kObjectPictureCount + i];
    }
    controls.selectAllBorder = m_borders[kBorderBits - 1];
    controls.keyBuffer = m_keyBuffer.view();
    controls.shieldCounter = m_shieldCounter;
    controls.warriorCounter = m_warriorCounter;
    return controls;
}

EditorControls HistoryStep::controls() const { return m_whole ? *m_whole : unpacked(); }

std::size_t HistoryStep::storedBytes() const
{
    std::size_t bytes = sizeof(*this);
    if (m_whole) {
        bytes += sizeof(EditorControls) + heapBytes(m_whole->password) + heapBytes(m_whole->keyBuffer);
        for (const auto& text : m_whole->sections) {
            bytes += heapBytes(text);
        }
        for (const auto& text : m_whole->counterText) {
            bytes += heapBytes(text);
        }
    }
    return bytes;
}

} // namespace quandrel
