#pragma once
// The built-in skin "BlueGauze (internal)" as the program carries it: its
// definition text compiled with the generated artwork and read into a skin
// manager, which loads its tables. Shared by the tests of the built-in skin.
//
// Needs QUENDAR_GENERATED_DIR (the folder of blue_gauze_master.bitmap and
// blue_gauze_button_huge.bitmap); the tests are skipped without it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/class_registry.h"
#include "framework/definition_include_files.h"
#include "framework/definition_reader.h"
#include "framework/definition_text.h"
#include "skin/data/skin_data_registration.h"
#include "skin/data/skin_manager.h"

namespace quendar {

using Bytes = std::vector<std::uint8_t>;

// The skin is stored in the main window's definition text; CMake gives the
// compiler absolute source paths.
inline std::string SkinTextPath() {
    return (std::filesystem::path(__FILE__).parent_path() / "../../../src/app/window/tform_quendar.txt").string();
}

// The skin manager's object inside the window's definition.
inline const DefinitionObject& SkinManagerObject(const DefinitionObject& window) {
    for (const DefinitionObject& child : window.Children) {
        if (child.ClassName == "TsSkinManager") return child;
    }
    throw std::runtime_error("the window definition holds no TsSkinManager");
}

inline std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " + path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class BuiltInSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The build draws the artwork into QUENDAR_GENERATED_DIR before the tests.
        const std::string generated = QUENDAR_GENERATED_DIR;
        try {
            const std::string text = ReadText(SkinTextPath());
            const DefinitionObject window = ParseDefinitionText(text, IncludeFilesFrom({generated}));
            tree_ = std::make_unique<DefinitionObject>(SkinManagerObject(window));
            registry_ = std::make_unique<ClassRegistry>();
            RegisterSkinDataClasses(*registry_);
            manager_ = std::make_unique<TsSkinManager>(nullptr);
            ReadDefinitionTree(*manager_, *tree_, *registry_);
        } catch (const std::exception& error) {
            loadError_ = error.what();
        }
    }
    static void TearDownTestSuite() {
        manager_.reset();
        registry_.reset();
        loadError_.clear();
        tree_.reset();
    }
    void SetUp() override {
        if (!loadError_.empty()) FAIL() << "the built-in skin does not load: " << loadError_;
    }

    static const TsStoredSkin& Skin() { return *manager_->InternalSkins().Items(0); }
    static const SkinTables& Tables() { return manager_->Tables(); }

    static inline std::unique_ptr<DefinitionObject> tree_;
    static inline std::unique_ptr<ClassRegistry> registry_;
    static inline std::unique_ptr<TsSkinManager> manager_;
    static inline std::string loadError_;
};

}  // namespace quendar
