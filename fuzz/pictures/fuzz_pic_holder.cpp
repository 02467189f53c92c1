// Picture-holder data from anywhere: any bytes must load or be refused without a crash, and
// what loads must keep the holder's promises.

#include "resources/pictures/TPicHolder.h"

#include <QtEndian>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kthread;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // The same bytes as one item's property: a refusal only for a cut header or graphic.
    if (const std::optional<TPicItem> item = TPicItem::ReadData(bytes)) {
        Require(item->Name().size() <= TPicItem::kNameSize && !item->Name().contains('\0'));
        Require(!item->HasGraphic() || !item->Graphic().size().isEmpty());
        if (const std::optional<QByteArray> written = item->WriteData()) {
            Require(item->HasGraphic());
            const std::optional<TPicItem> again = TPicItem::ReadData(*written);
            Require(again && again->Kind() == item->Kind() && again->Data() == item->Data());
        }
    } else {
        const auto header = static_cast<std::size_t>(TPicItem::kHeaderSize);
        Require(size < header || qFromLittleEndian<std::int32_t>(data + TPicItem::kNameSize + 1) >
                                     static_cast<std::int64_t>(size - header));
    }

    TPicHolder holder;
    if (!holder.Load(bytes)) {
        Require(holder.Pictures().empty());
        return 0;
    }
    // What loaded writes back, and the written data loads to the same pictures and bytes.
    const QByteArray saved = holder.Save();
    TPicHolder reloaded;
    Require(reloaded.Load(saved));
    Require(reloaded.Pictures().size() == holder.Pictures().size());
    for (std::size_t i = 0; i < holder.Pictures().size(); ++i) {
        const TPicItem& before = holder.Pictures()[i];
        const TPicItem& after = reloaded.Pictures()[i];
        Require(after.HasGraphic() == before.HasGraphic());
        if (before.HasGraphic()) {
            // A name that fills its whole field loses its last byte to the zero byte.
            Require(after.Name() == before.Name().first(std::min<qsizetype>(
                                        before.Name().size(), TPicItem::kNameSize - 1)));
            Require(after.Kind() == before.Kind() && after.Data() == before.Data());
            Require(holder.Find(before.Name()) != nullptr);
        }
    }
    Require(reloaded.Save() == saved);
    return 0;
}
