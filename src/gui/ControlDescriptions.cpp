#include "ControlDescriptions.h"

#include "ControlName.h"
#include "PictureDescriptions.h"
#include "codec/Password.h"
#include "editor/EditorModel.h"

#include <QGroupBox>

#include <array>

namespace quandrel {

namespace {

const std::array<const char*, kCounterCount> kCounterNames = {QT_TR_NOOP("Arrows"), QT_TR_NOOP("Coins"),
                                                              QT_TR_NOOP("Keys")};
const std::array<const char*, kCounterCount> kCounterPictures = {QT_TR_NOOP("a quiver of arrows"),
                                                                 QT_TR_NOOP("a gold coin"), QT_TR_NOOP("a key")};
constexpr std::array<const char*, kCounterCount> kCounterPictureNames = {"Image2", "Image1", "Image3"};
const std::array<const char*, kValueCount> kValueNames = {QT_TR_NOOP("Upper vitality"), QT_TR_NOOP("Upper experience"),
                                                          QT_TR_NOOP("Lower vitality"), QT_TR_NOOP("Lower experience")};

QString spelled(const QString& text)
{
    QStringList characters;
    for (const QChar c : text) {
        characters << QString(c);
    }
    return characters.join(QLatin1Char(' '));
}

} // namespace

ControlDescriptions::ControlDescriptions(EditorModel& model, QWidget* clientArea)
    : QObject(clientArea), m_model(model), m_clientArea(clientArea)
{
    describeControls();
    connectSignals();
    refresh();
}

void ControlDescriptions::describe(const QString& name, const QString& accessibleName, const QString& toolTip)
{
    auto* widget = m_clientArea->findChild<QWidget*>(name);
    Q_ASSERT_X(widget, "ControlDescriptions", "a control that the window does not have");
    widget->setAccessibleName(accessibleName);
    if (!toolTip.isEmpty()) {
        widget->setToolTip(toolTip);
    }
}

void ControlDescriptions::setAccessibleNameOf(const QString& name, const QString& accessibleName)
{
    m_clientArea->findChild<QWidget*>(name)->setAccessibleName(accessibleName);
}

void ControlDescriptions::describeControls()
{
    // A frame reads as its caption.
    for (QGroupBox* frame : m_clientArea->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        frame->setAccessibleName(frame->title().trimmed());
    }
    describeCounters();
    describeWarriors();
    describeVitality();
    describeVersion();
    describeObjects();
    describeWorlds();
    describeBookkeeping();
}

void ControlDescriptions::describeCounters()
{
    for (std::size_t i = 0; i < kCounterNames.size(); ++i) {
        const QString counter = tr(kCounterNames[i]);
        describe(QString::fromLatin1(kCounterPictureNames[i]), tr(kCounterPictures[i]),
                 tr("%1: %2").arg(tr(kCounterPictures[i]), counter.toLower()));
        describe(controlName(QStringLiteral("Text1"), static_cast<int>(i)), counter,
                 tr("%1: three digits, 000 to 999. Click to empty the box, then type the new number.").arg(counter));
    }
}

void ControlDescriptions::describeWarriors()
{
    for (int picture = 0; picture < kWarriorPictureCount; ++picture) {
        describe(controlName(QStringLiteral("Image5"), picture), warriorDescription(picture),
                 tr("%1. Click for the next warrior choice: which warrior plays, and whether the other one "
                    "shows as a tombstone.")
                     .arg(warriorDescription(picture)));
    }
}

void ControlDescriptions::describeVitality()
{
    for (int row = 0; row < kValueCount; ++row) {
        const QString value = tr(kValueNames[static_cast<std::size_t>(row)]);
        const int highest = row % 2 == 0 ? 31 : 6;
        describe(controlName(QStringLiteral("Option1"), row), tr("Step %1").arg(value.toLower()),
                 tr("Choose %1 for the - and + buttons").arg(value.toLower()));
        describe(controlName(QStringLiteral("Label1"), row), value,
                 tr("%1, 0 to %2. Choose its row, then step it with - and +.").arg(value).arg(highest));
    }
    const std::array<QString, 2> pairs = {tr("upper"), tr("lower")};
    for (std::size_t pair = 0; pair < pairs.size(); ++pair) {
        describe(controlName(QStringLiteral("Image7"), static_cast<int>(pair)),
                 tr("VIT above EXP, %1 pair").arg(pairs[pair]),
                 tr("VIT above EXP: of the %1 pair beside it, the first row is vitality, the second "
                    "experience")
                     .arg(pairs[pair]));
    }
    describe(controlName(QStringLiteral("Command1"), 0), tr("Decrease"),
             tr("Decrease the chosen value by one, not below 0"));
    describe(controlName(QStringLiteral("Command1"), 1), tr("Increase"),
             tr("Increase the chosen value by one, vitality up to 31 and experience up to 6"));
}

void ControlDescriptions::describeVersion()
{
    describe(QStringLiteral("Label7"), tr("Quandrel Password Generator, version 0.21"),
             tr("The name and version of this program"));
}

void ControlDescriptions::describeObjects()
{
    for (int object = 0; object < kObjectCount; ++object) {
        const QString tip = object == kWorldBoundObject
                                ? tr("%1. Carried while the current world is Active: the world labels set it, a "
                                     "click here changes nothing.")
                                : tr("%1. Click to mark it as carried, or to unmark it.");
        describe(controlName(QStringLiteral("Image4"), object), objectDescription(object),
                 tip.arg(objectDescription(object)));
    }
    for (int shield = 1; shield <= 3; ++shield) {
        const QString name = tr("shield: %1").arg(shieldDescription(shield));
        describe(controlName(QStringLiteral("Image4"), kFirstShieldPicture + shield - 1), name,
                 tr("%1. Click for the next shield choice.").arg(name));
    }
    describe(controlName(QStringLiteral("Image4"), kNoShieldPicture), tr("No shield"),
             tr("No shield. Click for the next shield choice."));
    describe(QStringLiteral("Image8"), tr("select all"), tr("select all: marks or clears every object"));
}

void ControlDescriptions::describeWorlds()
{
    describe(QStringLiteral("Label4"), tr("World 1 - 10"),
             tr("The state of each world. Click a world to make it the current one."));
    for (int column = 0; column < kFlagsPerWorld; ++column) {
        const QString name = tr("Flag %1: %2").arg(column + 1).arg(flagColumnDescription(column));
        describe(controlName(QStringLiteral("Image6"), column), name,
                 tr("%1, the heading of the flag column below it").arg(name));
    }
    for (int world = 0; world < kWorldCount; ++world) {
        describe(controlName(QStringLiteral("Label3"), world), tr("World %1").arg(world + 1),
                 tr("World %1. Click: the worlds before it are finished (Boss Killed, every flag set), this one "
                    "becomes Active (Open when it was Active), the later ones Closed.")
                     .arg(world + 1));
        for (int column = 0; column < kFlagsPerWorld; ++column) {
            const QString name =
                tr("World %1, flag %2: %3").arg(world + 1).arg(column + 1).arg(flagColumnDescription(column));
            describe(controlName(QStringLiteral("Check1"), kFlagsPerWorld * world + column), name,
                     tr("%1. Set once the world is finished; the world labels and loads set it.").arg(name));
        }
    }
}

void ControlDescriptions::describeBookkeeping()
{
    for (int section = 0; section < kSectionLabelCount - 1; ++section) {
        describe(controlName(QStringLiteral("Label2"), section), tr("Password section %1").arg(section));
    }
    describe(controlName(QStringLiteral("Label2"), kSectionLabelCount - 1), tr("Checksum and time of assembly"));
    describe(QStringLiteral("Label5"), tr("Whole password"));
    describe(QStringLiteral("Label8"), tr("Keys typed into the counter boxes"));
}

void ControlDescriptions::connectSignals()
{
    m_model.addChangeListener([this] { refresh(); });
}

void ControlDescriptions::refresh()
{
    const EditorControls& controls = m_model.controls();
    for (int object = 0; object < kObjectCount; ++object) {
        const bool carried = controls.objectBorder[static_cast<std::size_t>(object)];
        setAccessibleNameOf(controlName(QStringLiteral("Image4"), object),
                            (carried ? tr("%1, carried") : tr("%1, not carried")).arg(objectDescription(object)));
    }
    for (int picture = 0; picture < kWarriorPictureCount; ++picture) {
        const bool playing = controls.warriorBorder[static_cast<std::size_t>(picture)];
        setAccessibleNameOf(controlName(QStringLiteral("Image5"), picture),
                            playing ? tr("%1, playing").arg(warriorDescription(picture)) : warriorDescription(picture));
    }
    for (int row = 0; row < kValueCount; ++row) {
        setAccessibleNameOf(controlName(QStringLiteral("Label1"), row),
                            tr("%1: %2").arg(tr(kValueNames[static_cast<std::size_t>(row)])).arg(controls.values[row]));
    }
    for (int world = 0; world < kWorldCount; ++world) {
        const std::string_view state = worldStateCaption(controls.worldStates[static_cast<std::size_t>(world)]);
        setAccessibleNameOf(controlName(QStringLiteral("Label3"), world),
                            tr("World %1: %2")
                                .arg(world + 1)
                                .arg(QString::fromUtf8(state.data(), static_cast<qsizetype>(state.size()))));
    }
    const QString password = QString::fromStdString(controls.password);
    for (int group = 0; group < kDisplayGroupCount; ++group) {
        const int first = 4 * group + 1;
        const QString characters = password.mid(first - 1, 4);
        setAccessibleNameOf(controlName(QStringLiteral("Label6"), group),
                            characters.size() > 1 ? tr("Password characters %1 to %2: %3")
                                                        .arg(first)
                                                        .arg(first + characters.size() - 1)
                                                        .arg(spelled(characters))
                                                  : tr("Password character %1: %2").arg(first).arg(characters));
    }
}

} // namespace quandrel
