#include "definition_sample_classes.h"

namespace quendar::sample {

namespace {

std::string StateText(const TComponent& component) {
    std::string text;
    if (Contains(component.ComponentState(), TComponentState::csLoading)) text += " loading";
    if (Contains(component.ComponentState(), TComponentState::csReading)) text += " reading";
    return text;
}

}  // namespace

const PropertyTable& TSampleFont::PublishedProperties() {
    static const PropertyTable table =
        PropertyTable()
            .String<TSampleFont>(
                "Name", [](const TSampleFont& f) { return f.Name; },
                [](TSampleFont& f, std::string v) { f.Name = v; }, "Tahoma")
            .Integer<TSampleFont>(
                "Height", [](const TSampleFont& f) { return f.Height; },
                [](TSampleFont& f, std::int32_t v) { f.Height = v; }, -11)
            .Integer<TSampleFont>(
                "Color", [](const TSampleFont& f) { return f.Color; },
                [](TSampleFont& f, std::int32_t v) { f.Color = v; }, 0, ColorNames)
            .Set<TSampleFont, TFontStyle>(
                "Style", [](const TSampleFont& f) { return f.Style; },
                [](TSampleFont& f, TFontStyle v) { f.Style = v; }, TFontStyle::fsNone,
                {"fsBold", "fsItalic", "fsUnderline"});
    return table;
}

const PropertyTable& TSamplePicture::PublishedProperties() {
    static const PropertyTable table = PropertyTable().Binary<TSamplePicture>(
        "Data", [](const TSamplePicture& p) { return p.Data; },
        [](TSamplePicture& p, std::span<const std::uint8_t> v) { p.Data.assign(v.begin(), v.end()); });
    return table;
}

const PropertyTable& TSampleItem::PublishedProperties() {
    static const PropertyTable table =
        PropertyTable()
            .String<TSampleItem>(
                "Caption", [](const TSampleItem& i) { return i.Caption; },
                [](TSampleItem& i, std::string v) { i.Caption = v; })
            .Integer<TSampleItem>(
                "Width", [](const TSampleItem& i) { return i.Width; },
                [](TSampleItem& i, std::int32_t v) { i.Width = v; }, 50)
            .Binary<TSampleItem>(
                "Data", [](const TSampleItem& i) { return i.Data; },
                [](TSampleItem& i, std::span<const std::uint8_t> v) { i.Data.assign(v.begin(), v.end()); })
            .Component<TSampleItem>(
                "Target", [](const TSampleItem& i) { return i.Target; },
                [](TSampleItem& i, TComponent* v) { i.Target = v; });
    return table;
}

TSampleControl::TSampleControl(TComponent* owner) : TComponent(owner) { ++LiveComponents(); }

TSampleControl::~TSampleControl() { --LiveComponents(); }

void TSampleControl::SetLeft(std::int32_t value) {
    if (value == left_) return;
    left_ = value;
    ++leftSetCount_;
    Journal().push_back("Left " + Name() + " " + std::to_string(value) + StateText(*this));
}

void TSampleControl::Loaded() {
    TComponent::Loaded();
    Journal().push_back("Loaded " + Name() + " focus " + (FocusControl ? FocusControl->Name() : "none") +
                        " siblings " + std::to_string(Owner() ? Owner()->ComponentCount() : 0) +
                        StateText(*this));
}

void TSampleControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FocusControl) FocusControl = nullptr;
    if (component == Parent) Parent = nullptr;
}

const PropertyTable& TSampleControl::PublishedProperties() {
    static const PropertyTable table =
        PropertyTable()
            .Integer<TSampleControl>("Left", &TSampleControl::Left, &TSampleControl::SetLeft)
            .String<TSampleControl>(
                "Caption", [](const TSampleControl& c) { return c.Caption; },
                [](TSampleControl& c, std::string v) { c.Caption = v; })
            .Boolean<TSampleControl>(
                "Visible", [](const TSampleControl& c) { return c.Visible; },
                [](TSampleControl& c, bool v) { c.Visible = v; }, true)
            .Object<TSampleControl>("Font", [](TSampleControl& c) { return &c.Font; })
            .Component<TSampleControl>(
                "FocusControl", [](const TSampleControl& c) { return c.FocusControl; },
                [](TSampleControl& c, TComponent* v) { c.FocusControl = v; })
            .Event<TSampleControl>("OnClick", &TSampleControl::OnClick)
            .Nesting<TSampleControl>([](const TSampleControl& c) -> TComponent* { return c.Parent; },
                                     [](TSampleControl& c, TComponent& container) {
                                         c.Parent = dynamic_cast<TSampleControl*>(&container);
                                     });
    return table;
}

const PropertyTable& TSamplePanel::PublishedProperties() {
    static const PropertyTable table =
        PropertyTable(TSampleControl::PublishedProperties())
            .Integer<TSampleControl>("Left", &TSampleControl::Left, &TSampleControl::SetLeft, 8)
            .Integer<TSamplePanel>(
                "BevelWidth", [](const TSamplePanel& p) { return p.BevelWidth; },
                [](TSamplePanel& p, std::int32_t v) { p.BevelWidth = v; }, 1);
    return table;
}

TSampleForm::TSampleForm(TComponent* owner) : TComponent(owner) { ++LiveComponents(); }

TSampleForm::~TSampleForm() { --LiveComponents(); }

void TSampleForm::Loaded() {
    TComponent::Loaded();
    Journal().push_back("Loaded " + Name() + " components " + std::to_string(ComponentCount()) +
                        StateText(*this));
}

void TSampleForm::ButtonClick(TComponent* sender) { Clicks.push_back(sender ? sender->Name() : "nil"); }

const PropertyTable& TSampleForm::PublishedProperties() {
    using F = TSampleForm;
    static const PropertyTable table =
        PropertyTable()
            .String<F>(
                "Caption", [](const F& f) { return f.Caption; }, [](F& f, std::string v) { f.Caption = v; })
            .Boolean<F>(
                "Active", [](const F& f) { return f.Active; }, [](F& f, bool v) { f.Active = v; }, true)
            .Enum<F, TBorderStyle>(
                "BorderStyle", [](const F& f) { return f.BorderStyle; },
                [](F& f, TBorderStyle v) { f.BorderStyle = v; }, TBorderStyle::bsSizeable,
                {"bsNone", "bsSingle", "bsSizeable"})
            .Object<F>("Font", [](F& f) { return &f.Font; })
            .Collection<F>("Items", [](F& f) { return &f.Items; })
            .Object<F>("Picture", [](F& f) { return &f.Picture; })
            .Extended<F>(
                "Version", [](const F& f) { return f.Version; }, [](F& f, ExtendedFloat v) { f.Version = v; })
            .Float<F>(
                "Ratio", [](const F& f) { return f.Ratio; }, [](F& f, double v) { f.Ratio = v; }, 0.5)
            .String<F>(
                "Description", [](const F& f) { return f.Description; },
                [](F& f, std::string v) { f.Description = v; })
            .Method<F>("ButtonClick", &F::ButtonClick);
    return table;
}

void RegisterSampleClasses(ClassRegistry& registry) {
    registry.RegisterClass("TSampleFont", TSampleFont::PublishedProperties());
    registry.RegisterClass("TSamplePicture", TSamplePicture::PublishedProperties());
    registry.RegisterClass("TSampleItem", TSampleItem::PublishedProperties());
    registry.RegisterComponentClass<TSampleControl>("TSampleControl", TSampleControl::PublishedProperties());
    registry.RegisterComponentClass<TSamplePanel>("TSamplePanel", TSamplePanel::PublishedProperties());
    registry.RegisterComponentClass<TSampleForm>("TSampleForm", TSampleForm::PublishedProperties());
}

}  // namespace quendar::sample
