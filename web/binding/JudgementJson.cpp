#include "JudgementJson.h"

#include "JsonText.h"
#include "editor/PasswordJudgement.h"

namespace quandrel::web {
namespace {

std::string boolean(bool value) { return value ? "true" : "false"; }

std::string markName(PasswordJudgement::Mark mark)
{
    switch (mark) {
    case PasswordJudgement::Mark::Invalid:
        return "\"invalid\"";
    case PasswordJudgement::Mark::Surplus:
        return "\"surplus\"";
    case PasswordJudgement::Mark::None:
        break;
    }
    return "\"\"";
}

// A JSON array of the items, each written by `write`.
template <typename Items, typename Write> std::string array(const Items& items, Write write)
{
    std::string json = "[";
    for (const auto& item : items) {
        json += (json.size() > 1 ? "," : "") + write(item);
    }
    return json + "]";
}

} // namespace

std::string judgementJson(std::string_view typed)
{
    const PasswordJudgement judged(typed);
    const auto text = [](const std::string& line) { return jsonString(line); };
    const auto group = [](const PasswordJudgement::Group& characters) {
        return array(characters, [](const PasswordJudgement::ShownCharacter& c) {
            return "[" + jsonString(c.text) + "," + markName(c.mark) + "]";
        });
    };
    const auto correction = [](const PasswordJudgement::Correction& c) {
        return "{\"password\":" + jsonString(c.password) + ",\"shown\":" + jsonString(c.shown) +
               ",\"changes\":" + jsonString(c.changes) + ",\"effect\":" + jsonString(c.effect) + "}";
    };
    return "{\"password\":" + jsonString(judged.password()) + ",\"loadable\":" + boolean(judged.loadable()) +
           ",\"checksumMatches\":" + boolean(judged.checksumMatches()) + ",\"valid\":" + boolean(judged.valid()) +
           ",\"groups\":" + array(judged.groups(), group) +
           ",\"problemPlaces\":" + array(judged.problemPlaces(), [](int place) { return std::to_string(place); }) +
           ",\"lengthNote\":" + jsonString(judged.lengthNote()) + ",\"problems\":" + array(judged.problems(), text) +
           ",\"checksumNote\":" + jsonString(judged.checksumNote()) + ",\"verdict\":" + jsonString(judged.verdict()) +
           ",\"checksumQuestion\":" + jsonString(judged.checksumQuestion()) +
           ",\"correctionsNote\":" + jsonString(judged.correctionsNote()) +
           ",\"corrections\":" + array(judged.corrections(), correction) + "}";
}

} // namespace quandrel::web
