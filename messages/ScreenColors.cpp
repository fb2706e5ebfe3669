#include "messages/ScreenColors.h"

#include <QGuiApplication>
#include <QScreen>

namespace kestrom {

namespace {

int& bitsOverride() {
    static int bits = 0;
    return bits;
}

int screenBits() {
    if (bitsOverride() > 0)
        return bitsOverride();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            return screen->depth();
    }
    return 32;
}

} // namespace

int ScreenColorCount() {
    const int bits = screenBits();
    return bits <= 8 ? 1 << bits : 16777216;
}

int ScreenBitsPerPixel() {
    return screenBits();
}

void SetScreenBitsPerPixel(int bits) {
    bitsOverride() = bits;
}

} // namespace kestrom
