#include "PictureDescriptions.h"

#include <array>

namespace quandrel {

namespace {

constexpr std::array<std::string_view, 37> kObjects = {
    "a brown arrow",
    "a silver arrow",
    "a small yellow sun",
    "a small flame",
    "a grey bar",
    "a blue rod with a black ball",
    "a yellow cross",
    "a golden key-shaped figure",
    "a necklace of blue beads",
    "a golden crown",
    "a grey helmet",
    "a shovel",
    "blue boots with a feather",
    "a figure in a green hood",
    "a white hood with a cross",
    "a bell",
    "a golden ring of light",
    "a candle in a holder",
    "green armour",
    "a red cloth",
    "a green helmet",
    "a blue oil lamp",
    "a red vase",
    "a chain of yellow beads",
    "two yellow hooks with blue ends",
    "a red bracelet",
    "a gold ring with a blue stone",
    "a blue book with a cross",
    "a golden harp",
    "a triangle",
    "a yellow horn",
    "a green jug",
    "a blue pin",
    "a sword with a red hilt",
    "a yellow feather",
    "a glass of water with a loaf of bread",
    "a white heap of powder",
};

constexpr std::array<std::string_view, 3> kShields = {
    "a red box-shaped shield",
    "a circular silver shield",
    "a golden shield with an emblem",
};

constexpr std::array<std::string_view, 4> kFlagColumns = {
    "a rod with a red gem",
    "a red cape",
    "a potion flask",
    "a rolled parchment",
};

constexpr std::array<std::string_view, 4> kWarriors = {
    "warrior 1: a figure in grey and white armour",
    "warrior 2: a figure in red armour",
    "warrior 1 fallen: a tombstone with a grey helmet",
    "warrior 2 fallen: a tombstone with a red helmet",
};

} // namespace

std::string_view describeObject(int object) { return kObjects.at(static_cast<std::size_t>(object)); }

std::string_view describeShield(int shield) { return kShields.at(static_cast<std::size_t>(shield - 1)); }

std::string_view describeFlagColumn(int column) { return kFlagColumns.at(static_cast<std::size_t>(column)); }

std::string_view describeWarrior(int picture) { return kWarriors.at(static_cast<std::size_t>(picture)); }

} // namespace quandrel
