// How wide the caption column and the selectors of the input form are, for the width the form
// gets. In order of what gives way first when the form is narrow: the widest thread-material
// names (cut with an ellipsis in the closed box; the open list shows them whole), then the
// captions (they wrap onto two lines, down to a floor), then every selector item.
#pragma once

namespace kthread {

struct InputTextWidths {
    int caption = 0; // the widest caption on one line
    int captionFloor =
        0; // captions wrap no narrower (the longest word, the given-quantity selector)
    int selectorAll = 0;       // a selector showing every item whole
    int selectorEssential = 0; // every item except the thread materials whole
    int selectorFloor = 0;     // the narrowest a selector may become
    int fields = 0;            // the numeric fields and their units beside the captions
};

struct InputColumnWidths {
    int caption = 0;
    int selector = 0;
    bool operator==(const InputColumnWidths&) const = default;
};

// `available` is the width of the form without the gap between caption and field, `gap`.
InputColumnWidths ChooseInputColumns(int available, int gap, const InputTextWidths& texts);

} // namespace kthread
