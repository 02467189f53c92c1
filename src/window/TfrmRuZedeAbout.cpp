// The About command: the about window, shown modally and released when it closes.
#include "window/TfrmRuZede.h"

#include "window/TfrmSplash.h"

namespace kthread {

void TfrmRuZede::btnInfoClick() {
    TfrmSplash splash(this);
    splash.exec();
}

} // namespace kthread
