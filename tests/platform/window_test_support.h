#pragma once
// A fresh headless window system per test, a window class whose procedure
// records every message, and a robot to give input.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/backend/headless/headless_backend.h"
#include "platform/backend/headless/robot.h"
#include "platform/platform_error.h"
#include "platform/window_system.h"

namespace quendar {

inline void PrintTo(HWND window, std::ostream* out) { *out << "HWND(" << std::hex << window.Value() << std::dec << ")"; }

}  // namespace quendar

namespace quendar::testing_support {

struct Recorded {
    HWND Window;
    UINT Message = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
};

inline constexpr ColorRef RecorderBackground = RGB(0, 0, 255);

class WindowTest : public ::testing::Test {
protected:
    // Answers a message before the default procedure does; none lets it through.
    using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

    void SetUp() override {
        display = &InstallHeadlessBackend({800, 600});
        robot = std::make_unique<Robot>(*display);
        WNDCLASS recorder;
        recorder.lpszClassName = "Recorder";
        recorder.style = CS_DBLCLKS;
        recorder.hbrBackground = RecorderBackground;
        recorder.lpfnWndProc = [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            log.push_back({window, message, wParam, lParam});
            if (handler) {
                if (std::optional<LRESULT> answer = handler(window, message, wParam, lParam)) return *answer;
            }
            return DefWindowProc(window, message, wParam, lParam);
        };
        ASSERT_NE(RegisterClass(recorder), 0);
        WNDCLASS plain;
        plain.lpszClassName = "Plain";
        plain.lpfnWndProc = recorder.lpfnWndProc;
        plain.hbrBackground = RGB(255, 255, 0);
        ASSERT_NE(RegisterClass(plain), 0);
    }

    void TearDown() override { InstallHeadlessBackend(); }

    HWND Top(DWORD style, Rect place, const std::string& text = "", const std::string& windowClass = "Recorder") {
        return CreateWindowEx(0, windowClass, text, style, place.Left, place.Top, place.Width(), place.Height(),
                              HWND(), 0);
    }

    HWND Child(HWND parent, Rect place, DWORD style = WS_CHILD | WS_VISIBLE, LONG_PTR id = 0,
               const std::string& windowClass = "Recorder") {
        return CreateWindowEx(0, windowClass, "", style, place.Left, place.Top, place.Width(), place.Height(),
                              parent, id);
    }

    // The messages a window received, optionally only those of interest, in order.
    std::vector<UINT> MessagesOf(HWND window, const std::set<UINT>& only = {}) const {
        std::vector<UINT> result;
        for (const Recorded& entry : log) {
            if (entry.Window == window && (only.empty() || only.count(entry.Message))) result.push_back(entry.Message);
        }
        return result;
    }

    // (window, message) pairs of interest across all windows, in order.
    std::vector<std::pair<HWND, UINT>> Sequence(const std::set<UINT>& only) const {
        std::vector<std::pair<HWND, UINT>> result;
        for (const Recorded& entry : log) {
            if (only.count(entry.Message)) result.emplace_back(entry.Window, entry.Message);
        }
        return result;
    }

    std::optional<Recorded> Last(HWND window, UINT message) const {
        for (auto entry = log.rbegin(); entry != log.rend(); ++entry) {
            if (entry->Window == window && entry->Message == message) return *entry;
        }
        return std::nullopt;
    }

    HeadlessBackend* display = nullptr;
    std::unique_ptr<Robot> robot;
    std::vector<Recorded> log;
    Handler handler;
};

}  // namespace quendar::testing_support
