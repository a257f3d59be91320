#pragma once

#include <QString>

namespace zr {

// DOS wildcard matching as enumeration does it: "*" and "?", without regard to case.
// "*.*" matches every name, "name.*" matches "name" too, and "*." matches names without a dot.
bool dos_wildcard_match(const QString& pattern, const QString& name);

} // namespace zr
