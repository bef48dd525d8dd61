#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "definition_sample_classes.h"
#include "framework/definition_reader.h"
#include "framework/definition_text.h"
#include "framework/definition_writer.h"
#include "framework/property_stream_values.h"

namespace quendar {
namespace {

using namespace quendar::sample;
using ByteList = std::vector<std::uint8_t>;

const ExtendedFloat::Bytes StoredVersion{0x83, 0xE2, 0x51, 0xB8, 0x1E, 0x85, 0xEB, 0x99, 0x01, 0x40};

// What BuildSampleForm writes: only values that differ from their defaults,
// in table order, children nested by Parent.
const std::string SampleText = R"(object Form1: TSampleForm
  Caption = 'Main'
  Active = False
  BorderStyle = bsSingle
  Font.Name = 'Arial'
  Font.Color = clBtnFace
  Font.Style = [fsBold, fsUnderline]
  Items = <
    item
      Caption = 'one'
      Width = 127
      Data = {
        0102}
      Target = Edit2
    end
    item
    end>
  Picture.Data = {
    010203}
  Version = 4.809999999999999
  Ratio = 0.25
  Description = ')" + std::string(300, 'd') +
                               R"('
  object Panel1: TSamplePanel
    BevelWidth = 2
    object Button1: TSampleControl
      Left = -32768
      FocusControl = Edit2
      OnClick = ButtonClick
    end
  end
  object Edit2: TSampleControl
    Left = 2147483647
    Visible = False
    Font.Height = -12
    FocusControl = Form1
  end
end
)";

class DefinitionStream : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSampleClasses(registry_);
        Journal().clear();
    }

    // Where the property or object `name` starts in `bytes`.
    static std::size_t OffsetOf(const ByteList& bytes, const std::string& name, int occurrence = 1) {
        ByteList needle = {static_cast<std::uint8_t>(name.size())};
        needle.insert(needle.end(), name.begin(), name.end());
        auto found = bytes.begin();
        for (int i = 0; i < occurrence; ++i) {
            if (i > 0) ++found;
            found = std::search(found, bytes.end(), needle.begin(), needle.end());
            if (found == bytes.end()) {
                ADD_FAILURE() << name;
                return 0;
            }
        }
        return static_cast<std::size_t>(found - bytes.begin());
    }

    static TComponentPtr<TSampleForm> BuildSampleForm() {
        TComponentPtr<TSampleForm> form(CreateComponent<TSampleForm>(nullptr));
        form->SetName("Form1");
        form->Caption = "Main";
        form->Active = false;
        form->BorderStyle = TBorderStyle::bsSingle;
        form->Version = ExtendedFloat(StoredVersion);
        form->Ratio = 0.25;
        form->Description = std::string(300, 'd');
        form->Picture.Data = {1, 2, 3};
        form->Font.Name = "Arial";
        form->Font.Color = static_cast<std::int32_t>(0xFF00000F);
        form->Font.Style = TFontStyle::fsBold | TFontStyle::fsUnderline;
        auto* panel = CreateComponent<TSamplePanel>(form.get());
        panel->SetName("Panel1");
        panel->BevelWidth = 2;
        auto* button = CreateComponent<TSampleControl>(form.get());
        button->SetName("Button1");
        button->Parent = panel;
        button->SetLeft(-32768);
        auto* edit = CreateComponent<TSampleControl>(form.get());
        edit->SetName("Edit2");
        edit->SetLeft(2147483647);
        edit->Visible = false;
        edit->Font.Height = -12;
        edit->FocusControl = form.get();
        button->FocusControl = edit;
        button->OnClick = TNotifyEvent([](TComponent*) {}, "ButtonClick");
        auto* first = static_cast<TSampleItem*>(form->Items.Add());
        first->Caption = "one";
        first->Width = 127;
        first->Data = {1, 2};
        first->Target = edit;
        form->Items.Add();
        return form;
    }

    TComponentPtr<TSampleForm> ReadSample(const ByteList& bytes) {
        TComponentPtr<TSampleForm> form(
            static_cast<TSampleForm*>(CreateFromDefinition(bytes, nullptr, registry_)));
        return form;
    }

    // Reads `text` into a fresh form and returns the error message.
    std::string ReadError(const std::string& text) {
        TComponentPtr<TSampleForm> form(CreateComponent<TSampleForm>(nullptr));
        try {
            ReadDefinition(*form, CompileDefinitionText(text), registry_);
        } catch (const EReadError& error) {
            EXPECT_EQ(form->ComponentCount(), 0) << text;
            EXPECT_FALSE(
                Contains(form->ComponentState(), TComponentState::csLoading | TComponentState::csReading));
            EXPECT_EQ(LiveComponents(), 1) << text;
            return error.Message();
        }
        ADD_FAILURE() << "accepted: " << text;
        return {};
    }

    ClassRegistry registry_;
};

TEST_F(DefinitionStream, WritesOnlyValuesThatDifferFromTheirDefaults) {
    TComponentPtr<TSampleForm> plain(CreateComponent<TSampleForm>(nullptr));
    EXPECT_EQ(DecompileDefinition(WriteDefinition(*plain, registry_)),
              "object TSampleForm\n  Items = <>\nend\n");

    EXPECT_EQ(DecompileDefinition(WriteDefinition(*BuildSampleForm(), registry_)), SampleText);
}

TEST_F(DefinitionStream, ReadingRestoresEveryKindOfProperty) {
    const ByteList bytes = WriteDefinition(*BuildSampleForm(), registry_);
    TComponentPtr<TSampleForm> form = ReadSample(bytes);

    EXPECT_EQ(form->Name(), "Form1");
    EXPECT_EQ(form->Caption, "Main");
    EXPECT_FALSE(form->Active);
    EXPECT_EQ(form->BorderStyle, TBorderStyle::bsSingle);
    EXPECT_EQ(form->Version.RawBytes(), StoredVersion);
    EXPECT_EQ(form->Ratio, 0.25);
    EXPECT_EQ(form->Description, std::string(300, 'd'));
    EXPECT_EQ(form->Picture.Data, (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(form->Font.Name, "Arial");
    EXPECT_EQ(form->Font.Height, -11);
    EXPECT_EQ(form->Font.Color, static_cast<std::int32_t>(0xFF00000F));
    EXPECT_EQ(form->Font.Style, TFontStyle::fsBold | TFontStyle::fsUnderline);
    ASSERT_EQ(form->Items.Count(), 2);
    auto* first = static_cast<TSampleItem*>(form->Items.Items(0));
    EXPECT_EQ(first->Caption, "one");
    EXPECT_EQ(first->Width, 127);
    EXPECT_EQ(first->Data, (std::vector<std::uint8_t>{1, 2}));
    EXPECT_EQ(static_cast<TSampleItem*>(form->Items.Items(1))->Width, 50);

    ASSERT_EQ(form->ComponentCount(), 3);
    auto* panel = dynamic_cast<TSamplePanel*>(form->Components(0));
    auto* button = dynamic_cast<TSampleControl*>(form->Components(1));
    auto* edit = dynamic_cast<TSampleControl*>(form->Components(2));
    ASSERT_TRUE(panel && button && edit);
    EXPECT_EQ(panel->Name(), "Panel1");
    EXPECT_EQ(panel->Left(), 8);
    EXPECT_EQ(panel->BevelWidth, 2);
    EXPECT_EQ(panel->Parent, nullptr);
    EXPECT_EQ(button->Parent, panel);
    EXPECT_EQ(button->Left(), -32768);
    EXPECT_EQ(button->FocusControl, edit);
    EXPECT_EQ(edit->Left(), 2147483647);
    EXPECT_FALSE(edit->Visible);
    EXPECT_EQ(edit->Font.Height, -12);
    EXPECT_EQ(edit->FocusControl, form.get());
    EXPECT_EQ(first->Target, edit);
    // Each stored value went through its setter once.
    EXPECT_EQ(button->LeftSetCount(), 1);

    EXPECT_EQ(button->OnClick.MethodName, "ButtonClick");
    button->OnClick(button);
    EXPECT_EQ(form->Clicks, std::vector<std::string>{"Button1"});

    EXPECT_EQ(WriteDefinition(*form, registry_), bytes);
}

TEST_F(DefinitionStream, LoadedRunsOnceForEachComponentAfterTheWholeTreeIsRead) {
    const ByteList bytes = WriteDefinition(*BuildSampleForm(), registry_);
    Journal().clear();
    TComponentPtr<TSampleForm> form = ReadSample(bytes);
    std::vector<std::string> reading;
    for (const std::string& entry : Journal()) {
        // Panel1 sets its own Left while it is made, before it has a name.
        if (entry != "Left  8") reading.push_back(entry);
    }
    const std::vector<std::string> expected = {
        "Left Button1 -32768 loading reading",
        "Left Edit2 2147483647 loading reading",
        "Loaded Form1 components 3",
        "Loaded Panel1 focus none siblings 3",
        "Loaded Button1 focus Edit2 siblings 3",
        "Loaded Edit2 focus Form1 siblings 3",
    };
    EXPECT_EQ(reading, expected);
    for (int i = 0; i < form->ComponentCount(); ++i) {
        EXPECT_FALSE(Contains(form->Components(i)->ComponentState(),
                              TComponentState::csLoading | TComponentState::csReading));
    }
}

TEST_F(DefinitionStream, TheSampleTextCompilesIntoRegisteredClasses) {
    const ByteList bytes = CompileDefinitionText(SampleText);
    TComponentPtr<TSampleForm> form(CreateComponent<TSampleForm>(nullptr));
    form->Items.Add();
    form->Items.Add();
    form->Items.Add();
    ReadDefinition(*form, bytes, registry_);
    EXPECT_EQ(form->Items.Count(), 2);  // the collection was replaced, not extended
    EXPECT_EQ(form->Version.RawBytes(), StoredVersion);
    EXPECT_EQ(DecompileDefinition(WriteDefinition(*form, registry_)), SampleText);
}

TEST_F(DefinitionStream, UnknownNamesAndWrongValuesAreRefusedWithTheirPlace) {
    const std::string head = "object Form1: TSampleForm\n";
    struct Case {
        std::string body;
        std::string offsetOf;  // the property or class the error points at
        std::string message;
        int occurrence = 1;
    };
    const Case cases[] = {
        {"  Captin = 'x'\n", "Captin", "expected a published property of TSampleForm, found 'Captin'"},
        {"  Font.Size = 3\n", "Font.Size", "expected a published property of TSampleFont, found 'Font.Size'"},
        {"  Caption.X = 1\n", "Caption.X", "expected a property with sub-properties, found 'Caption.X'"},
        {"  Font = 1\n", "Font", "expected a property of the sub-object TSampleForm.Font, found an integer"},
        {"  Caption = 5\n", "Caption", "expected a string for TSampleForm.Caption, found an integer", 2},
        {"  Active = 1\n", "Active", "expected a boolean for TSampleForm.Active, found an integer"},
        {"  BorderStyle = bsRound\n", "BorderStyle",
         "expected one of the names bsNone ... bsSizeable for TSampleForm.BorderStyle, found 'bsRound'"},
        {"  Font.Style = [fsBold, fsWide]\n", "Font.Style",
         "expected a member of the set for TSampleFont.Style, found 'fsWide'"},
        {"  Font.Color = clNowhere\n", "Font.Color",
         "expected an integer or a known name for TSampleFont.Color, found 'clNowhere'"},
        {"  Version = 'new'\n", "Version",
         "expected a floating-point number for TSampleForm.Version, found a string"},
        {"  Items = 1\n", "Items", "expected a collection for TSampleForm.Items, found an integer"},
        {"  Items = <item\n Wide = 1\n end>\n", "Wide",
         "expected a published property of TSampleItem, found 'Wide'"},
        {"  Items = <item\n Target = Nobody\n end>\n", "Target",
         "expected a component named Nobody for TSampleItem.Target, found none"},
        {"  object B: TUnknown\n  end\n", "TUnknown",
         "expected a registered component class, found 'TUnknown'"},
        {"  object B: TSampleControl\n    FocusControl = 3\n  end\n", "FocusControl",
         "expected a component name or nil for TSampleControl.FocusControl, found an integer"},
        {"  object B: TSampleControl\n    OnClick = Missing\n  end\n", "OnClick",
         "expected a method of TSampleForm named Missing for TSampleControl.OnClick, found none"},
        {"  object B: TSampleControl\n  end\n  object b: TSampleControl\n  end\n", "TSampleControl",
         "expected a name for the TSampleControl, found the error \"A component named b already exists\"", 2},
    };
    for (const Case& c : cases) {
        const std::string text = head + "  Caption = 'kept'\n" + c.body + "end\n";
        const std::size_t offset = OffsetOf(CompileDefinitionText(text), c.offsetOf, c.occurrence);
        EXPECT_EQ(ReadError(text), "Stream read error at offset " + std::to_string(offset) + ": " + c.message)
            << c.body;
    }
}

TEST_F(DefinitionStream, AFailedReadDestroysWhatItCreatedAndKeepsEarlierRootValues) {
    const std::string text =
        "object Form1: TSampleForm\n  Caption = 'kept'\n"
        "  object A: TSampleControl\n    object B: TSampleControl\n    end\n  end\n"
        "  object C: TSampleControl\n    FocusControl = Nobody\n  end\nend\n";
    TComponentPtr<TSampleForm> form(CreateComponent<TSampleForm>(nullptr));
    EXPECT_THROW(ReadDefinition(*form, CompileDefinitionText(text), registry_), EReadError);
    EXPECT_EQ(form->Caption, "kept");
    EXPECT_EQ(form->ComponentCount(), 0);
    EXPECT_EQ(LiveComponents(), 1);
    EXPECT_TRUE(std::none_of(Journal().begin(), Journal().end(),
                             [](const std::string& entry) { return entry.starts_with("Loaded"); }));
}

TEST_F(DefinitionStream, EveryPrefixOfAValidDefinitionChangesNothing) {
    const ByteList bytes = WriteDefinition(*BuildSampleForm(), registry_);
    TComponentPtr<TSampleForm> form(CreateComponent<TSampleForm>(nullptr));
    form->Caption = "untouched";
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const ByteList prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_THROW(ReadDefinition(*form, prefix, registry_), EReadError) << length;
        EXPECT_THROW(CreateFromDefinition(prefix, nullptr, registry_), EReadError) << length;
    }
    EXPECT_EQ(form->Caption, "untouched");
    EXPECT_EQ(form->ComponentCount(), 0);
    EXPECT_EQ(LiveComponents(), 1);
}

TEST_F(DefinitionStream, GarbledDefinitionsFailCleanly) {
    // Every single byte changed to each of a few values: the reader refuses
    // or accepts, but never crashes, and a refusal leaves nothing behind.
    const ByteList bytes = WriteDefinition(*BuildSampleForm(), registry_);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        for (std::uint8_t value : {0x00, 0x01, 0x07, 0x0E, 0x7F, 0xFF}) {
            ByteList garbled = bytes;
            garbled[i] = value;
            try {
                TComponentPtr<TComponent> form(CreateFromDefinition(garbled, nullptr, registry_));
            } catch (const Exception&) {
            }
            ASSERT_EQ(LiveComponents(), 0) << "byte " << i << " set to " << int(value);
        }
    }
}

TEST_F(DefinitionStream, CreateFromDefinitionLeavesNothingOnFailure) {
    const std::string text =
        "object Form1: TSampleForm\n  object A: TSampleControl\n    Wide = 1\n  end\nend\n";
    EXPECT_THROW(CreateFromDefinition(CompileDefinitionText(text), nullptr, registry_), EReadError);
    EXPECT_EQ(LiveComponents(), 0);

    TComponentPtr<TSampleForm> owner(CreateComponent<TSampleForm>(nullptr));
    TComponent* form = CreateFromDefinition(CompileDefinitionText("object Form2: TSampleForm\nend\n"),
                                            owner.get(), registry_);
    EXPECT_EQ(form->Owner(), owner.get());
    EXPECT_EQ(form->Name(), "Form2");
}

TEST_F(DefinitionStream, TheRootMustBeOfTheDefinitionsClass) {
    EXPECT_EQ(
        ReadError("object Form1: TSampleControl\nend\n"),
        "Stream read error at offset 4: expected an object of class TSampleForm, found 'TSampleControl'");
}

TEST_F(DefinitionStream, DerivedTablesExtendTheirParentsInOrder) {
    std::vector<std::string> names;
    for (const PublishedProperty& property : TSamplePanel::PublishedProperties().Properties())
        names.push_back(property.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Left", "Caption", "Visible", "Font", "FocusControl",
                                               "OnClick", "BevelWidth"}));

    // The panel's Left defaults to 8: 8 is not written, 0 is.
    TComponentPtr<TSampleForm> form(CreateComponent<TSampleForm>(nullptr));
    auto* panel = CreateComponent<TSamplePanel>(form.get());
    panel->SetName("P");
    EXPECT_EQ(DecompileDefinition(WriteDefinition(*form, registry_)),
              "object TSampleForm\n  Items = <>\n  object P: TSamplePanel\n  end\nend\n");
    panel->SetLeft(0);
    EXPECT_EQ(DecompileDefinition(WriteDefinition(*form, registry_)),
              "object TSampleForm\n  Items = <>\n  object P: TSamplePanel\n    Left = 0\n  end\nend\n");

    EXPECT_THROW(PropertyTable().Integer<TSamplePanel>(
                     "Font.Size", [](const TSamplePanel&) { return 0; }, [](TSamplePanel&, std::int32_t) {}),
                 Exception);
}

TEST_F(DefinitionStream, ATableRegisteredForTheWrongClassRaisesInsteadOfMisreading) {
    registry_.RegisterComponentClass<TSampleControl>("TSampleControl", TSampleForm::PublishedProperties());
    TComponentPtr<TSampleForm> form(CreateComponent<TSampleForm>(nullptr));
    CreateComponent<TSampleControl>(form.get())->SetName("A");
    EXPECT_THROW(WriteDefinition(*form, registry_), Exception);
    const std::string text =
        "object Form1: TSampleForm\n  object A: TSampleControl\n    Caption = 'x'\n  end\nend\n";
    EXPECT_THROW(ReadDefinition(*form, CompileDefinitionText(text), registry_), EReadError);
}

TEST_F(DefinitionStream, AComponentNestedOutsideTheDefinitionIsNotDroppedSilently) {
    TComponentPtr<TSampleForm> form(CreateComponent<TSampleForm>(nullptr));
    auto* first = CreateComponent<TSampleControl>(form.get());
    auto* second = CreateComponent<TSampleControl>(form.get());
    second->SetName("Second");
    first->Parent = second;
    second->Parent = first;
    try {
        WriteDefinition(*form, registry_);
        ADD_FAILURE() << "two components in a loop of parents were left out";
    } catch (const EWriteError& error) {
        EXPECT_EQ(error.Message(),
                  "The TSampleControl  is nested in a component that the definition does not hold");
    }
}

TEST_F(DefinitionStream, WritingAnUnregisteredClassIsRefused) {
    ClassRegistry partial;
    partial.RegisterClass("TSampleForm", TSampleForm::PublishedProperties());
    TComponentPtr<TSampleForm> form(CreateComponent<TSampleForm>(nullptr));
    try {
        WriteDefinition(*form, partial);
        ADD_FAILURE() << "written without TSampleFont";
    } catch (const EWriteError& error) {
        EXPECT_EQ(error.Message(), "The class TSampleFont is not registered");
    }
}

}  // namespace
}  // namespace quendar
