#include "VitalityPanel.h"

#include "ClickablePicture.h"
#include "ControlName.h"
#include "Pictures.h"
#include "Twips.h"
#include "editor/EditorModel.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace quandrel {

namespace {

constexpr std::array<int, kValueCount> kRowTops = {360, 600, 1200, 1440};
constexpr int kRowHeight = 255;
constexpr int kOptionLeft = 120;
constexpr int kOptionWidth = 255;
constexpr int kValueLeft = 360;
constexpr int kValueWidth = 375;
// One VIT over EXP picture beside each pair.
constexpr std::array<int, 2> kPairPictureTops = {360, 1200};
constexpr int kPairPictureLeft = 840;
constexpr std::array<int, 2> kStepLefts = {840, 1200};
constexpr int kStepTop = 840;
constexpr int kStepSize = 255;

} // namespace

VitalityPanel::VitalityPanel(EditorModel& model, QWidget* parent) : QGroupBox(parent), m_model(model)
{
    createLayout();
    connectSignals();
    refresh();
}

void VitalityPanel::createLayout()
{
    setObjectName(QStringLiteral("Frame2"));
    setTitle(tr("Vitality, Experience"));
    setGeometry(twipsRect(2880, 120, 1695, 2055));

    m_rowGroup = new QButtonGroup(this);
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        const int index = static_cast<int>(row);
        auto* option = new QRadioButton(this);
        option->setObjectName(controlName(QStringLiteral("Option1"), index));
        option->setGeometry(twipsRect(kOptionLeft, kRowTops[row], kOptionWidth, kRowHeight));
        m_rowGroup->addButton(option, index);
        m_rows[row] = option;

        auto* value = new QLabel(this);
        value->setObjectName(controlName(QStringLiteral("Label1"), index));
        value->setGeometry(twipsRect(kValueLeft, kRowTops[row], kValueWidth, kRowHeight));
        value->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        value->setAlignment(Qt::AlignCenter);
        m_values[row] = value;
    }

    for (std::size_t pair = 0; pair < kPairPictureTops.size(); ++pair) {
        auto* picture = new ClickablePicture(loadPicture(QStringLiteral("vitexp.gif")), this);
        picture->setObjectName(controlName(QStringLiteral("Image7"), static_cast<int>(pair)));
        picture->move(twipsPoint(kPairPictureLeft, kPairPictureTops[pair]));
    }

    const std::array<QString, 2> stepCaptions = {tr("-"), tr("+")};
    for (std::size_t i = 0; i < m_steps.size(); ++i) {
        auto* step = new QPushButton(stepCaptions[i], this);
        step->setObjectName(controlName(QStringLiteral("Command1"), static_cast<int>(i)));
        step->setGeometry(twipsRect(kStepLefts[i], kStepTop, kStepSize, kStepSize));
        m_steps[i] = step;
    }
}

void VitalityPanel::connectSignals()
{
    m_model.addChangeListener([this] { refresh(); });
    connect(m_rowGroup, &QButtonGroup::idClicked, this, [this](int row) { m_model.Option1_Click(row); });
    for (std::size_t i = 0; i < m_steps.size(); ++i) {
        connect(m_steps[i], &QPushButton::clicked, this, [this, i] { m_model.Command1_Click(static_cast<int>(i)); });
    }
}

void VitalityPanel::refresh()
{
    const EditorControls& controls = m_model.controls();
    for (std::size_t row = 0; row < m_values.size(); ++row) {
        m_values[row]->setText(QString::number(controls.values[row]));
    }
    QRadioButton* chosen = m_rows[static_cast<std::size_t>(controls.selectedRow)];
    const QSignalBlocker groupBlocker(m_rowGroup);
    const QSignalBlocker buttonBlocker(chosen);
    chosen->setChecked(true);
}

} // namespace quandrel
