// bench_listing FOLDER PROGRAM_DIR: lists the host folder once as a pane listing does, with
// the type files of the program directory, and prints the seconds it took. The free-space
// request is left out: its launcher starts nothing.
#include "main/panes/folder_listing.h"
#include "main/panes/free_space_query.h"
#include "main/panes/listing_target.h"
#include "main/panes/pane_model.h"
#include "main/startup/form8.h"
#include "main/startup/program_state.h"

#include "common/battery_source.h"
#include "common/desktop.h"
#include "common/ini_settings_store.h"
#include "common/launcher.h"
#include "common/linux_dos_fs.h"
#include "common/linux_volume_source.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class QuietDesktop final : public zr::Desktop {
public:
    zr::MessageAnswer message_box(const QString&, const QString&, zr::MessageButtons,
                                  zr::MessageIcon) override {
        return zr::MessageAnswer::ok;
    }
    std::optional<QString> input_box(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> open_file(const zr::FileDialogRequest&) override { return {}; }
    std::optional<QString> save_file(const zr::FileDialogRequest&) override { return {}; }
    bool choose_printer(QPrinter&, bool) override { return false; }
    int show_modal(QWidget&) override { return 0; }
    void set_busy(bool) override {}
    void pump_events() override {}
    QString clipboard_text() const override { return {}; }
    void set_clipboard_text(const QString&) override {}
    void clear_clipboard() override {}
    QSize screen_size() const override { return {1024, 768}; }
    QRect work_area() const override { return {0, 0, 1024, 738}; }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class NoStart final : public zr::LaunchHandle {
public:
    bool started() const override { return false; }
    bool running() const override { return false; }
};

class NoLauncher final : public zr::Launcher {
public:
    std::shared_ptr<zr::LaunchHandle> start(const QString&, zr::WindowStyle) override {
        return std::make_shared<NoStart>();
    }
};

class ModelTarget final : public zr::ListingTarget {
public:
    zr::PaneModel model;
    void set_listing_menu_states() override {}
    void set_pane_items(int, QList<zr::PaneItem> items) override {
        model.set_items(std::move(items));
    }
    void set_pane_caption(int, const QString&) override {}
    void set_window_title(const QString&) override {}
    void set_status_text(const QString&) override {}
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER PROGRAM_DIR\n", argv[0]);
        return 2;
    }
    QTemporaryDir settings_dir;
    zr::IniSettingsStore settings(settings_dir.filePath(QStringLiteral("bench.ini")));
    settings.put(QStringLiteral("drives"), QStringLiteral("c"), QStringLiteral("/"));
    zr::LinuxVolumeSource volumes;
    zr::LinuxDosFs fs(settings, volumes);
    QuietDesktop desktop;
    NoLauncher launcher;
    zr::SysfsBatterySource battery;
    zr::Form8 data(fs, battery, desktop);
    zr::ProgramState state;
    state.profile_flags.fill(QStringLiteral("0"));
    state.program_dir =
        fs.dos_path(QString::fromLocal8Bit(argv[2])).value_or(QString()) + QStringLiteral("\\");
    state.navigate_target = fs.dos_path(QString::fromLocal8Bit(argv[1])).value_or(QString());
    zr::FreeSpaceQuery free_space(fs, launcher, desktop, state.program_dir);
    ModelTarget target;

    QElapsedTimer timer;
    timer.start();
    zr::FolderListing(state, fs, desktop, data, free_space, target).list_folder();
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    if (target.model.rowCount() < 2)
        return 1;
    std::printf("%.6f\n", seconds);
    return 0;
}
