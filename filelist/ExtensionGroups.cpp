#include "filelist/ExtensionGroups.h"

#include "filelist/ItemText.h"

#include <array>

namespace kestrom {

namespace {

constexpr std::array<int, 29> kGroupIcons = {10, 18, 11, 12, 13, 14, 15, 16, 17, 19,
                                             21, 22, 23, 24, 25, 26, 31, 32, 33, 34,
                                             35, 36, 37, 38, 39, 40, 41, 42, 43};

} // namespace

TExtStringList ExtensionGroups::Create() {
    return {
        QStringLiteral(".COM.EXE.LNK"),
        QStringLiteral(".TIF.BMP.GEM.IMG.ST..PNG.JPG.IFF"),
        QStringLiteral(".CGM.CDR.CDT.EPS.WPG.AI..DHP.DXF.HPG.TEO.WMF"),
        QStringLiteral(".ZIP.LZH.CAB"),
        QStringLiteral(".XLC.PIC.CHT.SHW"),
        QStringLiteral(".XLS.WKS.WK1.WK2.WQ1"),
        QStringLiteral(".PUB.CHP"),
        QStringLiteral(".DBF.DB..DIF.PB."),
        QStringLiteral(".BAK.TMP.$$$.OLD"),
        QStringLiteral(".TXT.ASC.DOC.WRI.WP..WP5.WP6"),
        QStringLiteral(".VOC.WAV.MID.SNG.CMF.ORG"),
        QStringLiteral(".HLP"),
        QStringLiteral(".DLL.SYS.BIN.DRV.386.CFG"),
        QStringLiteral(".FNT.CHR.GFT.FON.SFP"),
        QStringLiteral(".FLI.AVI"),
        QStringLiteral(".PAS.BAS.C...CPP"),
        QStringLiteral(".ANI"),
        QStringLiteral(".ICL"),
        QStringLiteral(".ICO.ICC"),
        QStringLiteral(".HTM.HTML"),
        QStringLiteral(".BAT"),
        QStringLiteral(".MSG"),
        QStringLiteral(".PIF"),
        QStringLiteral(".REG"),
        QStringLiteral(".MOV"),
        QStringLiteral(".GIF"),
        QStringLiteral(".GRP"),
        QStringLiteral(".PCX"),
        QStringLiteral(".INI.INF"),
    };
}

int ExtensionGroups::GroupIcon(int row) {
    if (row < 0 || row >= static_cast<int>(kGroupIcons.size()))
        return kNoGroupIcon;
    return kGroupIcons[static_cast<size_t>(row)];
}

QString ExtensionGroups::ExtensionCode(const QString& name) {
    QString code = ItemText::ExtractFileExt(name).toUpper().left(4);
    while (code.size() < 4)
        code += u'.';
    return code;
}

int ExtensionGroups::IconFor(const TExtStringList& groups, const QString& name) {
    return GroupIcon(groups.FindContaining(ExtensionCode(name)));
}

} // namespace kestrom
