#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace kestrom::test {

// What a test module holds: icon groups, each of icon images (the DIB or PNG data of an
// entry, as an .ico file stores it).
struct IconGroupSpec {
    QString name;               // a named group when not empty
    std::uint16_t id = 0;       // otherwise its integer ID
    QList<QByteArray> icoFiles; // each a single-image .ico file; its image joins the group
};

// Builds small PE (32- and 64-bit) and NE modules whose resources are icon groups and icons.
// Icon IDs count from firstIconId in group order.
class ModuleWriter {
public:
    enum class Kind { Pe32, Pe32Plus, Ne };

    static QByteArray module(Kind kind, const QList<IconGroupSpec>& groups,
                             std::uint16_t firstIconId = 1);
    // A module with no resource directory.
    static QByteArray peWithoutResources();
    // The fifteen-image cursor library of tests: images of colour index 1 to 15, in groups of
    // the sizes given.
    static QByteArray library(Kind kind, const QList<int>& groupSizes);

private:
    static QByteArray pe(bool plus, const QList<IconGroupSpec>& groups, std::uint16_t firstIconId);
    static QByteArray ne(const QList<IconGroupSpec>& groups, std::uint16_t firstIconId);
};

} // namespace kestrom::test
