#include "framework/string_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/exception.h"

namespace quendar {
namespace {

std::string Joined(const TStringList& list) {
    std::string all;
    for (int i = 0; i < list.Count(); ++i) {
        if (i > 0) all += '|';
        all += list.Strings(i);
    }
    return all;
}

TEST(StringList, SortedListsKeepOrderAndFindByBinarySearch) {
    TStringList names;
    names.SetSorted(true);
    for (const char* name : {"Smoke", "BlueGauze (internal)", "aqua", "Zen", "_Dark"}) names.Add(name);
    // Case-insensitive by default; "_" sorts after the letters folded to upper case.
    EXPECT_EQ(Joined(names), "aqua|BlueGauze (internal)|Smoke|Zen|_Dark");
    EXPECT_EQ(names.IndexOf("SMOKE"), 2);
    EXPECT_EQ(names.IndexOf("Smok"), -1);
    int index = -1;
    EXPECT_FALSE(names.Find("Tide", index));
    EXPECT_EQ(index, 3);
    EXPECT_THROW(names.Insert(0, "x"), Exception);
    EXPECT_THROW(names.SetStrings(0, "x"), Exception);

    names.SetCaseSensitive(true);  // re-sorts byte-wise
    EXPECT_EQ(Joined(names), "BlueGauze (internal)|Smoke|Zen|_Dark|aqua");
    EXPECT_EQ(names.IndexOf("SMOKE"), -1);
}

TEST(StringList, DuplicatesDecideWhatAddDoes) {
    struct Case {
        TDuplicates duplicates;
        const char* result;
        bool throws;
    };
    const Case cases[] = {
        {TDuplicates::dupIgnore, "a|B|c", false},
        {TDuplicates::dupAccept, "a|B|b|c", false},
        {TDuplicates::dupError, "a|B|c", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.duplicates));
        TStringList list;
        list.SetSorted(true);
        list.SetDuplicates(c.duplicates);
        list.Add("c");
        list.Add("B");
        list.Add("a");
        if (c.throws) {
            try {
                list.Add("b");
                ADD_FAILURE() << "accepted";
            } catch (const Exception& error) {
                EXPECT_EQ(error.Message(), "String list does not allow duplicates");
            }
        } else {
            EXPECT_EQ(list.Add("b"), 1 + (c.duplicates == TDuplicates::dupAccept ? 1 : 0));
        }
        EXPECT_EQ(Joined(list), c.result);
    }
    TStringList unsorted;
    unsorted.SetDuplicates(TDuplicates::dupError);  // only sorted lists check
    unsorted.Add("a");
    unsorted.Add("a");
    EXPECT_EQ(unsorted.Count(), 2);
}

TEST(StringList, SortIsStableAndCarriesObjects) {
    int one = 1, two = 2, three = 3;
    TStringList list;
    list.AddObject("b", &one);
    list.AddObject("A", &two);
    list.AddObject("a", &three);
    list.Sort();
    EXPECT_EQ(Joined(list), "A|a|b");
    EXPECT_EQ(list.Objects(0), &two);
    EXPECT_EQ(list.Objects(1), &three);
    EXPECT_EQ(list.Objects(2), &one);
    EXPECT_EQ(list.IndexOfObject(&one), 2);
}

TEST(StringList, NameValueLines) {
    TStringList list;
    list.SetText("COLOR=16118514\r\nName = x\nPlain\n=empty name\nBevel=\n");
    struct Case {
        int index;
        const char* name;
        const char* value;
    };
    const Case cases[] = {
        {0, "COLOR", "16118514"}, {1, "Name ", " x"}, {2, "", ""}, {3, "", "empty name"}, {4, "Bevel", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(list.Names(c.index), c.name);
        EXPECT_EQ(list.ValueFromIndex(c.index), c.value);
    }
    EXPECT_EQ(list.Values("color"), "16118514");
    EXPECT_EQ(list.IndexOfName("BEVEL"), 4);
    EXPECT_EQ(list.IndexOfName("Plain"), -1);
    EXPECT_EQ(list.Values("missing"), "");

    list.SetValues("Color", "0");
    EXPECT_EQ(list.Strings(0), "Color=0");
    list.SetValues("New", "1");
    EXPECT_EQ(list.Strings(5), "New=1");
    list.SetValues("COLOR", "");  // empty value removes the line
    EXPECT_EQ(list.IndexOfName("Color"), -1);
    EXPECT_EQ(list.Count(), 5);
}

TEST(StringList, TextSplitsOnEveryLineBreakAndJoinsWithTheListsOwn) {
    struct Case {
        const char* text;
        const char* lines;
        int count;
    };
    const Case cases[] = {
        {"", "", 0},        {"a", "a", 1},         {"a\r\nb", "a|b", 2}, {"a\nb\n", "a|b", 2},
        {"a\rb", "a|b", 2}, {"a\n\nb", "a||b", 3}, {"\r\n", "", 1},      {"a\n\r\nb", "a||b", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TStringList list;
        list.SetText(c.text);
        EXPECT_EQ(list.Count(), c.count);
        EXPECT_EQ(Joined(list), c.lines);
    }
    TStringList report;
    report.Add("Date 1 (Start):    20260301");
    report.Add("x");
    EXPECT_EQ(report.Text(), "Date 1 (Start):    20260301\r\nx\r\n");
    report.SetLineBreak("\n");
    EXPECT_EQ(report.Text(), "Date 1 (Start):    20260301\nx\n");
}

TEST(StringList, CommaTextQuotesWhatNeedsIt) {
    TStringList list;
    for (const char* item : {"plain", "two words", "a,b", "say \"hi\"", ""}) list.Add(item);
    const std::string text = list.CommaText();
    EXPECT_EQ(text, "plain,\"two words\",\"a,b\",\"say \"\"hi\"\"\",\"\"");
    TStringList back;
    back.SetCommaText(text);
    EXPECT_EQ(Joined(back), Joined(list));

    struct Case {
        const char* text;
        const char* lines;
        int count;
    };
    const Case cases[] = {
        {"a b", "a|b", 2}, {" a , b ", "a|b", 2}, {"a,", "a|", 2}, {"", "", 0}, {"\"unclosed", "unclosed", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        back.SetCommaText(c.text);
        EXPECT_EQ(back.Count(), c.count);
        EXPECT_EQ(Joined(back), c.lines);
    }
}

TEST(StringList, OnChangeFiresPerChangeOrOncePerUpdate) {
    TStringList list;
    int changing = 0, changed = 0;
    list.OnChanging = [&] { ++changing; };
    list.OnChange = [&] { ++changed; };
    list.Add("a");
    list.Delete(0);
    EXPECT_EQ(changing, 2);
    EXPECT_EQ(changed, 2);

    list.SetText("x\ny\nz");
    EXPECT_EQ(changing, 3);
    EXPECT_EQ(changed, 3);

    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("w");
    list.EndUpdate();
    EXPECT_EQ(changed, 3);
    list.EndUpdate();
    EXPECT_EQ(changed, 4);
}

TEST(StringList, IndexErrorsNameTheIndex) {
    TStringList list;
    list.Add("a");
    for (int index : {-1, 1}) {
        try {
            list.Strings(index);
            ADD_FAILURE() << "accepted";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
    EXPECT_THROW(list.Delete(1), Exception);
    EXPECT_THROW(list.Insert(2, "x"), Exception);
    list.Insert(1, "b");  // at the end is allowed
    EXPECT_EQ(Joined(list), "a|b");
    list.Move(0, 1);
    EXPECT_EQ(Joined(list), "b|a");
    list.Exchange(0, 1);
    EXPECT_EQ(Joined(list), "a|b");
}

TEST(StringList, AssignCopiesLinesAndObjects) {
    int marker = 0;
    TStringList source;
    source.AddObject("one", &marker);
    source.Add("two");
    TStringList copy;
    copy.Add("old");
    copy.SetSorted(true);
    copy.Assign(source);
    EXPECT_EQ(Joined(copy), "one|two");
    EXPECT_EQ(copy.Objects(0), &marker);
}

}  // namespace
}  // namespace quendar
