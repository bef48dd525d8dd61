#pragma once
// TMemIniFile: ini text held in memory and read by section and key.
//
// Reading rules (those of the system ini functions):
// - each line is trimmed of blanks and control characters;
// - a line starting with ";" is a comment, an empty line is ignored;
// - "[name]" opens a section (name trimmed; a missing "]" takes the rest of
//   the line); a section named again continues the first one;
// - "key=value" splits at the first "="; key and value are trimmed;
// - lines before the first section, lines without "=" and lines with an
//   empty key are malformed and skipped;
// - a key that occurs twice in a section keeps its first value;
// - section and key names match without regard to ASCII case; the names
//   reported by ReadSections and ReadSection are as first written.
// Nothing is ever written back: the program keeps no settings.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quendar {

class TStrings;

class TMemIniFile {
public:
    // Larger files are refused rather than read into memory.
    static constexpr std::size_t MaxFileBytes = std::size_t{16} << 20;

    TMemIniFile() = default;
    // Reads the file; a file that does not exist gives an empty ini. An
    // unreadable or too large file raises Exception "Cannot read ini file
    // \"<name>\": <reason>".
    explicit TMemIniFile(const std::string& fileName);

    const std::string& FileName() const { return fileName_; }

    // Replaces the content with the given text or lines.
    void SetText(std::string_view text);
    void SetStrings(const TStrings& lines);

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key,
                           const std::string& defaultValue) const;
    // Decimal, "0x" or "$" hexadecimal; anything else (or no value) gives the default.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // An integer (0 false, other true) or "true"/"false" in any case;
    // anything else gives the default.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // "." as the decimal separator; anything else gives the default.
    double ReadFloat(std::string_view section, std::string_view key, double defaultValue) const;

    // Fill `lines` (cleared first) with the keys of a section, the section
    // names, or the key=value lines of a section, in file order.
    void ReadSection(std::string_view section, TStrings& lines) const;
    void ReadSections(TStrings& lines) const;
    void ReadSectionValues(std::string_view section, TStrings& lines) const;

private:
    struct Section {
        std::string Name;
        std::vector<std::pair<std::string, std::string>> Entries;
        std::unordered_map<std::string, std::size_t> EntryByUpperKey;
    };

    const Section* FindSection(std::string_view section) const;
    const std::string* FindValue(std::string_view section, std::string_view key) const;
    void AddLine(std::string_view line, Section*& current);

    std::string fileName_;
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionByUpperName_;
};

}  // namespace quendar
