#include "german_number.h"

#include "common/data_file.h"

namespace zr {

QString german_number_text(double value) {
    // The print form differs from the German one only in its decimal separator.
    QString text = print_form(value);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace zr
