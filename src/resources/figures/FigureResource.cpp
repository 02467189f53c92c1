#include "resources/figures/FigureResource.h"

namespace kthread {

QString FigureHolderResource() {
    return QStringLiteral(":/figures/PicHolder1");
}

} // namespace kthread
