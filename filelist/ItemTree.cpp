#include "filelist/ItemTree.h"

#include <QChar>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace kestrom {

struct ItemTree::Node {
    Node* left = nullptr;
    Node* right = nullptr;
    std::uint32_t size = 1;
    std::uint32_t priority = 0;
    std::uint32_t length = 0;
    bool selected = false;
};

namespace {

char32_t foldedCodePoint(char32_t c) {
    if (c == U'|')
        return 0;
    if (c < 0x80)
        return (c >= U'A' && c <= U'Z') ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

// Decodes one UTF-8 code point; malformed bytes stand for themselves.
char32_t nextCodePoint(std::string_view text, size_t& at) {
    const auto byte = static_cast<unsigned char>(text[at++]);
    if (byte < 0x80)
        return byte;
    int extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
    char32_t value = byte & (0x3F >> extra);
    for (; extra > 0 && at < text.size(); --extra)
        value = (value << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    return value;
}

} // namespace

ItemTree::~ItemTree() {
    destroy(root_);
}

int ItemTree::compare(std::string_view a, std::string_view b) {
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t x = foldedCodePoint(nextCodePoint(a, i));
        const char32_t y = foldedCodePoint(nextCodePoint(b, j));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    return j < b.size() ? -1 : 0;
}

int ItemTree::sizeOf(const Node* node) {
    return node ? static_cast<int>(node->size) : 0;
}

void ItemTree::update(Node* node) {
    node->size = static_cast<std::uint32_t>(1 + sizeOf(node->left) + sizeOf(node->right));
}

std::string_view ItemTree::textOf(const Node* node) {
    return {reinterpret_cast<const char*>(node + 1), node->length};
}

ItemTree::Node* ItemTree::makeNode(QStringView text) {
    const QByteArray utf8 = text.toUtf8();
    void* memory = ::operator new(sizeof(Node) + static_cast<size_t>(utf8.size()));
    Node* node = new (memory) Node;
    node->length = static_cast<std::uint32_t>(utf8.size());
    std::memcpy(node + 1, utf8.constData(), static_cast<size_t>(utf8.size()));
    seed_ ^= seed_ << 13;
    seed_ ^= seed_ >> 17;
    seed_ ^= seed_ << 5;
    node->priority = seed_;
    return node;
}

void ItemTree::destroy(Node* node) {
    // Iterative, so that no tree shape can exhaust the stack.
    std::vector<Node*> pending;
    if (node)
        pending.push_back(node);
    while (!pending.empty()) {
        Node* next = pending.back();
        pending.pop_back();
        if (next->left)
            pending.push_back(next->left);
        if (next->right)
            pending.push_back(next->right);
        next->~Node();
        ::operator delete(next);
    }
}

ItemTree::Node* ItemTree::merge(Node* left, Node* right) {
    if (!left)
        return right;
    if (!right)
        return left;
    if (left->priority > right->priority) {
        left->right = merge(left->right, right);
        update(left);
        return left;
    }
    right->left = merge(left, right->left);
    update(right);
    return right;
}

void ItemTree::split(Node* node, int index, Node*& left, Node*& right) {
    if (!node) {
        left = right = nullptr;
        return;
    }
    if (sizeOf(node->left) < index) {
        split(node->right, index - sizeOf(node->left) - 1, node->right, right);
        left = node;
    } else {
        split(node->left, index, left, node->left);
        right = node;
    }
    update(node);
}

ItemTree::Node* ItemTree::nodeAt(int index) const {
    Node* node = root_;
    while (node) {
        const int leftSize = sizeOf(node->left);
        if (index < leftSize) {
            node = node->left;
        } else if (index == leftSize) {
            return node;
        } else {
            index -= leftSize + 1;
            node = node->right;
        }
    }
    return nullptr;
}

int ItemTree::count() const {
    return sizeOf(root_);
}

QString ItemTree::at(int index) const {
    const Node* node = nodeAt(index);
    if (!node)
        return {};
    const std::string_view text = textOf(node);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int ItemTree::lowerBound(QStringView text) const {
    const QByteArray utf8 = text.toUtf8();
    const std::string_view key(utf8.constData(), static_cast<size_t>(utf8.size()));
    int result = 0;
    const Node* node = root_;
    while (node) {
        if (compare(textOf(node), key) < 0) {
            result += sizeOf(node->left) + 1;
            node = node->right;
        } else {
            node = node->left;
        }
    }
    return result;
}

void ItemTree::insert(int index, QStringView text) {
    index = std::clamp(index, 0, count());
    Node* left = nullptr;
    Node* right = nullptr;
    split(root_, index, left, right);
    root_ = merge(merge(left, makeNode(text)), right);
}

void ItemTree::replace(int index, QStringView text) {
    if (index < 0 || index >= count())
        return;
    const bool wasSelected = selected(index);
    remove(index);
    insert(index, text);
    setSelected(index, wasSelected);
}

void ItemTree::remove(int index) {
    if (index < 0 || index >= count())
        return;
    Node* left = nullptr;
    Node* middle = nullptr;
    Node* right = nullptr;
    split(root_, index, left, right);
    split(right, 1, middle, right);
    destroy(middle);
    root_ = merge(left, right);
}

void ItemTree::clear() {
    destroy(root_);
    root_ = nullptr;
}

bool ItemTree::selected(int index) const {
    const Node* node = nodeAt(index);
    return node && node->selected;
}

void ItemTree::setSelected(int index, bool on) {
    if (Node* node = nodeAt(index))
        node->selected = on;
}

void ItemTree::sortAll() {
    std::vector<Node*> nodes;
    nodes.reserve(static_cast<size_t>(count()));
    std::vector<Node*> pending;
    Node* node = root_;
    while (node || !pending.empty()) {
        while (node) {
            pending.push_back(node);
            node = node->left;
        }
        node = pending.back();
        pending.pop_back();
        nodes.push_back(node);
        node = node->right;
    }
    std::stable_sort(nodes.begin(), nodes.end(), [](const Node* a, const Node* b) {
        return compare(textOf(a), textOf(b)) < 0;
    });
    root_ = nullptr;
    for (Node* next : nodes) {
        next->left = next->right = nullptr;
        next->size = 1;
        root_ = merge(root_, next);
    }
}

} // namespace kestrom
