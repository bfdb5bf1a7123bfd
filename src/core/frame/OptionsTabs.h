#pragma once

namespace Quillwright {

// Form_KeyDown of the options dialog: Tab with Ctrl moves to the next tab,
// with Ctrl and Shift to the previous one, wrapping around. Only the two
// low bits of the shift state count (1 Shift, 2 Ctrl), so Alt changes
// nothing. Returns the 1-based tab to select, or `current` for no change.
namespace OptionsTabs {

inline constexpr int TabKey = 9;

constexpr int nextTab(int current, int count, int keyCode, int shiftState)
{
    if (keyCode != TabKey || count <= 0)
        return current;
    switch (shiftState & 3) {
    case 2:
        return current >= count ? 1 : current + 1;
    case 3:
        return current <= 1 ? count : current - 1;
    default:
        return current;
    }
}

} // namespace OptionsTabs

} // namespace Quillwright
