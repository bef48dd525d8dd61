// The calculator window. `quendar` starts this program for the window and
// for screenshots; it takes the same arguments:
//
//   quendar_window                        the window on the desktop; without a
//                                         display, a screenshot to quendar.png
//   quendar_window --screenshot FILE.png  the window rendered headless
//   quendar_window skin info [FOLDER] | skin check FOLDER
//                                         the commands for skin authors
//   quendar_window --exit-after-first-frame
//                                         shows the window and ends once its
//                                         first frame is on the screen (start-up
//                                         timing)
//
// With QUENDAR_TRACE set in the environment it prints "ready X Y" (the
// window's client origin on the screen) once the first frame is shown, and
// "box CAPTION: TEXT" for every message box it opens, for the end-to-end
// tests.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "app/window/program_startup.h"
#include "app/window/quendar_form.h"
#include "app/window/skin_commands.h"
#include "framework/application.h"
#include "framework/class_registry.h"
#include "platform/backend/headless/headless_backend.h"
#include "platform/backend/headless/robot.h"
#include "platform/backend/sdl/sdl_backend.h"
#include "platform/message_box.h"
#include "platform/png_file.h"

namespace quendar {
namespace {

constexpr const char* Usage =
    "usage: quendar_window [--screenshot FILE.png | --exit-after-first-frame | skin info [FOLDER] |\n"
    "                       skin check FOLDER]\n";

int RenderHeadless(const std::string& programPath, const std::string& imageFile) {
    HeadlessBackend& headless = InstallHeadlessBackend();
    InitializeQuendarProgram(programPath);
    TForm_Quendar* form = CreateQuendarMainWindow(ClassRegistry::Global());
    form->Show();
    Robot robot(headless);
    robot.Pump();
    WritePngFile(robot.RenderWindow(form->Handle()), imageFile);
    return 0;
}

int RunOnDisplay(const std::string& programPath, bool exitAfterFirstFrame) {
    auto backend = std::make_unique<SdlBackend>();
    SdlBackend& sdl = *backend;
    InstallBackend(std::move(backend));
    InitializeQuendarProgram(programPath);
    TForm_Quendar* form = CreateQuendarMainWindow(ClassRegistry::Global());
    const bool trace = std::getenv("QUENDAR_TRACE") != nullptr;
    if (trace) {
        SetMessageBoxHook([](const MessageBoxRequest& request) -> std::optional<int> {
            std::printf("box %s: %s\n", request.Caption.c_str(), request.Text.c_str());
            std::fflush(stdout);
            return std::nullopt;  // the box opens as usual
        });
    }
    bool shown = false;
    sdl.OnPresented = [&](HWND window) {
        if (shown || window != form->Handle()) return;
        shown = true;
        if (trace) {
            Point client = form->ClientToScreen({0, 0});
            std::printf("ready %d %d\n", client.X, client.Y);
            std::fflush(stdout);
        }
        if (exitAfterFirstFrame) Application.Terminate();
    };
    Application.Run();
    return 0;
}

}  // namespace
}  // namespace quendar

int main(int argc, char** argv) {
    using namespace quendar;
    const std::string programPath = argc > 0 ? argv[0] : "quendar";
    const std::string option = argc > 1 ? argv[1] : "";
    try {
        if (option == "--screenshot" && argc == 3) return RenderHeadless(programPath, argv[2]);
        if (option == "skin" && argc >= 3) {
            const std::string what = argv[2];
            if (what == "info" && argc <= 4) return RunSkinInfo(argc == 4 ? argv[3] : "", stdout, stderr);
            if (what == "check" && argc == 4) return RunSkinCheck(argv[3], stdout, stderr);
        }
        if (argc == 1 || (option == "--exit-after-first-frame" && argc == 2)) {
            if (SdlDisplayAvailable()) return RunOnDisplay(programPath, argc == 2);
            if (argc == 2) {
                std::fputs("quendar: no display to show the window on\n", stderr);
                return 1;
            }
            const std::string imageFile = "quendar.png";
            RenderHeadless(programPath, imageFile);
            std::printf("No display to open the window on (is DISPLAY set?): the calculator was rendered to %s\n",
                        imageFile.c_str());
            return 0;
        }
        std::fputs(Usage, stderr);
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quendar: %s\n", error.what());
        return 1;
    }
}
