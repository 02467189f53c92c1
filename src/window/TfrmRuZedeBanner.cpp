// The banner strip along the bottom of the window: six pictures one after the other, each with
// its tip scrolling from right to left over the picture's dark band, one pixel per tick. Only
// the strip is repainted on a tick, so the window idles cheaply.
#include "window/TfrmRuZede.h"

#include "lang/LanguageTable.h"
#include "resources/banners/BannerNames.h"
#include "resources/banners/BannerResource.h"
#include "window/BannerStrip.h"
#include "window/TPaintBox.h"

#include <QPainter>
#include <QStaticText>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

namespace kthread {

namespace {

constexpr int kStripHeight = 60;

// A broken resource is a fault of the build, not of the user: it is reported, and the strip
// goes on with what it has.
void ReportBannerError(const QString& what, const std::exception& error) {
    qCritical("The banner strip could not %s: %s", qPrintable(what), error.what());
}

} // namespace

QWidget* TfrmRuZede::BuildBannerPanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("pnlBanner"));
    panel->setFixedHeight(kStripHeight);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    ui.pbBanner = new TPaintBox(panel);
    ui.pbBanner->setObjectName(QStringLiteral("pbBanner"));
    layout->addWidget(ui.pbBanner);
    connect(ui.pbBanner, &TPaintBox::paint, this,
            [this](QPainter& painter) { pbBannerPaint(painter); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(banner::kTickMilliseconds);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    ui.pnlBanner = panel;
    return panel;
}

void TfrmRuZede::PrepareBannerStrip() {
    try {
        UnpackResource(QLatin1String(banner::kLeftStrip), FBannerLeft);
        UnpackResource(QLatin1String(banner::kRightStrip), FBannerRight);
    } catch (const std::exception& error) {
        ReportBannerError(QStringLiteral("unpack its strips"), error);
    }
    FBannerComposed = {};
}

void TfrmRuZede::StartBanners() {
    FBannerIndex = 1;
    try {
        LoadBanner();
    } catch (const std::exception& error) {
        ReportBannerError(QStringLiteral("load banner 1"), error);
    }
    Timer1->start();
}

QFont TfrmRuZede::BannerFont() const {
    QFont bannerFont = font();
    bannerFont.setBold(true);
    bannerFont.setPixelSize(banner::kTextPixelSize);
    return bannerFont;
}

void TfrmRuZede::MeasureBannerText() {
    FBannerTextWidth = QFontMetrics(BannerFont(), ui.pbBanner).horizontalAdvance(FBannerText);
    // Laid out once per text: a tip is a long line, and laying it out is most of a tick's work.
    FBannerTextLayout = QStaticText(FBannerText);
    FBannerTextLayout.setTextFormat(Qt::PlainText);
    FBannerTextLayout.setPerformanceHint(QStaticText::AggressiveCaching);
    FBannerTextLayout.prepare(QTransform(), BannerFont());
}

void TfrmRuZede::LoadBanner() {
    // A missing resource keeps the previous picture or strip.
    UnpackResource(banner::PictureName(FBannerIndex), FBannerPicture);
    UnpackResource(banner::LeftStripName(FBannerIndex), FBannerLeft);
    FBannerComposed = {};
    FBannerText = LangText(banner::TextNumber(FBannerIndex));
    MeasureBannerText();
    FBannerTextX = ui.pbBanner->width();
}

void TfrmRuZede::UpdateBannerText() {
    if (!banner::IsBanner(FBannerIndex)) {
        return;
    }
    FBannerText = LangText(banner::TextNumber(FBannerIndex));
    MeasureBannerText();
}

void TfrmRuZede::RefreshBannerText() {
    UpdateBannerText();
}

void TfrmRuZede::Timer1Timer() {
    if (banner::ScrollText(FBannerTextX, FBannerTextWidth) == banner::TickOutcome::Repaint) {
        ui.pbBanner->update();
        return;
    }
    // The decoder lets the event loop run while it unpacks; no tick may start a second load.
    Timer1->stop();
    FBannerIndex = banner::NextBanner(FBannerIndex);
    try {
        LoadBanner();
    } catch (const std::exception& error) {
        // The text stays past the strip's left edge, so the next tick tries the next banner.
        ReportBannerError(QStringLiteral("load banner %1").arg(FBannerIndex), error);
    }
    Timer1->start();
    ui.pbBanner->update();
}

// The strips and the picture change only with the banner and the strip's size: they are
// composed once into FBannerComposed, and a tick draws that and the text.
void TfrmRuZede::ComposeBanner(QSize size) {
    FBannerComposed = QImage(size, QImage::Format_RGB32);
    FBannerComposed.fill(Qt::black);
    const banner::BannerPlacement placement =
        banner::PlaceBanner(size, FBannerPicture.width(), FBannerTextX);
    QPainter painter(&FBannerComposed);
    if (!FBannerLeft.isNull()) {
        painter.drawImage(placement.left, FBannerLeft);
    }
    if (!FBannerRight.isNull()) {
        painter.drawImage(placement.right, FBannerRight);
    }
    if (!FBannerPicture.isNull()) {
        painter.drawImage(placement.picture, FBannerPicture);
    }
}

void TfrmRuZede::pbBannerPaint(QPainter& painter) {
    const QSize size = ui.pbBanner->size();
    if (FBannerComposed.size() != size) {
        ComposeBanner(size);
    }
    painter.drawImage(0, 0, FBannerComposed);
    const banner::BannerPlacement placement =
        banner::PlaceBanner(size, FBannerPicture.width(), FBannerTextX);
    if (FBannerText.isEmpty() || placement.text.isEmpty()) {
        return;
    }
    painter.setFont(BannerFont());
    painter.setPen(Qt::white);
    painter.setClipRect(placement.text, Qt::IntersectClip);
    painter.drawStaticText(placement.text.topLeft(), FBannerTextLayout);
}

} // namespace kthread
