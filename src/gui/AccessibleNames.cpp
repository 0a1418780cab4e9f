#include "AccessibleNames.h"

#include "editor/ControlNames.h"
#include "editor/ControlToolTips.h"

#include <QCoreApplication>

namespace quandrel {

namespace {

std::string translatedPattern(std::string_view english)
{
    return QCoreApplication::translate("quandrel::ControlNames", std::string(english).c_str()).toStdString();
}

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

} // namespace

QString fixedAccessibleName(std::string_view name, int index)
{
    return fromStd(fixedControlName(name, index, translatedPattern));
}

QString stateAccessibleName(std::string_view name, int index, const EditorControls& controls)
{
    return fromStd(stateControlName(name, index, controls, translatedPattern));
}

QString valueRowText(int row) { return fromStd(valueRowName(row, translatedPattern)); }

QString controlToolTipText(std::string_view name, int index, const QString& slotPlace)
{
    return fromStd(controlToolTip(name, index, slotPlace.toStdString(), translatedPattern));
}

} // namespace quandrel
