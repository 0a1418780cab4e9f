#include "VersionPanel.h"

#include "AccessibleNames.h"
#include "ControlPlacement.h"
#include "ReadableToolTip.h"
#include "Version.h"

#include <QLabel>

namespace quandrel {

VersionPanel::VersionPanel(QWidget* parent) : QGroupBox(parent) { createLayout(); }

void VersionPanel::createLayout()
{
    placeFrame(*this, windowControl("Frame8"));
    setAccessibleName(title());

    const QString version = QString::fromLatin1(kVersion);
    auto* text = new QLabel(this);
    placeLabel(*text, windowControl("Label7"));
    text->setAccessibleName(tr("Quandrel Password Generator, version %1").arg(version));
    setReadableToolTip(*text, controlToolTipText("Label7"));
}

} // namespace quandrel
