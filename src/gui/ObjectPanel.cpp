#include "ObjectPanel.h"

#include "ClickablePicture.h"
#include "ControlName.h"
#include "Pictures.h"
#include "Twips.h"
#include "editor/EditorModel.h"

namespace quandrel {

namespace {

// A grid of 8 columns and 5 rows, 600 twips apart.
constexpr int kColumns = 8;
constexpr int kGridLeft = 120;
constexpr int kGridTop = 360;
constexpr int kCellPitch = 600;
constexpr int kLastRow = 4;
constexpr int kShieldColumn = 5;
constexpr int kSelectAllColumn = 7;

QPoint cell(int column, int row) { return twipsPoint(kGridLeft + kCellPitch * column, kGridTop + kCellPitch * row); }

QString objectPicturePath(int index)
{
    if (index < kFirstShieldPicture) {
        return QStringLiteral("objects/object%1.gif").arg(index, 2, 10, QLatin1Char('0'));
    }
    if (index == kNoShieldPicture) {
        return QStringLiteral("objects/noshield.gif");
    }
    return QStringLiteral("objects/shield%1.gif").arg(index - kFirstShieldPicture + 1);
}

// The shield pictures lie one above the other in a single cell.
QPoint objectCell(int index)
{
    if (index >= kFirstShieldPicture) {
        return cell(kShieldColumn, kLastRow);
    }
    return cell(index % kColumns, index / kColumns);
}

} // namespace

ObjectPanel::ObjectPanel(EditorModel& model, QWidget* parent) : QGroupBox(parent), m_model(model)
{
    createLayout();
    connectSignals();
    refresh();
}

void ObjectPanel::createLayout()
{
    setObjectName(QStringLiteral("Frame4"));
    setTitle(tr("Objects"));
    setGeometry(twipsRect(120, 2280, 5055, 3495));

    for (std::size_t i = 0; i < m_objects.size(); ++i) {
        const int index = static_cast<int>(i);
        auto* picture = new ClickablePicture(loadPicture(objectPicturePath(index)), this);
        picture->setObjectName(controlName(QStringLiteral("Image4"), index));
        picture->move(objectCell(index));
        m_objects[i] = picture;
    }

    m_selectAll = new ClickablePicture(loadPicture(QStringLiteral("objects/selectall.gif")), this);
    m_selectAll->setObjectName(QStringLiteral("Image8"));
    m_selectAll->move(cell(kSelectAllColumn, kLastRow));
}

void ObjectPanel::connectSignals()
{
    m_model.addChangeListener([this] { refresh(); });
    for (std::size_t i = 0; i < m_objects.size(); ++i) {
        connect(m_objects[i], &ClickablePicture::clicked, this,
                [this, i] { m_model.Image4_Click(static_cast<int>(i)); });
    }
    connect(m_selectAll, &ClickablePicture::clicked, this, [this] { m_model.Image8_Click(); });
}

void ObjectPanel::refresh()
{
    const EditorControls& controls = m_model.controls();
    for (std::size_t i = 0; i < m_objects.size(); ++i) {
        m_objects[i]->setBorder(controls.objectBorder[i]);
        m_objects[i]->setVisible(controls.objectVisible[i]);
    }
    m_selectAll->setBorder(controls.selectAllBorder);
}

} // namespace quandrel
