// `quandrel-pass encode --keep-lines` gives exactly one output line per input line for any
// bytes, and each password it prints is the password of a state that the input holds from that
// line on: lines n to m, for some m, are a state whose password the reference codec agrees on.
#include "PropertyCheck.h"
#include "cli/Commands.h"
#include "cli/StateJson.h"
#include "cli/StateJsonDiagnosis.h"
#include "codec/InvalidArgument.h"
#include "codec/ReferenceCodec.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quandrel;
using fuzz::require;

// Lines ending in LF, CR LF or a lone CR; a last line without an end counts when it holds bytes.
std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto end = std::min(text.find_first_of("\r\n", at), text.size());
        lines.emplace_back(text.substr(at, end - at));
        at = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

// Whether lines `first` to some later one, joined, are a state with this password.
bool heldFrom(const std::vector<std::string>& lines, std::size_t first, const std::string& password)
{
    std::string text;
    for (std::size_t last = first; last < lines.size(); ++last) {
        text += (last == first ? "" : "\n") + lines[last];
        try {
            if (reference::encode(diagnoseStateJson(text)) == password) {
                return true;
            }
        } catch (const StateFormatError&) {
        } catch (const InvalidArgument&) {
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    runEncode(in, "-", out, err, EncodeOptions{.keepLines = true});

    const auto inputLines = linesOf(input);
    const std::string printed = out.str();
    require(printed.empty() || printed.back() == '\n', "every output line is ended");
    const auto outputLines = linesOf(printed);
    require(outputLines.size() == inputLines.size(), "one output line per input line");
    for (std::size_t n = 0; n < outputLines.size(); ++n) {
        if (!outputLines[n].empty()) {
            require(heldFrom(inputLines, n, outputLines[n]), "a password belongs to a state held from its line on");
        }
    }
    return 0;
}
