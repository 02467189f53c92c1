// The readings over the probes that a part within its pitch-diameter limits shows: the limits
// taken through CalcPitchDiam with the pitch diameter given, on the measurement's own set-up.
#pragma once

#include "engine/PitchDiam.h"
#include "engine/designation/ThreadLimits.h"

#include <optional>

namespace kthread::designation {

enum class Reading { SizeCtr, SizeOver }; // m or M

struct ReadingWindow {
    Reading reading = Reading::SizeOver;
    double minMm = 0; // the reading at the smaller end, whichever limit gives it
    double maxMm = 0;
};

// `setup` is the measurement's record: probes, method, force and materials are kept, the
// thread's geometry is taken from the limits. The reading is m when `setup` gives m, M
// otherwise (also when it gives the pitch diameter). Empty when the calculation fails at
// either limit.
std::optional<ReadingWindow> ReadingWindowOf(const ThreadLimits& limits,
                                             const TPitchDiamData& setup);

// The window as it is shown with `decimals` decimals in a unit of `unitMm` millimetres: each end
// rounded inward to a shown digit, so that every reading written inside the shown window belongs
// to a part within the limits. An end that already is such a digit stays. In millimetres.
ReadingWindow ShownInward(const ReadingWindow& window, int decimals, double unitMm = 1);

// The ends moved to where the size-given path, which a reading goes through, meets the limits:
// the two directions of the calculation agree only to some 1e-5 mm with a force, to microns at
// steep leads. Once per window, whatever unit shows it.
ReadingWindow ReadingWindowBySizePath(const ReadingWindow& window, const ThreadLimits& limits,
                                      const TPitchDiamData& setup);

// A window from ReadingWindowBySizePath as a unit shows it: rounded inward by ShownInward, each
// end moved a digit further inward while the reading it shows still gives a pitch diameter
// outside the limits.
ReadingWindow ShownReadingWindow(const ReadingWindow& met, const ThreadLimits& limits,
                                 const TPitchDiamData& setup, int decimals, double unitMm = 1);

} // namespace kthread::designation
