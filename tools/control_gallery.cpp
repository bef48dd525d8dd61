// One of each standard control on a form, for review: in the real window
// (SDL) when there is a display, otherwise rendered headless to a PNG.

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "framework/application.h"
#include "framework/canvas.h"
#include "framework/clipboard.h"
#include "framework/draw_grid.h"
#include "framework/form.h"
#include "framework/image.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/std_button.h"
#include "framework/std_edit.h"
#include "framework/std_label.h"
#include "framework/std_panel.h"
#include "framework/std_speed_button.h"
#include "framework/timer_component.h"
#include "platform/backend/headless/headless_backend.h"
#include "platform/backend/headless/robot.h"
#include "platform/backend/sdl/sdl_backend.h"
#include "platform/png_file.h"
#include "platform/text_format.h"
#include "platform/window_system.h"
#include "form_demo_host.h"

namespace quendar {
namespace {

template <class T>
T* Place(TForm* form, TWinControl* parent, int left, int top, int width, int height) {
    T* control = CreateComponent<T>(form);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

TForm* CreateGallery() {
    TForm* form = Application.CreateForm<TForm>();
    form->SetCaption("Quendar control gallery");
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetPosition(TPosition::poScreenCenter);
    form->SetClientWidth(420);
    form->SetClientHeight(230);

    Place<TLabel>(form, form, 12, 14, 80, 13)->SetCaption("&Start date:");
    TEdit* edit = Place<TEdit>(form, form, 96, 10, 120, 21);
    edit->SetText("1/15/2026");
    edit->SetTabOrder(0);

    TButton* button = Place<TButton>(form, form, 228, 8, 129, 25);
    button->SetCaption("Report to Clipboard");
    button->SetDefault(true);
    button->SetTabOrder(1);
    TPopupMenu* menu = CreateComponent<TPopupMenu>(form);
    for (const char* caption : {"&Copy", "-", "Select &All"}) {
        TMenuItem* item = CreateComponent<TMenuItem>(form);
        item->SetCaption(caption);
        menu->Items().Add(item);
    }
    button->OnClick = TNotifyEvent([edit](TComponent*) { Clipboard().SetAsText(edit->Text()); });

    TPanel* panel = Place<TPanel>(form, form, 12, 44, 190, 96);
    panel->SetCaption("Panel");
    TSpeedButton* previous = Place<TSpeedButton>(form, panel, 8, 8, 23, 22);
    previous->SetCaption("<");
    TSpeedButton* next = Place<TSpeedButton>(form, panel, 34, 8, 23, 22);
    next->SetCaption(">");
    next->SetFlat(true);
    next->OnClick = TNotifyEvent([menu, next](TComponent*) {
        Point below = next->ClientToScreen({0, next->Height()});
        menu->Popup(below.X, below.Y);
    });

    TDrawGrid* grid = Place<TDrawGrid>(form, form, 214, 44, 194, 120);
    grid->SetFixedCols(0);
    grid->SetColCount(7);
    grid->SetRowCount(7);
    grid->SetDefaultColWidth(24);
    grid->SetDefaultRowHeight(15);
    grid->SetTabOrder(2);
    grid->OnDrawCell = [grid](TComponent*, int col, int row, const Rect& rect, TGridDrawState) {
        int day = (row - 1) * 7 + col + 1;
        if (row == 0 || day < 1 || day > 31) return;
        Rect text = rect;
        grid->Canvas().TextRect(text, std::to_string(day), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    };

    TImage* image = Place<TImage>(form, form, 12, 150, 64, 64);
    TBitmap& picture = image->Picture().Bitmap();
    picture.SetSize(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            picture.Canvas().SetPixels(x, y, static_cast<TColor>(RGB(40 + 3 * x, 90 + 2 * y, 200)));

    TLabel* clock = Place<TLabel>(form, form, 90, 176, 110, 13);
    clock->SetCaption("Ticks: 0");
    TTimer* timer = CreateComponent<TTimer>(form);
    timer->SetInterval(500);
    auto ticks = std::make_shared<int>(0);
    timer->OnTimer = TNotifyEvent([clock, ticks](TComponent*) { clock->SetCaption("Ticks: " + std::to_string(++*ticks)); });
    return form;
}

}  // namespace
}  // namespace quendar

int main(int argc, char** argv) {
    return quendar::RunFormDemo(argc, argv, "control-gallery", quendar::CreateGallery);
}
