#pragma once

#include <QString>

namespace zr {

// zrtask's one visible thing: a modal message with the critical-stop icon and an OK button.
class FailureNotice {
public:
    virtual ~FailureNotice() = default;
    // Returns when the person has closed the message.
    virtual void show_failure(const QString& text, const QString& title) = 0;
};

} // namespace zr
