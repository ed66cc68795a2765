#include "gui/platform/KeyboardLocks.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <dlfcn.h>

namespace talvoren
{
namespace
{
// XkbGetIndicatorState(display, XkbUseCoreKbd, &state), looked up in the X
// library that the platform plugin has loaded already, so that the program
// needs no X development files.
using GetIndicatorState = int (*)(void* display, unsigned int device, unsigned int* state);
constexpr unsigned int kUseCoreKeyboard = 0x0100;

GetIndicatorState IndicatorFunction()
{
    static GetIndicatorState function = []() -> GetIndicatorState {
        void* library = ::dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
        if (!library)
            return nullptr;
        return reinterpret_cast<GetIndicatorState>(::dlsym(library, "XkbGetIndicatorState"));
    }();
    return function;
}
}

KEYBOARDLOCKS ReadKeyboardLocks()
{
    KEYBOARDLOCKS locks;
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return locks;
    const GetIndicatorState function = IndicatorFunction();
    unsigned int state = 0;
    if (!function || function(x11->display(), kUseCoreKeyboard, &state) != 0)
        return locks;
    // The core keyboard's usual indicator order: Caps Lock, Num Lock, Scroll Lock.
    locks.bCaps = (state & 0x1) != 0;
    locks.bNum = (state & 0x2) != 0;
    locks.bScroll = (state & 0x4) != 0;
#endif
    return locks;
}

} // namespace talvoren
