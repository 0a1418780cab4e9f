#include "WarriorPanel.h"

#include "ClickablePicture.h"
#include "ControlName.h"
#include "EditorDocument.h"
#include "PictureDescriptions.h"
#include "Pictures.h"
#include "Twips.h"

namespace quandrel {

namespace {

constexpr int kPictureLeft = 120;
constexpr int kUpperTop = 360;
constexpr int kLowerTop = 1200;

struct WarriorPicture {
    const char* path;
    int top;
};

// Each alternative picture shares the place of its warrior's normal one.
constexpr std::array<WarriorPicture, kWarriorPictureCount> kPictures = {{
    {"warriors/warrior1.gif", kUpperTop},
    {"warriors/warrior2.gif", kLowerTop},
    {"warriors/tomb1.gif", kUpperTop},
    {"warriors/tomb2.gif", kLowerTop},
}};

} // namespace

WarriorPanel::WarriorPanel(EditorDocument& document, QWidget* parent) : QGroupBox(parent), m_document(document)
{
    createLayout();
    connectSignals();
    refresh();
}

void WarriorPanel::createLayout()
{
    setObjectName(QStringLiteral("Frame3"));
    setTitle(tr("Warrior"));
    setGeometry(twipsRect(1920, 120, 855, 2055));
    setAccessibleName(title());

    for (std::size_t i = 0; i < m_pictures.size(); ++i) {
        auto* picture = new ClickablePicture(loadPicture(QString::fromLatin1(kPictures[i].path)), this);
        picture->setObjectName(controlName(QStringLiteral("Image5"), static_cast<int>(i)));
        picture->move(twipsPoint(kPictureLeft, kPictures[i].top));
        picture->setToolTip(tr("%1. Click for the next warrior choice: which warrior plays, and whether the other "
                               "one shows as a tombstone.")
                                .arg(warriorDescription(static_cast<int>(i))));
        m_pictures[i] = picture;
    }
}

void WarriorPanel::connectSignals()
{
    connect(&m_document, &EditorDocument::changed, this, &WarriorPanel::refresh);
    for (std::size_t i = 0; i < m_pictures.size(); ++i) {
        connect(m_pictures[i], &ClickablePicture::clicked, this,
                [this, i] { m_document.model().Image5_Click(static_cast<int>(i)); });
    }
}

void WarriorPanel::refresh()
{
    const EditorControls& controls = m_document.model().controls();
    for (std::size_t i = 0; i < m_pictures.size(); ++i) {
        m_pictures[i]->setBorder(controls.warriorBorder[i]);
        m_pictures[i]->setVisible(controls.warriorVisible[i]);
        const QString shows = warriorDescription(static_cast<int>(i));
        m_pictures[i]->setAccessibleName(controls.warriorBorder[i] ? tr("%1, playing").arg(shows) : shows);
    }
}

} // namespace quandrel
