// Flag pictures of the language menu: 21 x 15 drawings named by three-letter country codes,
// built into the program, shown on a 22 x 22 square (the flag at x 0, y 4, the rest
// transparent) so that menu items and the Language button line them up like icons.
#pragma once

#include <QPixmap>
#include <QString>

namespace kthread {

inline constexpr QSize kFlagSize(21, 15);
inline constexpr QSize kFlagSquareSize(22, 22);
inline constexpr QPoint kFlagOffset(0, 4);

// The built-in picture of a flag code ("GBR", letter case ignored); empty for another name.
QString FlagResourcePath(const QString& flag);

// The square for `flag`: the built-in flag of that code, else the picture in the file of that
// name, else nothing drawn. Drawn for screens of `devicePixelRatio`.
QPixmap MakeFlagSquare(const QString& flag, qreal devicePixelRatio);

} // namespace kthread
