#include "framework/mem_ini_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "framework/conversions.h"
#include "framework/exception.h"
#include "framework/string_lines.h"
#include "framework/text_utils.h"

namespace quendar {

namespace {

std::string ReadWholeFile(const std::string& fileName) {
    std::error_code error;
    if (!std::filesystem::exists(fileName, error)) return {};
    auto fail = [&](const std::string& reason) {
        throw Exception("Cannot read ini file \"" + fileName + "\": " + reason);
    };
    if (std::filesystem::is_directory(fileName, error)) fail("it is a folder");
    auto size = std::filesystem::file_size(fileName, error);
    if (error) fail(error.message());
    if (size > TMemIniFile::MaxFileBytes) fail("it is larger than 16 MB");
    std::ifstream file(fileName, std::ios::binary);
    if (!file) fail(std::strerror(errno));
    std::string content(static_cast<std::size_t>(size), '\0');
    file.read(content.data(), static_cast<std::streamsize>(size));
    content.resize(static_cast<std::size_t>(file.gcount()));
    if (file.bad()) fail("read error");
    return content;
}

// Keeps a list's update bracket balanced when filling it fails.
class UpdateBracket {
public:
    explicit UpdateBracket(TStrings& lines) : lines_(lines) { lines_.BeginUpdate(); }
    ~UpdateBracket() { lines_.EndUpdate(); }
    UpdateBracket(const UpdateBracket&) = delete;
    UpdateBracket& operator=(const UpdateBracket&) = delete;

private:
    TStrings& lines_;
};

}  // namespace

TMemIniFile::TMemIniFile(const std::string& fileName) : fileName_(fileName) {
    SetText(ReadWholeFile(fileName));
}

void TMemIniFile::SetText(std::string_view text) {
    sections_.clear();
    sectionByUpperName_.clear();
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Section* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        AddLine(text.substr(start, end - start), current);
        start = end + 1;
    }
}

void TMemIniFile::SetStrings(const TStrings& lines) {
    sections_.clear();
    sectionByUpperName_.clear();
    Section* current = nullptr;
    for (int i = 0; i < lines.Count(); ++i) AddLine(lines.Strings(i), current);
}

void TMemIniFile::AddLine(std::string_view rawLine, Section*& current) {
    std::string line = Trim(rawLine);
    if (line.empty() || line.front() == ';') return;
    if (line.front() == '[') {
        std::size_t close = line.find(']');
        std::string name =
            Trim(std::string_view(line).substr(1, close == std::string::npos ? line.npos : close - 1));
        std::string upperName = UpperCase(name);
        auto found = sectionByUpperName_.find(upperName);
        if (found == sectionByUpperName_.end()) {
            found = sectionByUpperName_.emplace(upperName, sections_.size()).first;
            sections_.push_back(Section{name, {}, {}});
        }
        current = &sections_[found->second];
        return;
    }
    if (current == nullptr) return;
    std::size_t equals = line.find('=');
    if (equals == std::string::npos) return;
    std::string key = Trim(std::string_view(line).substr(0, equals));
    if (key.empty()) return;
    if (current->EntryByUpperKey.emplace(UpperCase(key), current->Entries.size()).second)
        current->Entries.emplace_back(key, Trim(std::string_view(line).substr(equals + 1)));
}

const TMemIniFile::Section* TMemIniFile::FindSection(std::string_view section) const {
    auto found = sectionByUpperName_.find(UpperCase(section));
    return found == sectionByUpperName_.end() ? nullptr : &sections_[found->second];
}

const std::string* TMemIniFile::FindValue(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr) return nullptr;
    auto entry = found->EntryByUpperKey.find(UpperCase(key));
    return entry == found->EntryByUpperKey.end() ? nullptr : &found->Entries[entry->second].second;
}

bool TMemIniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

bool TMemIniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindValue(section, key) != nullptr;
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key,
                                    const std::string& defaultValue) const {
    const std::string* value = FindValue(section, key);
    return value == nullptr ? defaultValue : *value;
}

int TMemIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const std::string* value = FindValue(section, key);
    return value == nullptr ? defaultValue : StrToIntDef(*value, defaultValue);
}

bool TMemIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    const std::string* value = FindValue(section, key);
    if (value == nullptr) return defaultValue;
    int number = 0;
    if (TryStrToInt(*value, number)) return number != 0;
    if (SameText(*value, "true")) return true;
    if (SameText(*value, "false")) return false;
    return defaultValue;
}

double TMemIniFile::ReadFloat(std::string_view section, std::string_view key, double defaultValue) const {
    const std::string* value = FindValue(section, key);
    return value == nullptr ? defaultValue : StrToFloatDef(*value, defaultValue);
}

void TMemIniFile::ReadSection(std::string_view section, TStrings& lines) const {
    UpdateBracket bracket(lines);
    lines.Clear();
    if (const Section* found = FindSection(section)) {
        for (const auto& entry : found->Entries) lines.Add(entry.first);
    }
}

void TMemIniFile::ReadSections(TStrings& lines) const {
    UpdateBracket bracket(lines);
    lines.Clear();
    for (const Section& section : sections_) lines.Add(section.Name);
}

void TMemIniFile::ReadSectionValues(std::string_view section, TStrings& lines) const {
    UpdateBracket bracket(lines);
    lines.Clear();
    if (const Section* found = FindSection(section)) {
        for (const auto& entry : found->Entries) lines.Add(entry.first + "=" + entry.second);
    }
}

}  // namespace quendar
