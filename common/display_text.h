#pragma once

#include <QDateTime>
#include <QString>

namespace zr {

// A size with "." before every group of three digits: 1234567 gives "1.234.567".
QString dotted_number(qint64 value);
// The short date and time without seconds: "24.12.2000 18:30".
QString date_time_text(const QDateTime& local_time);

} // namespace zr
