#include "CodecTiming.h"

#include "codec/Decoder.h"
#include "codec/Password.h"

#include <array>
#include <chrono>
#include <string>

namespace {

// Milliseconds from a fixed start: the page's own clock, which costs the module no C++ clock.
double nowMilliseconds()
{
#ifdef __EMSCRIPTEN__
    return emscripten_get_now();
#else
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
#endif
}

} // namespace

extern "C" {

double qp_time_codec(int decode, int count)
{
    using namespace quandrel;
    static volatile int sink = 0; // what the loop makes is kept, so that no work is left out
    // The shown password holds every field of the shown state.
    const std::string password = qp_password();
    const GameState state = applyDecoded(decodeSlotText(password), GameState{});
    std::array<char, kPasswordLength> buffer{};
    const double start = nowMilliseconds();
    for (int i = 0; i < count; ++i) {
        if (decode != 0) {
            sink = sink + decodeSlotText(password).values[0];
        } else {
            writePassword(state, buffer);
            sink = sink + buffer[static_cast<std::size_t>(i % kPasswordLength)];
        }
    }
    return nowMilliseconds() - start;
}

} // extern "C"
