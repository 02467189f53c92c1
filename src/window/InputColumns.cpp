#include "window/InputColumns.h"

#include <algorithm>

namespace kthread {

InputColumnWidths ChooseInputColumns(int available, int gap, const InputTextWidths& texts) {
    const int captionFloor = std::min(texts.caption, texts.captionFloor);
    const int essential = std::max(texts.selectorEssential, texts.fields);
    const int all = std::max(texts.selectorAll, essential);
    const int room = available - gap;

    // Everything whole, on one line.
    if (texts.caption + all <= room) {
        return {texts.caption, all};
    }
    // Captions on one line; only thread-material names cut.
    if (texts.caption + essential <= room) {
        return {texts.caption, room - texts.caption};
    }
    // Captions wrap so that every other item stays whole.
    if (captionFloor + essential <= room) {
        return {room - essential, essential};
    }
    // Narrower still: captions at their floor, every selector cuts what does not fit.
    return {captionFloor, std::max({room - captionFloor, texts.selectorFloor, texts.fields})};
}

} // namespace kthread
