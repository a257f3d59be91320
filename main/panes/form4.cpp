#include "form4.h"

namespace zr {

Form4::Form4(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Zonderel"));
    resize(900, 600);
}

} // namespace zr
