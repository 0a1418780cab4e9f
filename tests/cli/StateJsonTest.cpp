#include "cli/StateJson.h"
#include "cli/StateJsonDiagnosis.h"
#include "codec/Alphabets.h"
#include "codec/Password.h"
#include "support/RandomState.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace quandrel {
namespace {

TEST(StateJson, ReadsEveryField)
{
    const GameState state = gameStateFromJson(R"({"arrows":"042","coins":"999","keys":"000",
        "vitality":[31,2],"experience":[20,6],
        "worlds":[{"state":"Boss Killed","flags":[true,true,true,true]},{"state":"Active","flags":[false,true,false,false]},
                  {},{},{},{},{},{},{"state":"Open"},{"flags":[false,false,false,true]}],
        "objects":[0,7,36],"shield":"3","warrior":2})");
    GameState expected;
    expected.counters = {"042", "999", "000"};
    expected.values = {31, 20, 2, 6};
    expected.worlds[0] = {WorldState::BossKilled, {true, true, true, true}};
    expected.worlds[1] = {WorldState::Active, {false, true, false, false}};
    expected.worlds[8].state = WorldState::Open;
    expected.worlds[9].flags[3] = true;
    expected.objects[0] = expected.objects[7] = expected.objects[36] = true;
    expected.shield = Shield::Three;
    expected.warrior = 2;
    EXPECT_EQ(state, expected);
}

TEST(StateJson, CountersMayBeNumbers)
{
    GameState expected;
    expected.counters = {"005", "000", "999"};
    EXPECT_EQ(gameStateFromJson(R"({"arrows":5,"coins":0,"keys":999})"), expected);
}

TEST(StateJson, MissingAndNullKeysTakeInitialValues)
{
    EXPECT_EQ(gameStateFromJson("{}"), GameState{});
    EXPECT_EQ(gameStateFromJson(R"({"shield":null,"warrior":null,"arrows":null})"), GameState{});
}

TEST(StateJson, RandomStatesRoundTrip)
{
    std::mt19937 rng(3);
    for (int i = 0; i < 500; ++i) {
        const GameState state = test::randomState(rng);
        const std::string text = gameStateToJson(state);
        ASSERT_EQ(gameStateFromJson(text), state) << text;
    }
}

TEST(StateJson, DecodedUnchangedFieldsAreNull)
{
    DecodedState decoded = decodeSlotText("");
    decoded.worldStates[3] = std::nullopt;
    decoded.shield = std::nullopt;
    std::string line;
    appendDecodedJson(line, decoded);
    const auto json = nlohmann::json::parse(line);
    EXPECT_TRUE(json["worlds"][3]["state"].is_null());
    EXPECT_EQ(json["worlds"][2]["state"], "Closed");
    EXPECT_TRUE(json["shield"].is_null());
    EXPECT_TRUE(json["warrior"].is_null());
    EXPECT_EQ(json["arrows"], "000");
}

// What a JSON library writes for the same fields, in the same key order.
std::string libraryJson(const DecodedState& decoded)
{
    using nlohmann::ordered_json;
    const auto optional = [](const auto& value, auto name) {
        return value ? ordered_json(name(*value)) : ordered_json(nullptr);
    };
    ordered_json json;
    json["arrows"] = decoded.counters[0];
    json["coins"] = decoded.counters[1];
    json["keys"] = decoded.counters[2];
    json["vitality"] = {decoded.values[0], decoded.values[2]};
    json["experience"] = {decoded.values[1], decoded.values[3]};
    json["worlds"] = ordered_json::array();
    for (std::size_t w = 0; w < decoded.flags.size(); ++w) {
        ordered_json world;
        world["state"] =
            optional(decoded.worldStates[w], [](WorldState s) { return std::string(worldStateCaption(s)); });
        world["flags"] = decoded.flags[w];
        json["worlds"].push_back(world);
    }
    json["objects"] = ordered_json::array();
    for (std::size_t i = 0; i < decoded.objects.size(); ++i) {
        if (decoded.objects[i]) {
            json["objects"].push_back(i);
        }
    }
    json["shield"] = optional(decoded.shield, [](Shield s) { return std::string(shieldName(s)); });
    json["warrior"] = optional(decoded.warrior, [](int w) { return w; });
    return json.dump();
}

// Decoded lines are written from precomputed pieces: compare them with a library's over random
// texts (unknown codes read as null), no objects and every object, and after earlier output.
TEST(StateJson, DecodedLinesAreWhatAJsonLibraryWrites)
{
    std::mt19937 rng(33);
    std::vector<DecodedState> samples;
    for (int i = 0; i < 2000; ++i) {
        std::string text(kBodyLength, ' ');
        for (std::size_t k = 0; k < text.size(); ++k) {
            text[k] = symbolFor(static_cast<int>(rng() % kSymbolCount), positionInGroup(static_cast<int>(k) + 1));
        }
        samples.push_back(decodeSlotText(text.substr(0, rng() % 2 == 0 ? text.size() : rng() % text.size())));
    }
    samples.push_back(decodeSlotText(""));
    samples.back().objects.fill(true);
    samples.push_back(decodedStateOf(GameState{}));
    samples.back().values = {-2147483647 - 1, 2147483647, 100, 7};
    samples.back().counters = {"", "12345", "7"};
    for (const auto& decoded : samples) {
        std::string line = "earlier\n";
        appendDecodedJson(line, decoded);
        ASSERT_EQ(line, "earlier\n" + libraryJson(decoded));
    }
}

// The fast reader takes what the general parser takes, and reads it the same: odd but valid
// spellings of a state, which the fast reader may also leave to the diagnosis.
TEST(StateJson, EveryWayOfWritingAStateReadsAsTheDiagnosisReadsIt)
{
    const char* texts[] = {
        " {\"arrows\" : 5 ,\n\t\"coins\":\"007\"}\r\n",
        R"({"\u0061rrows":"\u0030\u00312"})",
        R"({"warrior":-0,"shield":"\u0033","objects":[36,0]})",
        R"({"worlds":[null,{"state":null,"flags":null},{},{},{},{},{},{},{},{"state":"Boss Killed"}]})",
        R"({"worlds":[{},{},{},{},{},{},{},{},{},{}],"vitality":[0,31],"experience":[31,0],"keys":999})",
    };
    for (const char* text : texts) {
        GameState expected;
        try {
            expected = diagnoseStateJson(text);
        } catch (const StateFormatError& error) {
            EXPECT_THROW(gameStateFromJson(text), StateFormatError) << text;
            continue;
        }
        EXPECT_EQ(gameStateFromJson(text), expected) << text;
    }
}

// encode reads each line with the plain reader first: it must take the states as they are
// written, with or without blanks, or encode would fall back to the slow path unseen.
TEST(StateJson, ThePlainReaderTakesWrittenStates)
{
    std::mt19937 rng(4);
    for (int i = 0; i < 200; ++i) {
        const GameState state = test::randomState(rng);
        std::string compact = gameStateToJson(state);
        std::string spaced;
        for (const char c : compact) {
            spaced += c;
            spaced += c == ',' || c == ':' ? " " : "";
        }
        for (const std::string& text : {compact, spaced}) {
            GameState read;
            ASSERT_TRUE(readPlainStateJson(text, read)) << text;
            ASSERT_EQ(read, state) << text;
        }
    }
}

// What the plain reader takes, the diagnosis takes too, as the same state: texts near a
// state's edges, where a parser that reads on demand could take more than a full parse.
TEST(StateJson, ThePlainReaderTakesNothingTheDiagnosisReadsOtherwise)
{
    const std::string_view worlds9 = R"({},{},{},{},{},{},{},{},{})";
    const std::string texts[] = {
        "",
        "   ",
        "{}",
        "{} ",
        "\t{}\t",
        "{}}",
        "{} {}",
        "{},",
        "[{}]",
        "null",
        "{,}",
        R"({"warrior":0,})",
        "\xef\xbb\xbf{}",
        std::string("{}\0", 3),
        std::string("{\"keys\":\"1\0\"}", 13),
        R"({"warrior":2 ")",
        R"({"objects":[1,2,3)",
        R"({"objects":[1,2,3}})",
        R"({"worlds":[{"state":"Open"})",
        // Keys given twice, also with null, and keys spelt with escapes.
        R"({"arrows":null,"arrows":null})",
        R"({"arrows":"100","arrows":null})",
        R"({"worlds":[{"state":"Open","state":null},)" + std::string(worlds9) + "]}",
        R"({"\u0061rrows":"001"})",
        R"({"arrows":"\u0030\u00312"})",
        R"({"shield":"\u0033"})",
        // Literals and numbers that only start right.
        R"({"warrior":nul})",
        R"({"warrior":nulll})",
        R"({"warrior":01})",
        R"({"warrior":1x})",
        R"({"warrior":+1})",
        R"({"warrior":-0})",
        R"({"warrior":2.0})",
        R"({"warrior":2e0})",
        R"({"warrior":"2"})",
        R"({"worlds":[{"flags":[truex,true,true,true]},)" + std::string(worlds9) + "]}",
        R"({"worlds":[{"flags":[true,true,true,fals]},)" + std::string(worlds9) + "]}",
        // Strings that only start right, or hold what JSON forbids.
        R"({"keys":"12\"})",
        R"({"keys":"1234"})",
        R"({"keys":"12"})",
        "{\"keys\":\"1\t2\"}",
        R"({"shield":"none)",
        R"({"shield":"none "})",
        R"({"worlds":[{"state":"Boss Killed "},)" + std::string(worlds9) + "]}",
        // Arrays one short or one long, and values one past their range.
        "{\"worlds\":[" + std::string(worlds9) + "]}",
        "{\"worlds\":[{}," + std::string(worlds9) + ",{}]}",
        "{\"worlds\":[null," + std::string(worlds9) + "]}",
        R"({"worlds":[{"flags":[true,true,true]},)" + std::string(worlds9) + "]}",
        R"({"worlds":[{"flags":[true,true,true,true,true]},)" + std::string(worlds9) + "]}",
        R"({"vitality":[1]})",
        R"({"vitality":[1,2,3]})",
        R"({"experience":[0,32]})",
        R"({"objects":[0,36,-1]})",
        R"({"objects":[37]})",
        R"({"objects":[5,5]})",
        R"({"arrows":1000})",
        R"({"warrior":4})",
    };
    for (const std::string& text : texts) {
        GameState read;
        if (!readPlainStateJson(text, read)) {
            continue;
        }
        GameState expected;
        ASSERT_NO_THROW(expected = diagnoseStateJson(text)) << text;
        EXPECT_EQ(read, expected) << text;
    }
}

TEST(StateJson, BadInputIsRefusedWithItsPlace)
{
    using namespace std::string_view_literals;
    struct Case {
        std::string_view json;
        const char* message; // a part of the error text
    };
    const Case cases[] = {
        {"", "line 1, column 1: not valid JSON: unexpected end of input"},
        {"{\"arrows\":\"100\"", "line 1, column 16: not valid JSON"},
        {"{\n\"arrows\":\n,", "line 3, column 1: not valid JSON"},
        {"[]", "expected a JSON object"},
        {R"({"warrior":1e400})", "not valid JSON: number overflow parsing '1e400'"}, // too large for any type
        {R"({"arrow":"100"})", "unknown key \"arrow\""},
        {"{\"arrow\\u0001\":1}", "unknown key \"arrow\\u0001\""}, // a control character shown escaped
        {R"({"warrior":1,"warrior":3})", "state: duplicate key \"warrior\""},
        {R"({"worlds":[{},{},{"state":"Open","state":"Open"}]})", "worlds[2]: duplicate key \"state\""},
        {R"({"arrows":true})", "arrows: expected a number from 0 to 999 or three decimal digits"},
        {R"({"arrows":1000})", "arrows: 1000 is outside 0 to 999"},
        {R"({"arrows":-1})", "arrows: -1 is outside 0 to 999"},
        {R"({"arrows":5.0})", "arrows: expected a whole number"},
        {R"({"coins":"12"})", "coins: \"12\" is not three decimal digits"},
        {R"({"keys":"1a2"})", "keys: \"1a2\""},
        {R"({"keys":"1000"})", "keys: \"1000\""},
        {R"({"vitality":[32,1]})", "vitality[0]: 32 is outside 0 to 31"},
        {R"({"experience":[1,-1]})", "experience[1]: -1 is outside"},
        {R"({"experience":[1.5,1]})", "experience[0]: expected a whole number"},
        {R"({"vitality":[1]})", "vitality: expected an array of 2"},
        {R"({"worlds":[]})", "worlds: expected an array of 10"},
        {R"({"worlds":[{"state":"closed"},{},{},{},{},{},{},{},{},{}]})", "worlds[0].state"},
        {R"({"worlds":[{},{"flag":[]},{},{},{},{},{},{},{},{}]})", "worlds[1]: unknown key \"flag\""},
        {R"({"worlds":[{},{},{"flags":[1,0,0,0]},{},{},{},{},{},{},{}]})", "worlds[2].flags[0]: expected true"},
        {R"({"objects":[37]})", "objects[0]: 37 is outside 0 to 36"},
        {R"({"objects":[1,1]})", "objects[1]: object 1 is listed twice"},
        {R"({"objects":{}})", "objects: expected an array"},
        {R"({"shield":"4"})", "shield: expected"},
        {R"({"shield":1})", "shield: expected"},
        {R"({"warrior":4})", "warrior: 4 is outside 0 to 3"},
        {R"({"warrior":"1"})", "warrior: expected a whole number"},
        {R"({"warrior":99999999999999})", "warrior: 99999999999999 is outside"},
        {R"({"warrior":18446744073709551615})", "warrior: 18446744073709551615 is outside 0 to 3"},
        {R"({"warrior":-9223372036854775808})", "warrior: -9223372036854775808 is outside 0 to 3"},
        // A NUL byte is no end of the text, wherever it stands.
        {"{\"arrows\":1}\0 not JSON"sv, "line 1, column 13: not valid JSON: a NUL byte"},
        {"{\n\"arrows\":\"1\0\"}"sv, "line 2, column 12: not valid JSON: a NUL byte"},
        // Nesting deeper than a state's is refused at the first level too many.
        {"[[[[[[[[[[", "line 1, column 5: nested deeper than a game state (4 levels)"},
        {R"({"worlds":[{"flags":[[true]]}]})", "line 1, column 22: nested deeper than a game state"},
        {"{\"a\":{\"a\":{\"a\":\n{\"a\":{\"a\":1}}}}}", "line 2, column 6: nested deeper than a game state"},
        {R"({"a\"[":[[[[1]]]]})", "line 1, column 12: nested deeper than a game state"}, // not counting a string
    };
    for (const auto& c : cases) {
        try {
            gameStateFromJson(c.json);
            ADD_FAILURE() << c.json << " was accepted";
        } catch (const StateFormatError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
                << c.json << " gave: " << error.what();
        }
    }
}

} // namespace
} // namespace quandrel
