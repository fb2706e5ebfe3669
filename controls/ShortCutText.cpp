#include "controls/ShortCutText.h"

namespace kestrom {

namespace {

QString keyName(int key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return QString(QChar(key));
    if (key >= 0x70 && key <= 0x87) // F1 to F24
        return QStringLiteral("F%1").arg(key - 0x6F);
    if (key >= 0x60 && key <= 0x69)
        return QStringLiteral("Num %1").arg(key - 0x60);
    switch (key) {
    case 0x08:
        return QStringLiteral("BkSp");
    case 0x09:
        return QStringLiteral("Tab");
    case 0x0D:
        return QStringLiteral("Enter");
    case 0x1B:
        return QStringLiteral("Esc");
    case 0x20:
        return QStringLiteral("Space");
    case 0x21:
        return QStringLiteral("PgUp");
    case 0x22:
        return QStringLiteral("PgDn");
    case 0x23:
        return QStringLiteral("End");
    case 0x24:
        return QStringLiteral("Home");
    case 0x25:
        return QStringLiteral("Left");
    case 0x26:
        return QStringLiteral("Up");
    case 0x27:
        return QStringLiteral("Right");
    case 0x28:
        return QStringLiteral("Down");
    case 0x2D:
        return QStringLiteral("Ins");
    case 0x2E:
        return QStringLiteral("Del");
    default:
        return {};
    }
}

} // namespace

QString ShortCutToText(std::uint16_t shortCut) {
    const QString name = keyName(shortCut & 0xFF);
    if (name.isEmpty())
        return {};
    QString text;
    if (shortCut & scShift)
        text += QStringLiteral("Shift+");
    if (shortCut & scCtrl)
        text += QStringLiteral("Ctrl+");
    if (shortCut & scAlt)
        text += QStringLiteral("Alt+");
    return text + name;
}

} // namespace kestrom
