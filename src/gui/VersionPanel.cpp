#include "VersionPanel.h"

#include "Twips.h"
#include "Version.h"

#include <QLabel>

namespace quandrel {

VersionPanel::VersionPanel(QWidget* parent) : QGroupBox(parent) { createLayout(); }

void VersionPanel::createLayout()
{
    setObjectName(QStringLiteral("Frame8"));
    setTitle(tr("Version Info"));
    setGeometry(twipsRect(7560, 120, 2295, 2055));
    setAccessibleName(title());

    // Narrower than its text, so that the version wraps onto a line below the name.
    const QString version = QString::fromLatin1(kVersion);
    auto* text = new QLabel(tr("Quandrel Password Generator     Version  %1").arg(version), this);
    text->setObjectName(QStringLiteral("Label7"));
    text->setGeometry(twipsRect(120, 360, 1935, 1095));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setAccessibleName(tr("Quandrel Password Generator, version %1").arg(version));
    text->setToolTip(tr("The name and version of this program"));
}

} // namespace quandrel
