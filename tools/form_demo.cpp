// A form read from a window definition that was written as text, compiled at
// build time and embedded in this program. It opens in the real window (SDL)
// or, without a display, renders headless to a PNG. Tab and Shift+Tab move the
// focus between three boxes; each focus change is logged on standard output,
// which the end-to-end test waits for.

#include <cstdio>
#include <exception>
#include <memory>
#include <span>
#include <string>

#include "framework/application.h"
#include "framework/class_registry.h"
#include "framework/control_properties.h"
#include "framework/custom_control.h"
#include "framework/definition_reader.h"
#include "framework/form.h"
#include "framework/graphics_properties.h"
#include "platform/backend/headless/headless_backend.h"
#include "platform/backend/headless/robot.h"
#include "platform/backend/sdl/sdl_backend.h"
#include "platform/png_file.h"
#include "platform/text_format.h"
#include "platform/window_system.h"
#include "form_demo_host.h"

namespace quendar {

extern const std::span<const std::uint8_t> FormDemoDefinition;

namespace {

void Log(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// A focusable box that shows its caption and a focus frame.
class TFocusBox : public TCustomControl {
public:
    explicit TFocusBox(TComponent* owner) : TCustomControl(owner) {}
    std::string ClassName() const override { return "TFocusBox"; }

protected:
    void Paint() override {
        TCanvas& canvas = Canvas();
        Rect r = ClientRect();
        bool focused = Focused();
        canvas.Brush().SetColor(focused ? TColor(0x00F0D8C0) : clWindow);
        canvas.FillRect(r);
        canvas.Brush().SetColor(focused ? clHighlight : clBtnShadow);
        canvas.FrameRect(r);
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        Rect text = r;
        canvas.TextRect(text, Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    void DoEnter() override {
        TCustomControl::DoEnter();
        Log("focus " + Name());
        Invalidate();
    }
    void DoExit() override {
        TCustomControl::DoExit();
        Invalidate();
    }
};

TForm* CreateDemoForm() {
    ClassRegistry& registry = ClassRegistry::Global();
    RegisterGraphicsClasses(registry);
    RegisterControlClasses(registry);
    registry.RegisterComponentClass<TFocusBox>("TFocusBox", WinControlProperties());
    TForm* form = Application.CreateForm<TForm>();
    ReadDefinition(*form, FormDemoDefinition, registry);
    return form;
}

}  // namespace
}  // namespace quendar

int main(int argc, char** argv) {
    return quendar::RunFormDemo(argc, argv, "form-demo", quendar::CreateDemoForm);
}
