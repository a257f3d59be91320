#pragma once

#include <QString>

namespace zr {

// The order of the system's sorted lists: without regard to case or accents, so "Ärger"
// stands beside "Anton"; signs before digits, digits before letters, so ".." comes before
// every name that begins with a letter or digit.
// Names equal by that rule keep a fixed order by their exact text.
QString list_sort_key(const QString& text);
bool list_less(const QString& a, const QString& b);

} // namespace zr
