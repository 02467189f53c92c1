#include "window/WindowPlacement.h"

#include "storage/IniFile.h"

#include <utility>
#include <vector>

namespace kthread {

void PlacementRecord::setBounds(const QRect& rect) {
    FFormLeft = rect.left();
    FFormTop = rect.top();
    FFormWidth = rect.width();
    FFormHeight = rect.height();
}

PlacementRecord CentredPlacement(const QRect& workArea) {
    PlacementRecord record;
    // Integer division truncates toward zero, also for a work area smaller than the window.
    record.FFormLeft = workArea.left() + (workArea.width() - settings::kDefaultFormWidth) / 2;
    record.FFormTop = workArea.top() + (workArea.height() - settings::kDefaultFormHeight) / 2;
    return record;
}

void ReadStoredPlacement(const IniFile& file, PlacementRecord& record) {
    using namespace settings;
    const auto take = [&](QLatin1String key, auto& field) {
        if (file.keyExists(kPlacementSection, key)) {
            field = file.readInt(kPlacementSection, key, field);
        }
    };
    int state = static_cast<int>(record.FFormState);
    take(kFormStateKey, state);
    record.FFormState = static_cast<FormState>(static_cast<std::uint8_t>(state & 0xff));
    take(kFormLeftKey, record.FFormLeft);
    take(kFormTopKey, record.FFormTop);
    take(kFormWidthKey, record.FFormWidth);
    take(kFormHeightKey, record.FFormHeight);
}

bool WritePlacement(IniFile& file, const PlacementRecord& record) {
    using namespace settings;
    const int state = record.FFormState == FormState::Maximised ? 2 : 0;
    const std::vector<std::pair<QString, QString>> keyValues{
        {kFormStateKey, QString::number(state)},
        {kFormLeftKey, QString::number(record.FFormLeft)},
        {kFormTopKey, QString::number(record.FFormTop)},
        {kFormWidthKey, QString::number(record.FFormWidth)},
        {kFormHeightKey, QString::number(record.FFormHeight)},
    };
    return file.writeStrings(kPlacementSection, keyValues);
}

} // namespace kthread
