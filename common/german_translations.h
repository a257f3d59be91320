#pragma once

class QCoreApplication;

namespace zr {

// Loads Qt's German texts, so that standard dialogs and buttons speak German.
void install_german_translations(QCoreApplication& app);

} // namespace zr
