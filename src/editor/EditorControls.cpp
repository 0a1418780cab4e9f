#include "EditorControls.h"

#include "codec/Sections.h"

namespace quandrel {

EditorControls EditorControls::initial()
{
    EditorControls controls;
    for (int i = 0; i < kObjectPictureCount; ++i) {
        controls.objectVisible[static_cast<std::size_t>(i)] = i < kFirstShieldPicture || i == kNoShieldPicture;
    }
    const Sections sections = encodeSections(GameState{});
    for (std::size_t s = 0; s < sections.size(); ++s) {
        controls.sections[s] = sections[s];
    }
    return controls;
}

} // namespace quandrel
