#pragma once

#include <QString>

namespace zr {

// A number as the German system's Print writes it into a data file: the sign position (a
// blank or "-"), up to 15 significant digits with the decimal comma and without thousands
// separators or trailing zeros, then a blank. 1220.703125 gives " 1220,703125 ".
QString german_number_text(double value);

} // namespace zr
