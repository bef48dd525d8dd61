#pragma once
// Shared start of the form demos: the real window (SDL) when there is a
// display, otherwise a headless rendering to PNG. On a display it prints
// "ready X Y" (the form's client origin on screen) for the end-to-end tests.

#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "framework/application.h"
#include "framework/form.h"
#include "platform/backend/headless/headless_backend.h"
#include "platform/backend/headless/robot.h"
#include "platform/backend/sdl/sdl_backend.h"
#include "platform/png_file.h"

namespace quendar {

inline int RunFormDemo(int argc, char** argv, const std::string& name, const std::function<TForm*()>& createForm) {
    std::string screenshot = argc > 2 && std::string(argv[1]) == "--screenshot" ? argv[2] : "";
    try {
        bool onDisplay = screenshot.empty() && SdlDisplayAvailable();
        HeadlessBackend* headless = nullptr;
        if (onDisplay) {
            InstallBackend(std::make_unique<SdlBackend>());
        } else {
            headless = &InstallHeadlessBackend();
        }
        Application.Initialize();
        TForm* form = createForm();
        form->Show();
        if (onDisplay) {
            Point client = form->ClientToScreen({0, 0});
            std::printf("ready %d %d\n", client.X, client.Y);
            std::fflush(stdout);
            Application.Run();
            return 0;
        }
        Robot robot(*headless);
        robot.Pump();
        std::string path = screenshot.empty() ? name + ".png" : screenshot;
        WritePngFile(robot.RenderWindow(form->Handle()), path);
        std::printf("No display: %s was rendered to %s\n", name.c_str(), path.c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), e.what());
        return 1;
    }
}

}  // namespace quendar
