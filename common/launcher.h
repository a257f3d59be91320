#pragma once

#include <QString>

#include <memory>

namespace zr {

// Window styles of a started program, numbered as the system numbers them.
enum class WindowStyle : int {
    hidden = 0,
    normal_focus = 1,
    minimized_focus = 2,
    maximized_focus = 3,
    normal_no_focus = 4,
    minimized_no_focus = 6,
};

// What a caller may learn of a program it started.
class LaunchHandle {
public:
    virtual ~LaunchHandle() = default;
    // False when the program could not be started.
    virtual bool started() const = 0;
    // True until the started program has ended; false when it never started.
    virtual bool running() const = 0;
};

// Starts command lines in the system's grammar without waiting for them.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Never null; a start that fails returns a handle whose started() is false.
    virtual std::shared_ptr<LaunchHandle> start(const QString& command_line, WindowStyle style) = 0;
};

} // namespace zr
