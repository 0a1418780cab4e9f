#include "WorldPanel.h"

#include "ClickableLabel.h"
#include "ClickablePicture.h"
#include "ControlName.h"
#include "Pictures.h"
#include "Twips.h"
#include "editor/EditorModel.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace quandrel {

namespace {

constexpr int kStateLeft = 240;
constexpr int kStateWidth = 1215;
constexpr int kRowHeight = 255;
constexpr int kFirstRowTop = 960;
constexpr int kRowPitch = 240;
constexpr int kFlagLeft = 1800;
constexpr int kFlagPitch = 720;
constexpr int kFlagSize = 255;
constexpr int kColumnPictureLeft = 1680;
constexpr int kColumnPictureTop = 360;

int rowTop(int world) { return kFirstRowTop + kRowPitch * world; }

} // namespace

WorldPanel::WorldPanel(EditorModel& model, QWidget* parent) : QGroupBox(parent), m_model(model)
{
    createLayout();
    connectSignals();
    refresh();
}

void WorldPanel::createLayout()
{
    setObjectName(QStringLiteral("Frame5"));
    setTitle(tr("World information"));
    setGeometry(twipsRect(5280, 2280, 4575, 3495));

    auto* heading = new QLabel(tr("World 1 - 10"), this);
    heading->setObjectName(QStringLiteral("Label4"));
    heading->setGeometry(twipsRect(kStateLeft, 600, kStateWidth, kRowHeight));
    heading->setAlignment(Qt::AlignCenter);

    for (int column = 0; column < kFlagsPerWorld; ++column) {
        auto* picture = new ClickablePicture(loadPicture(QStringLiteral("worlds/column%1.gif").arg(column)), this);
        picture->setObjectName(controlName(QStringLiteral("Image6"), column));
        picture->move(twipsPoint(kColumnPictureLeft + kFlagPitch * column, kColumnPictureTop));
    }

    for (int world = 0; world < kWorldCount; ++world) {
        auto* state = new ClickableLabel(this);
        state->setObjectName(controlName(QStringLiteral("Label3"), world));
        state->setGeometry(twipsRect(kStateLeft, rowTop(world), kStateWidth, kRowHeight));
        state->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        state->setAlignment(Qt::AlignCenter);
        m_states[static_cast<std::size_t>(world)] = state;
    }

    for (int i = 0; i < kFlagCount; ++i) {
        auto* flag = new QCheckBox(this);
        flag->setObjectName(controlName(QStringLiteral("Check1"), i));
        flag->setGeometry(
            twipsRect(kFlagLeft + kFlagPitch * (i % kFlagsPerWorld), rowTop(i / kFlagsPerWorld), kFlagSize, kFlagSize));
        flag->setEnabled(false);
        m_flags[static_cast<std::size_t>(i)] = flag;
    }
}

void WorldPanel::connectSignals()
{
    m_model.addChangeListener([this] { refresh(); });
    for (std::size_t w = 0; w < m_states.size(); ++w) {
        connect(m_states[w], &ClickableLabel::clicked, this, [this, w] { m_model.Label3_Click(static_cast<int>(w)); });
    }
}

void WorldPanel::refresh()
{
    const EditorControls& controls = m_model.controls();
    for (std::size_t w = 0; w < m_states.size(); ++w) {
        const std::string_view caption = worldStateCaption(controls.worldStates[w]);
        m_states[w]->setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    }
    for (std::size_t i = 0; i < m_flags.size(); ++i) {
        const QSignalBlocker blocker(m_flags[i]);
        m_flags[i]->setChecked(controls.flags[i]);
    }
}

} // namespace quandrel
