// A PNG stream made safe to hand to the image reader: its chunk structure checked and its text
// and embedded-profile chunks dropped. A figure needs neither, and the reader's library spends
// memory on them out of all proportion (a text chunk that claims 2 GB after the image data, or a
// compressed one that inflates without bound).
#pragma once

#include <QByteArray>
#include <optional>

namespace kthread {

// The stream without tEXt, zTXt, iTXt and iCCP chunks, every other chunk copied byte for byte
// (so its CRC still holds). Empty when the data is not a PNG signature followed by whole chunks
// up to IEND: a chunk whose length runs past the data is a load failure, not something to read.
std::optional<QByteArray> PngWithoutTextChunks(const QByteArray& png);

} // namespace kthread
