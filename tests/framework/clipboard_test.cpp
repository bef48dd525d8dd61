#include "framework/clipboard.h"

#include <gtest/gtest.h>

#include "platform/backend/headless/headless_backend.h"
#include "platform/clipboard.h"

namespace quendar {
namespace {

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override { InstallHeadlessBackend({200, 100}); }
    void TearDown() override { InstallHeadlessBackend(); }
};

TEST_F(ClipboardTest, AsTextGoesThroughTheSystemClipboard) {
    const std::string texts[] = {"12.03.2024", "Zürich – 東京", "two\nlines"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        Clipboard().SetAsText(text);
        EXPECT_EQ(GetClipboardText(), text);
        EXPECT_EQ(Clipboard().AsText(), text);
        EXPECT_TRUE(Clipboard().HasText());
    }
    // What another program put there is what reads back.
    SetClipboardText("from elsewhere");
    EXPECT_EQ(Clipboard().AsText(), "from elsewhere");
    Clipboard().Clear();
    EXPECT_FALSE(Clipboard().HasText());
    EXPECT_EQ(&Clipboard(), &Clipboard());
}

}  // namespace
}  // namespace quendar
