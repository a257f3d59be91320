#pragma once

#include <QString>

namespace zr {

class DosFs;
class FailureNotice;
class SettingsStore;

// What zrtask does on start: finds the program directory and runs the job the argument text
// selects.
class TaskDispatcher {
public:
    // The services must outlive the dispatcher.
    TaskDispatcher(const SettingsStore& settings, DosFs& fs, FailureNotice& notice);

    void run(const QString& argument_text) const;

private:
    const SettingsStore& m_settings;
    DosFs& m_fs;
    FailureNotice& m_notice;
};

} // namespace zr
