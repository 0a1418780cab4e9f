#include "Commands.h"

#include "StateJson.h"
#include "codec/InvalidArgument.h"
#include "codec/Password.h"

#include <iterator>
#include <ostream>
#include <sstream>

namespace quandrel {

int runEncode(std::istream& in, std::ostream& out, std::ostream& err)
{
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    try {
        out << encodePassword(gameStateFromJson(text)) << '\n';
        return kExitOk;
    } catch (const StateFormatError& error) {
        err << "quandrel-pass encode: " << error.what() << '\n';
    } catch (const InvalidArgument& error) {
        err << "quandrel-pass encode: " << error.what() << '\n';
    }
    return kExitBadInput;
}

} // namespace quandrel
