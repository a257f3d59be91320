#pragma once

#include <QMainWindow>

namespace zr {

// The main window of the file manager.
class Form4 final : public QMainWindow {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);
};

} // namespace zr
