#pragma once

#include <cstdint>
#include <initializer_list>

namespace kestrom {

enum TTreeFileListSortTypes { sbName, sbType, sbSize, sbDate };
enum TZipListSortTypes { sbZipName, sbZipType, sbCompSize, sbOrigSize, sbZipDate };
enum TTreeFileListOrder { flNormal, flInverted };
enum TTreeTextCase { tcLowerCase, tcUpperCase, tcAuto, tcNone };
enum TTreeSearchModeTypes { smNormal, smSubDirectories };
enum TFileDetail { fdName, fdSize, fdDate, fdTime, fdAttr };
enum TZipDetail { zdName, zdCompSize, zdOrigSize, zdCompPcnt, zdDate, zdTime, zdAttr };
enum TListDetail { ldDrives, ldSystemDirectories, ldDirectories, ldFiles, ldNewFile, lddesktop };
enum TTreeRootFolder {
    rftDesktop,
    rftRecycleBin,
    rftControlPanel,
    rftDesktopDir,
    rftDrives,
    rftFavoriteURLs,
    rftFonts,
    rftNetHood,
    rftNetHoodDir,
    rftDocumentDir,
    rftPrinters,
    rftPrograms,
    rftRecentDir,
    rftSendTo,
    rftStartMenu,
    rftStartup,
    rftTemplates,
    rftCustom,
};

// A set of up to eight enumeration values, one byte like the control's detail sets.
template <typename E> class SmallSet {
public:
    constexpr SmallSet() = default;
    constexpr SmallSet(std::initializer_list<E> values) {
        for (E value : values)
            bits_ |= bit(value);
    }
    constexpr bool has(E value) const { return (bits_ & bit(value)) != 0; }
    constexpr void add(E value) { bits_ |= bit(value); }
    constexpr void remove(E value) { bits_ &= static_cast<std::uint8_t>(~bit(value)); }
    constexpr bool operator==(const SmallSet&) const = default;

private:
    static constexpr std::uint8_t bit(E value) {
        return static_cast<std::uint8_t>(1u << static_cast<unsigned>(value));
    }
    std::uint8_t bits_ = 0;
};

using TFileDetails = SmallSet<TFileDetail>;
using TZipDetails = SmallSet<TZipDetail>;
using TListDetails = SmallSet<TListDetail>;

} // namespace kestrom
