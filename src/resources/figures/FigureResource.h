// The resource that carries the window's schematic figures as picture-holder data.
#pragma once

#include <QString>

namespace kthread {

QString FigureHolderResource();

} // namespace kthread
