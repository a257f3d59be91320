#pragma once

namespace zr {

class Desktop;
class DosFs;
class Launcher;
class SettingsStore;

// The platform services a program hands to its windows and routines.
struct Services {
    SettingsStore& settings;
    DosFs& fs;
    Launcher& launcher;
    Desktop& desktop;
};

} // namespace zr
