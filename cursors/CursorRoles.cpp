#include "cursors/CursorRoles.h"

#include <array>

namespace kestrom {

namespace {

const std::array<CursorRole, CursorRoles::kCount>& table() {
    static const std::array<CursorRole, CursorRoles::kCount> roles = {{
        {1, QStringLiteral("Busy"), QStringLiteral("wait"), 4, {16, 16}, 32514},
        {2,
         QStringLiteral("Working in Background"),
         QStringLiteral("AppStarting"),
         3,
         {4, 5},
         32650},
        {3, QStringLiteral("Normal Select"), QStringLiteral("Arrow"), 1, {5, 1}, 32512},
        {4, QStringLiteral("Precision Select"), QStringLiteral("Crosshair"), 5, {15, 15}, 32515},
        {5, QStringLiteral("Help Select"), QStringLiteral("help"), 2, {6, 6}, 32651},
        {6, QStringLiteral("Text Select"), QStringLiteral("ibeam"), 6, {16, 16}, 32513},
        {7, QStringLiteral("Unavailable"), QStringLiteral("no"), 8, {16, 16}, 32648},
        {8, QStringLiteral("Move"), QStringLiteral("sizeall"), 13, {16, 16}, 32646},
        {9,
         QStringLiteral("Diagonal Resize NESW"),
         QStringLiteral("sizenesw"),
         12,
         {16, 16},
         32643},
        {10, QStringLiteral("Vertical Resize"), QStringLiteral("sizens"), 9, {16, 16}, 32645},
        {11,
         QStringLiteral("Diagonal Resize NWSE"),
         QStringLiteral("sizenwse"),
         11,
         {16, 16},
         32642},
        {12, QStringLiteral("Horizontal Resize"), QStringLiteral("sizewe"), 10, {16, 16}, 32644},
        {13, QStringLiteral("Alternate Select"), QStringLiteral("uparrow"), 14, {16, 16}, 32516},
        {14, QStringLiteral("Handwriting"), QStringLiteral("nwopen"), 7, {6, 6}, 0},
        {15, QStringLiteral("Link Select"), QStringLiteral("hand"), 15, {13, 4}, 32649},
    }};
    return roles;
}

} // namespace

const CursorRole& CursorRoles::bySlot(int slot) {
    if (slot < 1 || slot > kCount)
        slot = 1;
    return table()[static_cast<std::size_t>(slot - 1)];
}

int CursorRoles::slotOfPosition(int position) {
    static constexpr std::array<int, kCount> bySchemePosition = {3,  5,  2,  1, 4, 6,  14, 7,
                                                                 10, 12, 11, 9, 8, 13, 15};
    if (position < 1 || position > kCount)
        return 0;
    return bySchemePosition[static_cast<std::size_t>(position - 1)];
}

QString CursorRoles::builtInIconName(int slot) {
    return QStringLiteral("ICON_%1").arg(slot);
}

QString CursorRoles::builtInCursorName(int slot) {
    return QStringLiteral("CURSOR_%1").arg(slot);
}

} // namespace kestrom
