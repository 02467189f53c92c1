// The numbers of a designation as the window writes them, in the display unit and with the
// locale's decimal separator: the pitch-diameter limits, a margin and the reading window.
#pragma once

#include "engine/designation/ReadingWindow.h"
#include "engine/designation/ThreadLimits.h"

#include <QString>

namespace kthread {

// "d2 8.862 … 8.994 mm" ("D2" for an internal thread). In the unit the standard tabulates the
// thread in, the limits have its printed digits (0.001 mm, 0.0001 in); converted, one more
// than that digit is worth (0.0001 mm, 0.00001 in).
QString LimitsText(const designation::ThreadLimits& limits, bool inch);

// A margin in micrometres ("43.0 µm") or in ten-thousandths of an inch ("17.0 × 0.0001 in"),
// one decimal, negative outside the limits.
QString MarginText(double marginMm, bool inch);

// A window from ReadingWindowBySizePath as the unit shows it: rounded inward and checked back
// through the size-given path, so that a reading at a shown end is a good part.
designation::ReadingWindow ShownReadingWindow(const designation::ReadingWindow& window,
                                              const designation::ThreadLimits& limits,
                                              const TPitchDiamData& setup, bool inch);

// "M 10.16275 … 10.29470 mm" ("m" for the size between the probes), decimals as the results.
QString ReadingWindowText(const designation::ReadingWindow& window, bool inch);

} // namespace kthread
