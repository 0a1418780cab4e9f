#include "PictureDescriptions.h"

#include <QCoreApplication>

#include <array>

namespace quandrel {

namespace {

constexpr std::array<const char*, 37> kObjects = {
    QT_TRANSLATE_NOOP("PictureDescriptions", "a brown arrow"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a silver arrow"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a small yellow sun"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a small flame"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a grey bar"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a blue rod with a black ball"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a yellow cross"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a golden key-shaped figure"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a necklace of blue beads"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a golden crown"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a grey helmet"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a shovel"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "blue boots with a feather"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a figure in a green hood"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a white hood with a cross"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a bell"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a golden ring of light"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a candle in a holder"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "green armour"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a red cloth"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a green helmet"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a blue oil lamp"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a red vase"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a chain of yellow beads"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "two yellow hooks with blue ends"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a red bracelet"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a gold ring with a blue stone"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a blue book with a cross"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a golden harp"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a triangle"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a yellow horn"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a green jug"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a blue pin"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a sword with a red hilt"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a yellow feather"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a glass of water with a loaf of bread"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a white heap of powder"),
};

constexpr std::array<const char*, 3> kShields = {
    QT_TRANSLATE_NOOP("PictureDescriptions", "a red box-shaped shield"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a circular silver shield"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a golden shield with an emblem"),
};

constexpr std::array<const char*, 4> kFlagColumns = {
    QT_TRANSLATE_NOOP("PictureDescriptions", "a rod with a red gem"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a red cape"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a potion flask"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "a rolled parchment"),
};

constexpr std::array<const char*, 4> kWarriors = {
    QT_TRANSLATE_NOOP("PictureDescriptions", "warrior 1: a figure in grey and white armour"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "warrior 2: a figure in red armour"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "warrior 1 fallen: a tombstone with a grey helmet"),
    QT_TRANSLATE_NOOP("PictureDescriptions", "warrior 2 fallen: a tombstone with a red helmet"),
};

template <std::size_t N> QString describe(const std::array<const char*, N>& table, int index)
{
    return QCoreApplication::translate("PictureDescriptions", table.at(static_cast<std::size_t>(index)));
}

} // namespace

QString objectDescription(int object) { return describe(kObjects, object); }

QString shieldDescription(int shield) { return describe(kShields, shield - 1); }

QString flagColumnDescription(int column) { return describe(kFlagColumns, column); }

QString warriorDescription(int picture) { return describe(kWarriors, picture); }

} // namespace quandrel
