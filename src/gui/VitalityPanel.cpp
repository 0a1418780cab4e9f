#include "VitalityPanel.h"
#include "codec/GameState.h"

#include "AccessibleNames.h"
#include "ClickablePicture.h"
#include "ControlPlacement.h"
#include "EditorDocument.h"
#include "ReadableToolTip.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace quandrel {

namespace {

constexpr int kPairCount = 2; // one VIT over EXP picture beside each pair of rows

} // namespace

VitalityPanel::VitalityPanel(EditorDocument& document, QWidget* parent) : QGroupBox(parent), m_document(document)
{
    createLayout();
    connectSignals();
    refresh();
}

void VitalityPanel::createLayout()
{
    placeFrame(*this, windowControl("Frame2"));
    setAccessibleName(title());

    m_rowGroup = new QButtonGroup(this);
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        const int index = static_cast<int>(row);
        auto* option = new QRadioButton(this);
        placeControl(*option, windowControl("Option1", index));
        option->setAccessibleName(fixedAccessibleName("Option1", index));
        setReadableToolTip(*option, controlToolTipText("Option1", index));
        m_rowGroup->addButton(option, index);
        m_rows[row] = option;

        auto* value = new QLabel(this);
        placeLabel(*value, windowControl("Label1", index));
        setReadableToolTip(*value, controlToolTipText("Label1", index));
        m_values[row] = value;
    }

    for (int pair = 0; pair < kPairCount; ++pair) {
        auto* picture = createPicture(windowControl("Image7", pair), this);
        picture->setAccessibleName(fixedAccessibleName("Image7", pair));
        setReadableToolTip(*picture, controlToolTipText("Image7", pair));
    }

    for (std::size_t i = 0; i < m_steps.size(); ++i) {
        const ControlLayout& stepLayout = windowControl("Command1", static_cast<int>(i));
        auto* step = new QPushButton(layoutText(stepLayout.caption), this);
        placeControl(*step, stepLayout);
        step->setAccessibleName(fixedAccessibleName("Command1", static_cast<int>(i)));
        setReadableToolTip(*step, controlToolTipText("Command1", static_cast<int>(i)));
        m_steps[i] = step;
    }
}

void VitalityPanel::connectSignals()
{
    connect(&m_document, &EditorDocument::changed, this, &VitalityPanel::refresh);
    connect(m_rowGroup, &QButtonGroup::idClicked, this, [this](int row) { m_document.model().Option1_Click(row); });
    for (std::size_t i = 0; i < m_steps.size(); ++i) {
        connect(m_steps[i], &QPushButton::clicked, this,
                [this, i] { m_document.model().Command1_Click(static_cast<int>(i)); });
    }
}

void VitalityPanel::refresh()
{
    const EditorControls& controls = m_document.model().controls();
    for (std::size_t row = 0; row < m_values.size(); ++row) {
        m_values[row]->setText(QString::number(controls.values[row]));
        m_values[row]->setAccessibleName(stateAccessibleName("Label1", static_cast<int>(row), controls));
    }
    QRadioButton* chosen = m_rows[static_cast<std::size_t>(controls.selectedRow)];
    const QSignalBlocker groupBlocker(m_rowGroup);
    const QSignalBlocker buttonBlocker(chosen);
    chosen->setChecked(true);
}

} // namespace quandrel
