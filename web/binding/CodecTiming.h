#pragma once

// The codec's speed in the page, for web/tools/bench.mjs: only the benchmark's build of the
// module holds it, so that the page's .wasm ships no benchmark.

#include "WebEditor.h"

extern "C" {

// The time in milliseconds of `count` encodings of the shown state (decode 0), or of `count`
// decodings of its password (decode 1).
QP_EXPORT double qp_time_codec(int decode, int count);

} // extern "C"
