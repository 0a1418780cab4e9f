#pragma once

#include <QString>

namespace quandrel {

// The object name of one element of a control array, such as "Text1(0)", so that tests and
// accessibility tools find each control under the name the handlers use.
inline QString controlName(const QString& array, int index) { return QStringLiteral("%1(%2)").arg(array).arg(index); }

} // namespace quandrel
