// The packed banner resources (type BANNERS, names in BannerNames.h), unpacked on demand with
// the process-wide decoder.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QImage;

namespace kthread {

// The bytes that the BANNERS resource `name` unpacks to; none when the program has no such
// resource. Throws the decoder's exceptions (resources/lzh/LzhErrors.h).
std::optional<QByteArray> UnpackedResource(const QString& name);

// Unpacks the BANNERS resource `name` and loads the bitmap it holds into `target`. False when
// the program has no such resource. Throws the decoder's exceptions, and std::runtime_error
// when the unpacked bytes are no picture. `target` is unchanged unless the call succeeds.
bool UnpackResource(const QString& name, QImage& target);

} // namespace kthread
