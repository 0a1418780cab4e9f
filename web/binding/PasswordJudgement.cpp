#include "PasswordJudgement.h"

#include "JsonText.h"
#include "codec/PasswordCheck.h"
#include "codec/Repair.h"
#include "codec/RepairEffect.h"

namespace quandrel::web {
namespace {

std::string boolean(bool value) { return value ? "true" : "false"; }

std::string character(char c) { return jsonString(c == '\0' ? std::string_view() : std::string_view(&c, 1)); }

std::string editName(Edit edit)
{
    switch (edit) {
    case Edit::Insert:
        return "\"insert\"";
    case Edit::Remove:
        return "\"remove\"";
    case Edit::Replace:
        break;
    }
    return "\"replace\"";
}

std::string correctionJson(std::string_view typed, const Repair& repair)
{
    std::string json = "{\"password\":" + jsonString(repair.password) + ",\"changes\":[";
    for (std::size_t i = 0; i < repair.changes.size(); ++i) {
        const Substitution& s = repair.changes[i];
        json += (i > 0 ? "," : "");
        json += "{\"position\":" + std::to_string(s.position) + ",\"from\":" + character(s.from) +
                ",\"to\":" + character(s.to) + ",\"lookAlike\":" + boolean(s.lookAlike) +
                ",\"edit\":" + editName(s.edit) + "}";
    }
    json += "],\"effect\":[";
    const std::vector<FieldChange> effect = repairEffect(typed, repair);
    for (std::size_t i = 0; i < effect.size(); ++i) {
        json += (i > 0 ? "," : "");
        json += "{\"name\":" + jsonString(effect[i].name) + ",\"before\":" + jsonString(effect[i].before) +
                ",\"after\":" + jsonString(effect[i].after) + "}";
    }
    return json + "]}";
}

} // namespace

std::string judgePasswordJson(std::string_view typed)
{
    const std::string password = normalizePassword(typed);
    const PasswordCheck check = checkPassword(password);
    std::string json = "{\"password\":" + jsonString(password) + ",\"length\":" + std::to_string(check.length) +
                       ",\"valid\":" + boolean(check.valid()) +
                       ",\"checksumMatches\":" + boolean(check.checksumMatches) +
                       ",\"expectedChecksum\":" + jsonString(check.expectedChecksum) + ",\"problems\":[";
    for (std::size_t i = 0; i < check.problems.size(); ++i) {
        const SymbolProblem& p = check.problems[i];
        json += (i > 0 ? "," : "");
        json += "{\"position\":" + std::to_string(p.position) + ",\"character\":" + character(p.character) +
                ",\"accepted\":" + jsonString(p.accepted) + "}";
    }
    json += "],\"corrections\":[";
    if (!check.valid()) {
        const std::vector<Repair> repairs = suggestRepairs(password);
        for (std::size_t i = 0; i < repairs.size(); ++i) {
            json += (i > 0 ? "," : "") + correctionJson(password, repairs[i]);
        }
    }
    return json + "]}";
}

} // namespace quandrel::web
