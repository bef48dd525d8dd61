#pragma once
// Small component classes with every kind of published property, for the
// window definition tests. Each records its Loaded calls and the component
// state it saw in a shared journal.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "framework/class_registry.h"
#include "framework/collection.h"
#include "framework/component.h"
#include "framework/notify_event.h"

namespace quendar::sample {

inline std::vector<std::string>& Journal() {
    static std::vector<std::string> journal;
    return journal;
}

// Components alive, so tests can see that a failed read leaves none behind.
inline int& LiveComponents() {
    static int count = 0;
    return count;
}

enum class TFontStyle : std::uint8_t { fsNone = 0, fsBold = 1, fsItalic = 2, fsUnderline = 4 };
constexpr TFontStyle operator|(TFontStyle a, TFontStyle b) {
    return static_cast<TFontStyle>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}

inline constexpr IntegerIdent ColorNames[] = {
    {"clBlack", 0x000000}, {"clWhite", 0xFFFFFF}, {"clBtnFace", static_cast<std::int32_t>(0xFF00000F)}};

class TSampleFont : public TPersistent {
public:
    std::string ClassName() const override { return "TSampleFont"; }
    static const PropertyTable& PublishedProperties();

    std::string Name = "Tahoma";
    std::int32_t Height = -11;
    std::int32_t Color = 0;
    TFontStyle Style = TFontStyle::fsNone;
};

class TSamplePicture : public TPersistent {
public:
    std::string ClassName() const override { return "TSamplePicture"; }
    static const PropertyTable& PublishedProperties();

    std::vector<std::uint8_t> Data;
};

class TSampleItem : public TCollectionItem {
public:
    std::string ClassName() const override { return "TSampleItem"; }
    static const PropertyTable& PublishedProperties();

    std::string Caption;
    std::int32_t Width = 50;
    std::vector<std::uint8_t> Data;
    TComponent* Target = nullptr;
};

enum class TBorderStyle { bsNone, bsSingle, bsSizeable };

class TSampleControl : public TComponent {
public:
    explicit TSampleControl(TComponent* owner);
    ~TSampleControl() override;
    std::string ClassName() const override { return "TSampleControl"; }
    static const PropertyTable& PublishedProperties();

    void Loaded() override;

    std::int32_t Left() const { return left_; }
    void SetLeft(std::int32_t value);
    int LeftSetCount() const { return leftSetCount_; }

    std::string Caption;
    bool Visible = true;
    TSampleControl* Parent = nullptr;
    TComponent* FocusControl = nullptr;
    TNotifyEvent OnClick;
    TSampleFont Font;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::int32_t left_ = 0;
    int leftSetCount_ = 0;
};

// Derives its table from TSampleControl's, with a different default for
// Left and one property of its own.
class TSamplePanel : public TSampleControl {
public:
    explicit TSamplePanel(TComponent* owner) : TSampleControl(owner) { SetLeft(8); }
    std::string ClassName() const override { return "TSamplePanel"; }
    static const PropertyTable& PublishedProperties();

    std::int32_t BevelWidth = 1;
};

class TSampleForm : public TComponent {
public:
    explicit TSampleForm(TComponent* owner);
    ~TSampleForm() override;
    std::string ClassName() const override { return "TSampleForm"; }
    static const PropertyTable& PublishedProperties();

    void Loaded() override;
    void ButtonClick(TComponent* sender);

    std::string Caption;
    std::string Description;
    bool Active = true;
    TBorderStyle BorderStyle = TBorderStyle::bsSizeable;
    ExtendedFloat Version;
    double Ratio = 0.5;
    TSamplePicture Picture;
    TSampleFont Font;
    TCollection Items{TCollection::FactoryOf<TSampleItem>(), this};
    std::vector<std::string> Clicks;
};

// Registers the classes above in `registry`.
void RegisterSampleClasses(ClassRegistry& registry);

}  // namespace quendar::sample
