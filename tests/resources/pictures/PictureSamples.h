// Small pictures in each format the holder reads, for building items and holder data.
#pragma once

#include "resources/pictures/TPicItem.h"

#include <QByteArray>
#include <QColor>
#include <QImage>

namespace kthread::testing {

// A 3 x 2 picture: white, with a red pixel at (0, 0) and a blue one at (2, 1).
QImage SampleImage();
inline const QColor kSampleRed(255, 0, 0);
inline const QColor kSampleBlue(0, 0, 255);

// SampleImage() in the file format of `kind` (bitmap, JPEG, GIF or PNG).
QByteArray SampleData(PicKind kind);

} // namespace kthread::testing
