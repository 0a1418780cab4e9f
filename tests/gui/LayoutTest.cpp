#include "EditorWindowTest.h"

#include "editor/WindowLayout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <vector>

namespace quandrel {

// Every place and size of the layout, as given in twips, against the widgets on screen.
class LayoutTest final : public EditorWindowTest {
    Q_OBJECT

private slots:
    void placesMatchTheLayout_data();
    void placesMatchTheLayout();
    void tableHoldsThePlaces_data() { placesMatchTheLayout_data(); }
    void tableHoldsThePlaces();
    void clientAreaIsFixedWithACloseBoxOnly();
    void captionsAreCompleteAndUnclipped_data();
    void captionsAreCompleteAndUnclipped();
    void tableHoldsTheCaptions_data() { captionsAreCompleteAndUnclipped_data(); }
    void tableHoldsTheCaptions();
    void passwordGroupsUseTheirOwnFont();
    void counterBoxesTakeThreeCentredCharacters();
    void hiddenBookkeepingLabelsStayHidden();
    void builtWindowFollowsTheTable_data();
    void builtWindowFollowsTheTable();
    void tabOrderFollowsTheTable();
};

namespace {

constexpr int kTwipsPerPixel = 15;

const QString kClientArea = QStringLiteral("client area");

void addPlace(const QString& name, const QString& container, int left, int top, int width, int height)
{
    QTest::newRow(qPrintable(name)) << name << container
                                    << QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                                             height / kTwipsPerPixel)
                                    << QRect(left, top, width, height);
}

// The layout table's entry for a control's object name, or null.
const ControlLayout* layoutEntry(const QString& name)
{
    for (const ControlLayout& entry : windowLayout()) {
        if (QString::fromStdString(controlName(entry)) == name) {
            return &entry;
        }
    }
    return nullptr;
}

QString text(std::string_view view) { return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())); }

} // namespace

void LayoutTest::placesMatchTheLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QRect>("twips");

    addPlace(QStringLiteral("Frame1(0)"), kClientArea, 120, 120, 1695, 2055);
    addPlace(QStringLiteral("Frame3"), kClientArea, 1920, 120, 855, 2055);
    addPlace(QStringLiteral("Frame2"), kClientArea, 2880, 120, 1695, 2055);
    addPlace(QStringLiteral("Frame6"), kClientArea, 4680, 120, 2775, 2055);
    addPlace(QStringLiteral("Frame8"), kClientArea, 7560, 120, 2295, 2055);
    addPlace(QStringLiteral("Frame4"), kClientArea, 120, 2280, 5055, 3495);
    addPlace(QStringLiteral("Frame5"), kClientArea, 5280, 2280, 4575, 3495);
    addPlace(QStringLiteral("Frame7"), kClientArea, 3000, 6000, 4095, 1575);

    const QString counters = QStringLiteral("Frame1(0)");
    for (int i = 0; i < 3; ++i) {
        addPlace(indexed("Text1", i), counters, 960, 480 + 480 * i, 495, 285);
    }
    addPlace(QStringLiteral("Image2"), counters, 240, 360, 480, 465);
    addPlace(QStringLiteral("Image1"), counters, 240, 840, 465, 435);
    addPlace(QStringLiteral("Image3"), counters, 240, 1320, 480, 420);

    const QString warrior = QStringLiteral("Frame3");
    addPlace(indexed("Image5", 0), warrior, 120, 360, 600, 600); // bordered at start
    addPlace(indexed("Image5", 1), warrior, 120, 1200, 540, 540);
    addPlace(indexed("Image5", 2), warrior, 120, 360, 540, 540);
    addPlace(indexed("Image5", 3), warrior, 120, 1200, 540, 540);

    const QString vitality = QStringLiteral("Frame2");
    const int rowTops[] = {360, 600, 1200, 1440};
    for (int row = 0; row < 4; ++row) {
        addPlace(indexed("Option1", row), vitality, 120, rowTops[row], 255, 255);
        addPlace(indexed("Label1", row), vitality, 360, rowTops[row], 375, 255);
    }
    addPlace(indexed("Image7", 0), vitality, 840, 360, 720, 435);
    addPlace(indexed("Image7", 1), vitality, 840, 1200, 720, 435);
    addPlace(indexed("Command1", 0), vitality, 840, 840, 255, 255);
    addPlace(indexed("Command1", 1), vitality, 1200, 840, 255, 255);

    const QString saveSlots = QStringLiteral("Frame6");
    for (int n = 0; n < 5; ++n) {
        addPlace(indexed("Command3", n), saveSlots, 120, 240 + 360 * n, 1215, 255);
        addPlace(indexed("Command2", n), saveSlots, 1440, 240 + 360 * n, 1215, 255);
    }

    addPlace(QStringLiteral("Label7"), QStringLiteral("Frame8"), 120, 360, 1935, 1095);

    const QString objects = QStringLiteral("Frame4");
    for (int i = 0; i <= 36; ++i) {
        addPlace(indexed("Image4", i), objects, 120 + 600 * (i % 8), 360 + 600 * (i / 8), 540, 540);
    }
    for (int i = 37; i <= 40; ++i) {
        addPlace(indexed("Image4", i), objects, 3120, 2760, 540, 540);
    }
    addPlace(QStringLiteral("Image8"), objects, 4320, 2760, 540, 540);

    const QString worlds = QStringLiteral("Frame5");
    addPlace(QStringLiteral("Label4"), worlds, 240, 600, 1215, 255);
    for (int w = 0; w < 10; ++w) {
        addPlace(indexed("Label3", w), worlds, 240, 960 + 240 * w, 1215, 255);
    }
    for (int i = 0; i < 40; ++i) {
        addPlace(indexed("Check1", i), worlds, 1800 + 720 * (i % 4), 960 + 240 * (i / 4), 255, 255);
    }
    for (int k = 0; k < 4; ++k) {
        addPlace(indexed("Image6", k), worlds, 1680 + 720 * k, 360, 540, 540);
    }

    const QString password = QStringLiteral("Frame7");
    for (int g = 0; g < 12; ++g) {
        addPlace(indexed("Label6", g), password, 240 + 960 * (g % 4), 360 + 360 * (g / 4), g == 11 ? 495 : 855, 375);
    }
}

void LayoutTest::placesMatchTheLayout()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, place);

    const QWidget* widget = control(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), place);
    if (container == kClientArea) {
        QCOMPARE(widget->parentWidget(), window().centralWidget());
    } else {
        QVERIFY(widget->parentWidget());
        QCOMPARE(widget->parentWidget()->objectName(), container);
    }
}

void LayoutTest::tableHoldsThePlaces()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, twips);

    const ControlLayout* entry = layoutEntry(name);
    QVERIFY(entry);
    const TwipsRect& rect = entry->rect;
    QCOMPARE(QRect(rect.left, rect.top, rect.width, rect.height), twips);
    QCOMPARE(text(entry->frame), container == kClientArea ? QString() : container);
}

void LayoutTest::clientAreaIsFixedWithACloseBoxOnly()
{
    QCOMPARE(window().objectName(), QStringLiteral("Form1"));
    QCOMPARE(window().windowTitle(), QStringLiteral("The Quandrel Password Generator "));
    QVERIFY(!window().windowIcon().isNull());
    QCOMPARE(window().centralWidget()->size(), QSize(669, 518));
    QCOMPARE(window().minimumSize(), window().size());
    QCOMPARE(window().maximumSize(), window().size());

    const Qt::WindowFlags flags = window().windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    const QRect screen = window().screen()->availableGeometry();
    QVERIFY2((window().geometry().center() - screen.center()).manhattanLength() <= 1, "not centred on the screen");
}

void LayoutTest::captionsAreCompleteAndUnclipped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    const auto add = [](const QString& name, const QString& caption) {
        QTest::newRow(qPrintable(name)) << name << caption;
    };
    add(QStringLiteral("Frame1(0)"), QStringLiteral("Arrows, Coins , Keys"));
    add(QStringLiteral("Frame3"), QStringLiteral("Warrior"));
    add(QStringLiteral("Frame2"), QStringLiteral("Vitality, Experience"));
    add(QStringLiteral("Frame6"), QStringLiteral("Load / Save to disk"));
    add(QStringLiteral("Frame8"), QStringLiteral("Version Info"));
    add(QStringLiteral("Frame4"), QStringLiteral("Objects"));
    add(QStringLiteral("Frame5"), QStringLiteral("World information"));
    add(QStringLiteral("Frame7"), QStringLiteral("The Quandrel Password "));
    add(indexed("Command1", 0), QStringLiteral("-"));
    add(indexed("Command1", 1), QStringLiteral("+"));
    for (int n = 0; n < 5; ++n) {
        add(indexed("Command3", n), QStringLiteral("Loadgame %1").arg(n + 1));
        add(indexed("Command2", n), QStringLiteral("Savegame %1").arg(n + 1));
    }
    add(QStringLiteral("Label4"), QStringLiteral("World 1 - 10"));
}

void LayoutTest::captionsAreCompleteAndUnclipped()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    const QWidget* widget = control(name);
    QVERIFY(widget);
    QString shown;
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        shown = frame->title();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        shown = button->text();
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        shown = label->text();
    }
    QCOMPARE(shown, caption);
    QVERIFY2(widget->fontMetrics().horizontalAdvance(caption) <= widget->width(),
             "the caption is wider than its place");
}

void LayoutTest::tableHoldsTheCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    const ControlLayout* entry = layoutEntry(name);
    QVERIFY(entry);
    QCOMPARE(text(entry->caption), caption);
}

void LayoutTest::passwordGroupsUseTheirOwnFont()
{
    for (int g = 0; g < 12; ++g) {
        const auto* group = control<QLabel>(indexed("Label6", g));
        QVERIFY(group);
        const QFont font = group->font();
        if (QFontDatabase::families().contains(QStringLiteral("MS Sans Serif"))) {
            QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
            QCOMPARE(font.styleHint(), QFont::SansSerif);
        } else {
            // The window's own font stands in for the missing family.
            QCOMPARE(font.family(), QApplication::font().family());
        }
        QCOMPARE(font.pointSizeF(), 13.5);
        QCOMPARE(font.weight(), QFont::Normal);
        QCOMPARE(group->frameShape(), QFrame::NoFrame);
        QVERIFY(group->alignment().testFlag(Qt::AlignLeft));
    }
    // Every other control keeps the window's font.
    QCOMPARE(control(indexed("Label3", 0))->font(), window().font());
}

void LayoutTest::counterBoxesTakeThreeCentredCharacters()
{
    for (int i = 0; i < 3; ++i) {
        const auto* box = control<QLineEdit>(indexed("Text1", i));
        QVERIFY(box);
        QCOMPARE(box->maxLength(), 3);
        QVERIFY(box->alignment().testFlag(Qt::AlignHCenter));
    }
}

void LayoutTest::hiddenBookkeepingLabelsStayHidden()
{
    QStringList names = {QStringLiteral("Label5"), QStringLiteral("Label8")};
    for (int s = 0; s < 6; ++s) {
        names << indexed("Label2", s);
    }
    // The window holds them in its model; it builds no widget for them.
    for (const QString& name : names) {
        const ControlLayout* entry = layoutEntry(name);
        QVERIFY2(entry && entry->kind == ControlKind::Label, qPrintable(name));
        QVERIFY2(!entry->visible, qPrintable(name));
        const QWidget* widget = control(name);
        QVERIFY2(!widget || !widget->isVisible(), qPrintable(name));
    }
}

void LayoutTest::builtWindowFollowsTheTable_data()
{
    QTest::addColumn<QString>("name");
    for (const ControlLayout& entry : windowLayout()) {
        const QString name = QString::fromStdString(controlName(entry));
        QTest::newRow(qPrintable(name)) << name;
    }
}

void LayoutTest::builtWindowFollowsTheTable()
{
    QFETCH(QString, name);
    const ControlLayout& entry = *layoutEntry(name);
    const QRect place(entry.rect.left / kTwipsPerPixel, entry.rect.top / kTwipsPerPixel,
                      entry.rect.width / kTwipsPerPixel, entry.rect.height / kTwipsPerPixel);

    if (entry.kind == ControlKind::Form) {
        QCOMPARE(window().objectName(), name);
        QCOMPARE(window().windowTitle(), text(entry.caption));
        QCOMPARE(window().centralWidget()->size(), place.size());
        QCOMPARE(window().font().pointSizeF(), entry.font.points);
        return;
    }
    const QWidget* widget = control(name);
    if (!entry.visible && entry.kind == ControlKind::Label) {
        QVERIFY(!widget || !widget->isVisible()); // bookkeeping the model keeps
        return;
    }
    QVERIFY(widget);
    // A picture's place holds its picture at natural size, with its border as at start.
    QCOMPARE(widget->geometry(), place);
    QVERIFY(widget->parentWidget());
    if (entry.frame.empty()) {
        QCOMPARE(widget->parentWidget(), window().centralWidget());
    } else {
        QCOMPARE(widget->parentWidget()->objectName(), text(entry.frame));
    }
    QCOMPARE(widget->isVisible(), entry.visible);
    QCOMPARE(widget->isEnabled(), entry.enabled);
    if (entry.font.points > 0) {
        QCOMPARE(widget->font().pointSizeF(), entry.font.points);
    } else {
        QCOMPARE(widget->font(), window().font());
    }

    const Qt::Alignment alignment =
        entry.alignment == TextAlignment::Centre ? Qt::Alignment(Qt::AlignCenter) : Qt::AlignLeft | Qt::AlignTop;
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        QCOMPARE(entry.kind, ControlKind::Frame);
        QCOMPARE(frame->title(), text(entry.caption));
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        QVERIFY(entry.kind == ControlKind::CommandButton || entry.kind == ControlKind::OptionButton ||
                entry.kind == ControlKind::CheckBox);
        QCOMPARE(button->text(), text(entry.caption));
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        QCOMPARE(entry.kind, ControlKind::Label);
        if (!entry.caption.empty()) {
            QCOMPARE(label->text(), text(entry.caption));
        }
        QCOMPARE(label->frameShape(), entry.border ? QFrame::WinPanel : QFrame::NoFrame);
        QCOMPARE(label->alignment(), alignment);
        QCOMPARE(label->wordWrap(), entry.wordWrap);
    } else if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
        QCOMPARE(entry.kind, ControlKind::TextBox);
        QCOMPARE(box->maxLength(), entry.maxLength);
        QCOMPARE(box->alignment(), alignment);
    } else {
        QCOMPARE(entry.kind, ControlKind::Picture);
        QVERIFY(!entry.picture.empty());
    }
}

void LayoutTest::tabOrderFollowsTheTable()
{
    std::vector<const ControlLayout*> ordered;
    for (const ControlLayout& entry : windowLayout()) {
        if (entry.tabIndex >= 0) {
            ordered.push_back(&entry);
        }
    }
    std::ranges::sort(ordered, {}, &ControlLayout::tabIndex);
    QStringList expected;
    for (const ControlLayout* entry : ordered) {
        expected << QString::fromStdString(controlName(*entry));
    }

    // The controls of the table that Tab reaches, once round the focus chain from the first.
    QWidget* first = control(expected.front());
    QVERIFY(first);
    QStringList chain;
    QWidget* widget = first;
    do {
        if (layoutEntry(widget->objectName()) && widget->isEnabled() && widget->focusPolicy() & Qt::TabFocus) {
            chain << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != first);
    QCOMPARE(chain, expected);
}

} // namespace quandrel

QTEST_MAIN(quandrel::LayoutTest)
#include "LayoutTest.moc"
