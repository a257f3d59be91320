#include "main/startup/main_program.h"

#include "common/battery_source.h"
#include "common/dos_fs_launch_environment.h"
#include "common/german_translations.h"
#include "common/ini_settings_store.h"
#include "common/linux_dos_fs.h"
#include "common/linux_launcher.h"
#include "common/linux_volume_source.h"
#include "common/qt_desktop.h"
#include "common/services.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zr::install_german_translations(app);

    zr::IniSettingsStore settings;
    zr::LinuxVolumeSource volumes;
    zr::LinuxDosFs fs(settings, volumes);
    zr::DosFsLaunchEnvironment launch_environment(fs);
    zr::LinuxLauncher launcher(launch_environment, settings);
    zr::QtDesktop desktop(fs);
    zr::Services services{settings, fs, launcher, desktop};

    zr::SysfsBatterySource battery;
    zr::MainProgram program(services, battery);
    QObject::connect(&program, &zr::MainProgram::quit_requested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    return app.exec();
}
