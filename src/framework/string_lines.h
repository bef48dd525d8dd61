#pragma once
// TStrings: an abstract list of text lines, each with an untyped object
// pointer beside it (not owned). Subclasses store the lines; this class
// builds the shared operations on them: name=value lines, the text forms,
// search and update brackets. TStringList is the ordinary implementation.

#include <string>
#include <string_view>

#include "framework/persistent.h"

namespace quendar {

class TStrings : public TPersistent {
public:
    std::string ClassName() const override { return "TStrings"; }

    virtual int Count() const = 0;
    // Index errors raise Exception "List index out of bounds (<index>)".
    virtual std::string Strings(int index) const = 0;
    virtual void SetStrings(int index, const std::string& text);
    virtual void* Objects(int index) const;
    virtual void SetObjects(int index, void* object);

    // Returns the index of the new line.
    virtual int Add(const std::string& text);
    virtual int AddObject(const std::string& text, void* object);
    virtual void Insert(int index, const std::string& text) = 0;
    virtual void InsertObject(int index, const std::string& text, void* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    void AddStrings(const TStrings& lines);
    virtual void Exchange(int first, int second);
    virtual void Move(int from, int to);

    // First line equal to `text` under CompareStrings, -1 when none.
    virtual int IndexOf(std::string_view text) const;
    int IndexOfObject(const void* object) const;

    // Lines of the form name=value. A line without the separator has an
    // empty name and value.
    std::string Names(int index) const;
    std::string ValueFromIndex(int index) const;
    int IndexOfName(std::string_view name) const;
    // Value of the first line with that name, empty when none.
    std::string Values(std::string_view name) const;
    // Replaces the first line with that name, or appends one; an empty value
    // removes the line.
    void SetValues(std::string_view name, const std::string& value);
    char NameValueSeparator() const { return nameValueSeparator_; }
    void SetNameValueSeparator(char separator) { nameValueSeparator_ = separator; }

    // Every line followed by LineBreak.
    std::string Text() const;
    // Replaces the lines; CR LF, LF and a lone CR each end a line, and a
    // break at the very end adds no empty line.
    void SetText(std::string_view text);
    // CR LF unless changed: the texts go to the clipboard and message boxes
    // of the window system, which expect it.
    const std::string& LineBreak() const { return lineBreak_; }
    void SetLineBreak(const std::string& lineBreak) { lineBreak_ = lineBreak; }

    // Lines separated by commas; a line that is empty or holds a blank, a
    // control character, a comma or a double quote is quoted, its quotes
    // doubled.
    std::string CommaText() const;
    // The reverse; blanks outside quotes also separate lines.
    void SetCommaText(std::string_view text);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    void Assign(const TPersistent& source) override;

    // Negative, 0 or positive; without regard to ASCII case unless a
    // subclass says otherwise.
    virtual int CompareStrings(std::string_view a, std::string_view b) const;

protected:
    // Called with true by the first BeginUpdate and with false by the last EndUpdate.
    virtual void SetUpdateState(bool updating);
    [[noreturn]] static void ThrowIndexError(int index);

private:
    int updateCount_ = 0;
    char nameValueSeparator_ = '=';
    std::string lineBreak_ = "\r\n";
};

}  // namespace quendar
