// The tool bar's pictures, drawn from the SVG files in icons/.
#pragma once

#include <QIcon>

namespace kthread {

enum class ToolIconName { Calculate, Copy, Language, Millimetre, Inch, Exit, About };

QIcon ToolIcon(ToolIconName name);

} // namespace kthread
