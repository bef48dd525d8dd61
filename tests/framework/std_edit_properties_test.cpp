#include "framework/std_edit_properties.h"

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "framework/control_properties.h"
#include "framework/definition_reader.h"
#include "framework/definition_text.h"
#include "framework/definition_writer.h"
#include "framework/graphics_properties.h"
#include "framework/std_edit.h"

namespace quendar::testing_support {
namespace {

constexpr const char* StoredForm = R"(object Dates: TDatesForm
  ClientHeight = 100
  ClientWidth = 300
  object sEdit_StartDate: TEdit
    Left = 90
    Top = 82
    Width = 125
    Height = 21
    Color = 16118514
    TabOrder = 0
    Text = '1/15/2026'
    MaxLength = 10
    PasswordChar = '*'
    ReadOnly = True
    BevelKind = bkFlat
    BevelInner = bvNone
    OnChange = StartDateChange
  end
end
)";

class DatesForm : public TForm {
public:
    explicit DatesForm(TComponent* owner) : TForm(owner) {}
    std::string ClassName() const override { return "TDatesForm"; }
    void StartDateChange(TComponent*) { ++Changes; }
    int Changes = 0;
};

class StdEditPropertiesTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        RegisterGraphicsClasses(registry);
        RegisterControlClasses(registry);
        RegisterEditClasses(registry);
        registry.RegisterClass("TDatesForm",
                               PropertyTable(FormProperties())
                                   .Method<DatesForm>("StartDateChange", &DatesForm::StartDateChange));
    }
    ClassRegistry registry;
};

TEST_F(StdEditPropertiesTest, StoredEditReadsBackWithoutFiringOnChange) {
    TComponentPtr<DatesForm> form(CreateComponent<DatesForm>(nullptr));
    ReadDefinition(*form, CompileDefinitionText(StoredForm), registry);
    auto* edit = dynamic_cast<TEdit*>(form->FindComponent("sEdit_StartDate"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Text(), "1/15/2026");
    EXPECT_EQ(edit->MaxLength(), 10);
    EXPECT_EQ(edit->PasswordChar(), U'*');
    EXPECT_TRUE(edit->ReadOnly());
    EXPECT_TRUE(edit->TabStop());
    EXPECT_EQ(edit->BevelKind(), TBevelKind::bkFlat);
    EXPECT_EQ(edit->BorderSize(), 3);  // 3-D border and the outer bevel
    EXPECT_EQ(form->Changes, 0);
    edit->SetText("2/1/2026");
    EXPECT_EQ(form->Changes, 1);

    std::string text = PrintDefinitionText(DefinitionTreeOf(*form, registry));
    EXPECT_NE(text.find("Text = '2/1/2026'"), std::string::npos) << text;
    EXPECT_NE(text.find("OnChange = StartDateChange"), std::string::npos) << text;
    for (const char* absent :
         {"Caption =", "TabStop =", "BorderStyle =", "Ctl3D =", "AutoSelect =", "BevelOuter ="})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent << " in\n" << text;
}

}  // namespace
}  // namespace quendar::testing_support
