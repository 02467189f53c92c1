// The placement record of the main window: how it was left (normal, minimised, maximised) and
// its bounds in the normal state, with the rules that fill it from and write it to the
// "SETTINGS" section of the settings file. Bounds are screen pixels of the window's client
// geometry (the part without the system frame).
#pragma once

#include "window/SettingsKeys.h"

#include <QRect>
#include <cstdint>

namespace kthread {

class IniFile;

// Any byte may be stored; values other than these place the window as a normal one.
enum class FormState : std::uint8_t { Normal = 0, Minimised = 1, Maximised = 2 };

struct PlacementRecord {
    FormState FFormState = FormState::Normal;
    std::int32_t FFormLeft = 0;
    std::int32_t FFormTop = 0;
    std::int32_t FFormWidth = settings::kDefaultFormWidth;
    std::int32_t FFormHeight = settings::kDefaultFormHeight;

    QRect bounds() const { return {FFormLeft, FFormTop, FFormWidth, FFormHeight}; }
    void setBounds(const QRect& rect);
    bool operator==(const PlacementRecord&) const = default;
};

// The placement of a window with nothing stored: the default size centred in the work area
// (halves of an odd remainder truncated toward zero), normal state.
PlacementRecord CentredPlacement(const QRect& workArea);

// Takes over each of FormState, FormLeft, FormTop, FormWidth, FormHeight that exists in the
// section; missing keys and values that are no whole number keep what `record` holds. FormState
// keeps the low byte of the stored number.
void ReadStoredPlacement(const IniFile& file, PlacementRecord& record);

// Writes FormState (2 for a maximised window, 0 for any other, also a minimised one) and the four
// bounds in one write. False, with the file as it was, when it could not be written.
bool WritePlacement(IniFile& file, const PlacementRecord& record);

} // namespace kthread
