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

} // namespace kthread::designation
