#include "JudgementJson.h"

#include "JsonWriter.h"
#include "editor/PasswordJudgement.h"

namespace quandrel::web {
namespace {

std::string_view markName(PasswordJudgement::Mark mark)
{
    switch (mark) {
    case PasswordJudgement::Mark::Invalid:
        return "invalid";
    case PasswordJudgement::Mark::Surplus:
        return "surplus";
    case PasswordJudgement::Mark::None:
        break;
    }
    return "";
}

// The characters in their groups: [[[text, mark], ...], ...].
void writeGroups(JsonWriter& json, const std::vector<PasswordJudgement::Group>& groups)
{
    json.beginArray();
    for (const PasswordJudgement::Group& group : groups) {
        json.beginArray();
        for (const PasswordJudgement::ShownCharacter& c : group) {
            json.beginArray().string(c.text).string(markName(c.mark)).endArray();
        }
        json.endArray();
    }
    json.endArray();
}

void writeCorrections(JsonWriter& json, const std::vector<PasswordJudgement::Correction>& corrections)
{
    json.beginArray();
    for (const PasswordJudgement::Correction& c : corrections) {
        json.beginObject();
        json.key("password").string(c.password);
        json.key("shown").string(c.shown);
        json.key("changes").string(c.changes);
        json.key("effect").string(c.effect);
        json.endObject();
    }
    json.endArray();
}

} // namespace

std::string judgementJson(std::string_view typed)
{
    const PasswordJudgement judged(typed);
    JsonWriter json;
    json.beginObject();
    json.key("password").string(judged.password());
    json.key("loadable").boolean(judged.loadable());
    json.key("checksumMatches").boolean(judged.checksumMatches());
    json.key("valid").boolean(judged.valid());
    writeGroups(json.key("groups"), judged.groups());
    json.key("problemPlaces").beginArray();
    for (const int place : judged.problemPlaces()) {
        json.number(place);
    }
    json.endArray();
    json.key("lengthNote").string(judged.lengthNote());
    json.key("problems").beginArray();
    for (const std::string& line : judged.problems()) {
        json.string(line);
    }
    json.endArray();
    json.key("checksumNote").string(judged.checksumNote());
    json.key("verdict").string(judged.verdict());
    json.key("checksumQuestion").string(judged.checksumQuestion());
    json.key("correctionsNote").string(judged.correctionsNote());
    writeCorrections(json.key("corrections"), judged.corrections());
    return json.endObject().take();
}

} // namespace quandrel::web
