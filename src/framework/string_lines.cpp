#include "framework/string_lines.h"

#include "framework/exception.h"
#include "framework/text_utils.h"

namespace quendar {

void TStrings::ThrowIndexError(int index) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

void TStrings::SetStrings(int index, const std::string& text) {
    void* object = Objects(index);
    BeginUpdate();
    Delete(index);
    InsertObject(index, text, object);
    EndUpdate();
}

void* TStrings::Objects(int index) const {
    if (index < 0 || index >= Count()) ThrowIndexError(index);
    return nullptr;
}

void TStrings::SetObjects(int index, void*) {
    if (index < 0 || index >= Count()) ThrowIndexError(index);
}

int TStrings::Add(const std::string& text) {
    int index = Count();
    Insert(index, text);
    return index;
}

int TStrings::AddObject(const std::string& text, void* object) {
    int index = Add(text);
    SetObjects(index, object);
    return index;
}

void TStrings::InsertObject(int index, const std::string& text, void* object) {
    Insert(index, text);
    SetObjects(index, object);
}

void TStrings::AddStrings(const TStrings& lines) {
    BeginUpdate();
    for (int i = 0; i < lines.Count(); ++i) AddObject(lines.Strings(i), lines.Objects(i));
    EndUpdate();
}

void TStrings::Exchange(int first, int second) {
    if (first == second) return;
    std::string firstText = Strings(first);
    void* firstObject = Objects(first);
    BeginUpdate();
    SetStrings(first, Strings(second));
    SetObjects(first, Objects(second));
    SetStrings(second, firstText);
    SetObjects(second, firstObject);
    EndUpdate();
}

void TStrings::Move(int from, int to) {
    if (from == to) return;
    if (to < 0 || to >= Count()) ThrowIndexError(to);
    std::string text = Strings(from);
    void* object = Objects(from);
    BeginUpdate();
    Delete(from);
    InsertObject(to, text, object);
    EndUpdate();
}

int TStrings::IndexOf(std::string_view text) const {
    for (int i = 0; i < Count(); ++i) {
        if (CompareStrings(Strings(i), text) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const void* object) const {
    for (int i = 0; i < Count(); ++i) {
        if (Objects(i) == object) return i;
    }
    return -1;
}

std::string TStrings::Names(int index) const {
    std::string line = Strings(index);
    std::size_t separator = line.find(nameValueSeparator_);
    return separator == std::string::npos ? std::string() : line.substr(0, separator);
}

std::string TStrings::ValueFromIndex(int index) const {
    std::string line = Strings(index);
    std::size_t separator = line.find(nameValueSeparator_);
    return separator == std::string::npos ? std::string() : line.substr(separator + 1);
}

int TStrings::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        std::string line = Strings(i);
        std::size_t separator = line.find(nameValueSeparator_);
        if (separator != std::string::npos &&
            CompareStrings(std::string_view(line).substr(0, separator), name) == 0)
            return i;
    }
    return -1;
}

std::string TStrings::Values(std::string_view name) const {
    int index = IndexOfName(name);
    return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValues(std::string_view name, const std::string& value) {
    int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0) Delete(index);
        return;
    }
    std::string line = std::string(name) + nameValueSeparator_ + value;
    if (index >= 0)
        SetStrings(index, line);
    else
        Add(line);
}

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) text += Strings(i) + lineBreak_;
    return text;
}

void TStrings::SetText(std::string_view text) {
    BeginUpdate();
    try {
        Clear();
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find_first_of("\r\n", start);
            if (end == std::string_view::npos) {
                Add(std::string(text.substr(start)));
                break;
            }
            Add(std::string(text.substr(start, end - start)));
            start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TStrings::CommaText() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0) text += ',';
        std::string line = Strings(i);
        bool quote = line.empty();
        for (char c : line) {
            if (static_cast<unsigned char>(c) <= 32 || c == ',' || c == '"') quote = true;
        }
        if (!quote) {
            text += line;
            continue;
        }
        text += '"';
        for (char c : line) {
            if (c == '"') text += '"';
            text += c;
        }
        text += '"';
    }
    return text;
}

void TStrings::SetCommaText(std::string_view text) {
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    BeginUpdate();
    try {
        Clear();
        std::size_t i = 0;
        while (i < text.size() && isBlank(text[i])) ++i;
        while (i < text.size()) {
            std::string item;
            if (text[i] == '"') {
                ++i;
                while (i < text.size()) {
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            item += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    item += text[i++];
                }
            } else {
                while (i < text.size() && text[i] != ',' && !isBlank(text[i])) item += text[i++];
            }
            Add(item);
            while (i < text.size() && isBlank(text[i])) ++i;
            if (i < text.size() && text[i] == ',') {
                ++i;
                while (i < text.size() && isBlank(text[i])) ++i;
                if (i == text.size()) Add("");  // a comma at the end separates an empty item
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::BeginUpdate() {
    if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0) SetUpdateState(false);
}

void TStrings::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TStrings*>(&source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    BeginUpdate();
    try {
        Clear();
        nameValueSeparator_ = other->nameValueSeparator_;
        lineBreak_ = other->lineBreak_;
        AddStrings(*other);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const { return CompareText(a, b); }

void TStrings::SetUpdateState(bool) {}

}  // namespace quendar
