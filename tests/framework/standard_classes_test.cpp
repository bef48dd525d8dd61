#include "framework/standard_classes.h"

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "framework/class_registry.h"
#include "framework/definition_reader.h"
#include "framework/definition_text.h"
#include "framework/form.h"

namespace quendar::testing_support {
namespace {

class StandardClassesTest : public ControlTest {};

TEST_F(StandardClassesTest, AFormWithOneOfEachStandardControlReadsBack) {
    ClassRegistry registry;
    RegisterStandardClasses(registry);
    constexpr const char* text = R"(object Gallery: TForm
  Caption = 'Gallery'
  object Label1: TLabel
    Caption = 'Date'
  end
  object Edit1: TEdit
    Left = 40
    Width = 80
    Height = 21
  end
  object Button1: TButton
    Left = 130
    Width = 75
    Height = 25
    Caption = 'OK'
  end
  object Panel1: TPanel
    Top = 40
    Width = 100
    Height = 60
    object SpeedButton1: TSpeedButton
      Width = 23
      Height = 22
    end
  end
  object Grid1: TDrawGrid
    Left = 110
    Top = 40
  end
  object Image1: TImage
    Top = 110
  end
  object Timer1: TTimer
  end
  object Menu1: TPopupMenu
  end
end
)";
    FormPtr form(CreateComponent<TForm>(nullptr));
    ReadDefinition(*form, CompileDefinitionText(text), registry);
    for (const char* name : {"Label1", "Edit1", "Button1", "Panel1", "SpeedButton1", "Grid1", "Image1", "Timer1",
                             "Menu1"}) {
        EXPECT_NE(form->FindComponent(name), nullptr) << name;
    }
}

}  // namespace
}  // namespace quendar::testing_support
