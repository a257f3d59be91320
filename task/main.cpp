#include "task/message_box_notice.h"
#include "task/task_dispatcher.h"
#include "task/task_job.h"

#include "common/ini_settings_store.h"
#include "common/linux_dos_fs.h"
#include "common/linux_volume_source.h"

#include <QCoreApplication>

#include <memory>

int main(int argc, char** argv) {
    auto application = std::make_unique<QCoreApplication>(argc, argv);
    const QString argument_text = zr::task_argument_text(QCoreApplication::arguments().mid(1));

    zr::IniSettingsStore settings;
    zr::LinuxVolumeSource volumes;
    zr::LinuxDosFs fs(settings, volumes);
    zr::MessageBoxNotice notice(application, argc, argv);
    zr::TaskDispatcher(settings, fs, notice).run(argument_text);
    return 0;
}
