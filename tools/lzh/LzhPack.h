// Packer for the resource format that the program unpacks (resources/lzh/TLZH.h). Only the
// build uses it: the program itself carries the decoder alone.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace kthread::lzh {

// The packed stream of `data`: magic "!HZL", the size (little-endian), the coded bits padded
// with zero bits to a whole byte. Inputs of 4 GiB or more do not fit the size field and throw
// std::length_error.
QByteArray LzhPack(QByteArrayView data);

} // namespace kthread::lzh
