#include "filelist/ItemTree.h"
#include "filelist/TSortedListBox.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace kestrom {
namespace {

QStringList contents(const TSortedListBox& box) {
    QStringList items;
    for (int i = 0; i < box.Count(); ++i)
        items.append(box.Item(i));
    return items;
}

TEST(ItemTree, ComparesWithoutCaseAndEndsNamesAtTheBar) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {
        {"abc", "ABC", 0}, {"a|x", "ab|x", -1}, {"a.cur|", "ab.cur|", -1}, {"G\\a\\b", "G\\ab", -1},
        {"Ä", "ä", 0},     {"z", "é", -1},      {"ab", "abc", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ItemTree::compare(c.a, c.b), c.expected) << c.a << " " << c.b;
        EXPECT_EQ(ItemTree::compare(c.b, c.a), -c.expected) << c.b << " " << c.a;
    }
}

TEST(SortedListBox, KeepsThousandsOfRandomItemsInOrderAndByIndex) {
    TSortedListBox box;
    std::mt19937 random(7);
    QStringList reference;
    for (int i = 0; i < 5000; ++i) {
        const QString text = QString::number(random() % 100000) + (i % 2 ? u'a' : u'B');
        const int index = box.AddString(text);
        ASSERT_EQ(box.Item(index), text);
        reference.append(text);
    }
    for (int i = 0; i < 1000; ++i) {
        const int index = static_cast<int>(random() % static_cast<unsigned>(box.Count()));
        reference.removeOne(box.Item(index));
        box.DeleteString(index);
    }
    std::stable_sort(reference.begin(), reference.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    const QStringList items = contents(box);
    ASSERT_EQ(items.size(), reference.size());
    for (qsizetype i = 0; i < items.size(); ++i)
        ASSERT_EQ(items[i].compare(reference[i], Qt::CaseInsensitive), 0) << i;
}

TEST(SortedListBox, InsertsBeforeEqualTextsSoADuplicateIsTheNextItem) {
    TSortedListBox box;
    box.AddString(QStringLiteral("b"));
    box.AddString(QStringLiteral("a"));
    EXPECT_EQ(box.AddString(QStringLiteral("A")), 0);
    EXPECT_EQ(contents(box), (QStringList{"A", "a", "b"}));
}

TEST(SortedListBox, SortsAnewWhenSortedIsSwitchedBackOn) {
    TSortedListBox box;
    box.SetSorted(false);
    for (const char* text : {"c", "a", "b"})
        box.AddString(QString::fromLatin1(text));
    EXPECT_EQ(contents(box), (QStringList{"c", "a", "b"}));
    box.PutString(0, QStringLiteral("0"));
    box.SetSorted(true);
    EXPECT_EQ(contents(box), (QStringList{"0", "a", "b"}));
}

TEST(SortedListBox, CurrentItemFollowsInsertionsAndDeletions) {
    TSortedListBox box;
    box.AddString(QStringLiteral("m"));
    box.SetItemIndex(0);
    box.AddString(QStringLiteral("a"));
    EXPECT_EQ(box.ItemIndex(), 1);
    box.DeleteString(0);
    EXPECT_EQ(box.ItemIndex(), 0);
    box.DeleteString(0);
    EXPECT_EQ(box.ItemIndex(), -1);

    box.MultiSelect = true;
    box.AddString(QStringLiteral("x"));
    box.AddString(QStringLiteral("y"));
    box.SetSelected(1, true);
    box.AddString(QStringLiteral("a"));
    EXPECT_TRUE(box.Selected(2)); // the flag travels with "y"
    EXPECT_FALSE(box.Selected(1));
}

TEST(SortedListBox, RefusesItemsBeyondItsLimit) {
    TSortedListBox box;
    box.ItemLimit = 1;
    box.AddString(QStringLiteral("a"));
    EXPECT_THROW(box.AddString(QStringLiteral("b")), EListBoxError);
    EXPECT_EQ(box.Count(), 1);
}

} // namespace
} // namespace kestrom
