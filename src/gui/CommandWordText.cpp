#include "CommandWordText.h"

#include "editor/CommandWords.h"

#include <QCoreApplication>

namespace quandrel {

QString commandWordText(std::string_view key)
{
    return QCoreApplication::translate("quandrel::CommandWords", commandWord(key));
}

} // namespace quandrel
