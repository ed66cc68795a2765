#pragma once
// The state of the keyboard's lock keys, for the status bar's indicators.

namespace talvoren
{
struct KEYBOARDLOCKS
{
    bool bCaps = false;
    bool bNum = false;
    bool bScroll = false;
};

// The lock keys as the X server reports them; all off where there is no X
// display (such as the offscreen platform).
KEYBOARDLOCKS ReadKeyboardLocks();

} // namespace talvoren
