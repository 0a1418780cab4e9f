// Any bytes, of any length, into each of the page's entry points: none may crash, every JSON
// answer parses, and the shown password stays whole whatever came before.
#include "PropertyCheck.h"
#include "WebEditor.h"
#include "codec/Password.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using quandrel::fuzz::require;

bool isJson(const char* text) { return nlohmann::json::accept(text); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool started = [] {
        qp_start();
        return true;
    }();
    require(started, "the editor starts");
    // The bytes as one text, and an argument from the first byte, which may be any number.
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char* bytes = text.c_str();
    const int number = size > 0 ? static_cast<std::int8_t>(data[0]) : 0;
    const std::string half = text.substr(0, text.size() / 2);

    qp_click(bytes);
    qp_key_press(number % 4, number * 1000);
    qp_text_change(number % 4, bytes);
    qp_load_slot(number % 7, bytes);
    require(std::strlen(qp_slot_text_problem(number % 7, half.c_str(), bytes)) < 1024, "a problem is one line");
    require(isJson(qp_slot_creation(number % 7, number)), "the slot creation plan is JSON");
    qp_enter_password(bytes);
    qp_open_link(bytes);
    require(isJson(qp_check_password(bytes)), "the judgement is JSON");
    qp_repair_as_typed(bytes, half.c_str());
    switch (number & 3) {
    case 0:
        qp_undo();
        break;
    case 1:
        qp_redo();
        break;
    case 2:
        qp_new_game();
        break;
    default:
        qp_everything();
    }
    require(isJson(qp_history()), "the history is JSON");
    require(isJson(qp_changes()), "the changes are JSON");
    require(std::strlen(qp_password()) == quandrel::kPasswordLength, "the shown password is whole");
    require(std::strlen(qp_slot_file()) == quandrel::kPasswordLength + 2, "a slot file is the password and CR LF");
    return 0;
}
