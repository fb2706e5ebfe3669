#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <string_view>

namespace kestrom {

// The strings of a list box in one balanced tree ordered by position: finding, inserting and
// deleting by index or by sorted place all take O(log n). Each text lives in its node as
// UTF-8, so an item costs little more than its text.
class ItemTree {
public:
    ItemTree() = default;
    ItemTree(const ItemTree&) = delete;
    ItemTree& operator=(const ItemTree&) = delete;
    ~ItemTree();

    int count() const;
    QString at(int index) const;
    // The first index whose text does not sort before text (see compare).
    int lowerBound(QStringView text) const;
    void insert(int index, QStringView text);
    void replace(int index, QStringView text);
    void remove(int index);
    void clear();
    bool selected(int index) const;
    void setSelected(int index, bool on);
    // Sorts every item anew with compare, keeping the order of equal texts.
    void sortAll();

    // Without regard to case; the "|" that ends an item's name sorts before every other
    // character, so "a" comes before "ab".
    static int compare(std::string_view a, std::string_view b);

private:
    struct Node;

    static int sizeOf(const Node* node);
    static void update(Node* node);
    static Node* merge(Node* left, Node* right);
    static void split(Node* node, int index, Node*& left, Node*& right);
    static void destroy(Node* node);
    static std::string_view textOf(const Node* node);
    Node* makeNode(QStringView text);
    Node* nodeAt(int index) const;

    Node* root_ = nullptr;
    std::uint32_t seed_ = 0x9E3779B9u;
};

} // namespace kestrom
