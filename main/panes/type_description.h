#pragma once

#include <QString>

namespace zr {

// Whether a description may become the name of its type file in the program directory: not
// empty, no "..", no control character and none of \ / : * ? " < > |, so the file can
// only land in the program directory itself.
bool is_acceptable_type_description(const QString& description);

} // namespace zr
