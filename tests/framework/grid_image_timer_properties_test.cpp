// The stored properties of the draw grid, the image and the timer: a
// definition reads into them, and writing keeps only what differs from the
// declared defaults.

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "framework/control_properties.h"
#include "framework/definition_reader.h"
#include "framework/definition_text.h"
#include "framework/definition_writer.h"
#include "framework/draw_grid.h"
#include "framework/graphics_properties.h"
#include "framework/grid_properties.h"
#include "framework/image.h"
#include "framework/image_properties.h"
#include "framework/timer_component.h"
#include "framework/timer_properties.h"

namespace quendar::testing_support {
namespace {

constexpr const char* SampleText = R"(object Gallery: TForm
  object Days: TDrawGrid
    Left = 4
    Top = 4
    Width = 170
    Height = 111
    BorderStyle = bsNone
    ColCount = 7
    RowCount = 8
    FixedCols = 0
    DefaultColWidth = 24
    DefaultRowHeight = 15
    Options = [goFixedVertLine, goRangeSelect, goTabs]
    Ctl3D = False
    FixedColor = clWindow
  end
  object Logo: TImage
    Left = 200
    AutoSize = True
    Center = True
  end
  object Ticker: TTimer
    Interval = 250
    Enabled = False
  end
end
)";

class GridImageTimerPropertiesTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        RegisterGraphicsClasses(registry);
        RegisterControlClasses(registry);
        RegisterGridClasses(registry);
        RegisterImageClasses(registry);
        RegisterTimerClasses(registry);
    }
    ClassRegistry registry;
};

TEST_F(GridImageTimerPropertiesTest, ADefinitionReadsIntoTheControls) {
    FormPtr form(CreateComponent<TForm>(nullptr));
    ReadDefinition(*form, CompileDefinitionText(SampleText), registry);
    auto* grid = dynamic_cast<TDrawGrid*>(form->FindComponent("Days"));
    auto* image = dynamic_cast<TImage*>(form->FindComponent("Logo"));
    auto* timer = dynamic_cast<TTimer*>(form->FindComponent("Ticker"));
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(image, nullptr);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(grid->Parent(), form.get());
    EXPECT_EQ(grid->ColCount(), 7);
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->Options(),
              TGridOptions::goFixedVertLine | TGridOptions::goRangeSelect | TGridOptions::goTabs);
    EXPECT_EQ(grid->BorderStyle(), TBorderStyle::bsNone);
    EXPECT_FALSE(grid->Ctl3D());
    EXPECT_EQ(grid->FixedColor(), clWindow);
    // A vertical line option keeps a line after every column.
    EXPECT_EQ(grid->CellRect(6, 7), Rect::FromSize(150, 105, 24, 15));
    EXPECT_TRUE(grid->TabStop());
    EXPECT_TRUE(image->AutoSize());
    EXPECT_TRUE(image->Center());
    EXPECT_EQ(timer->Interval(), 250u);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_FALSE(timer->Running());

    std::string text = PrintDefinitionText(DefinitionTreeOf(*form, registry));
    for (const char* present :
         {"Options = [goFixedVertLine, goRangeSelect, goTabs]", "FixedCols = 0", "ColCount = 7",
          "Ctl3D = False", "Interval = 250", "Enabled = False", "AutoSize = True"})
        EXPECT_NE(text.find(present), std::string::npos) << present << " in\n" << text;
    for (const char* absent :
         {"FixedRows =", "GridLineWidth =", "TabStop =", "DefaultDrawing =", "Stretch ="})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent << " in\n" << text;
}

TEST_F(GridImageTimerPropertiesTest, AFixedCountBeyondTheCountIsRefusedWithAMessage) {
    FormPtr form(CreateComponent<TForm>(nullptr));
    constexpr const char* text = R"(object Gallery: TForm
  object Days: TDrawGrid
    ColCount = 3
    FixedCols = 3
  end
end
)";
    try {
        ReadDefinition(*form, CompileDefinitionText(text), registry);
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_NE(std::string(error.what()).find("Fixed column count must be less than column count"),
                  std::string::npos)
            << error.what();
    }
}

}  // namespace
}  // namespace quendar::testing_support
