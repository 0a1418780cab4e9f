#pragma once

namespace quandrel {

// Exit status of the editor when no display can show its window.
inline constexpr int kExitNoDisplay = 3;

// Qt ends the program with an abort and a core dump when no display can be opened. While one of
// these lives, Qt's messages are held back; a fatal one ends the program with one line on
// standard error that names the cause, and kExitNoDisplay. Otherwise the held messages are
// passed on when it ends.
class DisplayConnectionWatch final {
public:
    DisplayConnectionWatch();
    ~DisplayConnectionWatch();

    DisplayConnectionWatch(const DisplayConnectionWatch&) = delete;
    DisplayConnectionWatch& operator=(const DisplayConnectionWatch&) = delete;
};

} // namespace quandrel
