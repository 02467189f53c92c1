// The figure page: the schematic figure of the chosen set-up, looked up in the window's picture
// holder by the name the input handlers keep in pbImage's hint, and drawn to fit the box.
#include "window/TfrmRuZede.h"

#include "resources/figures/FigureResource.h"
#include "resources/pictures/PicturePlacement.h"
#include "resources/pictures/TPicHolder.h"
#include "window/TPaintBox.h"

#include <QImage>
#include <QPainter>
#include <QtGlobal>
#include <cmath>

namespace kthread {

QWidget* TfrmRuZede::BuildFigurePage(QWidget* parent) {
    PicHolder1 = new TPicHolder(this);
    PicHolder1->setObjectName(QStringLiteral("PicHolder1"));
    if (!PicHolder1->LoadFile(FigureHolderResource())) {
        // The figures are built into the program; without them the page stays white.
        qCritical("The schematic figures could not be read from %s",
                  qPrintable(FigureHolderResource()));
    }

    ui.pbImage = new TPaintBox(parent);
    ui.pbImage->setObjectName(QStringLiteral("pbImage"));
    connect(ui.pbImage, &TPaintBox::paint, this,
            [this](QPainter& painter) { pbImagePaint(painter); });
    return ui.pbImage;
}

void TfrmRuZede::pbImagePaint(QPainter& painter) {
    // Drawn off screen in device pixels, so the figure is scaled once and stays sharp.
    const qreal ratio = ui.pbImage->devicePixelRatioF();
    const int width = static_cast<int>(std::lround(ui.pbImage->width() * ratio));
    const int height = static_cast<int>(std::lround(ui.pbImage->height() * ratio));
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(Qt::white);

    const TPicItem* picture = PicHolder1->Find(ui.pbImage->toolTip().toLatin1());
    if (picture != nullptr && picture->HasGraphic()) {
        const QImage& graphic = picture->Graphic();
        if (const std::optional<PictureRect> place =
                PlacePicture(width, height, graphic.width(), graphic.height())) {
            QPainter offScreen(&canvas);
            if (place->width == graphic.width() && place->height == graphic.height()) {
                offScreen.drawImage(place->x, place->y, graphic);
            } else {
                offScreen.drawImage(place->x, place->y,
                                    graphic.scaled(place->width, place->height,
                                                   Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation));
            }
        }
    }
    canvas.setDevicePixelRatio(ratio);
    painter.drawImage(0, 0, canvas);
}

} // namespace kthread
