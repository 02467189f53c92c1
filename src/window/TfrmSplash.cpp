#include "window/TfrmSplash.h"

#include "lang/LanguageTable.h"
#include "window/PictureShape.h"
#include "window/ProductInfo.h"
#include "window/TLinkLabel.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QUrl>
#include <cmath>

#ifndef KTHREAD_VERSION
#error "KTHREAD_VERSION must be defined by the build"
#endif

namespace kthread {

namespace {

const QString kPicture = QStringLiteral(":/about/frmSplash.png");
const QRgb kCutOut = qRgb(255, 255, 0);
constexpr int kAboutText = 10;
constexpr int kDesignDpi = 96;
constexpr int kSmallFontPixels = 11;
constexpr int kTitlePixels = 13;
constexpr int kLinkPixels = 11;
const QColor kLinkColour(49, 102, 155);

// Where the texts go on the picture: the product lines on its dark head, the rest on its
// light body.
constexpr QPoint kTitlePlace(156, 36);
constexpr QPoint kAddressPlace(24, 146);
constexpr QPoint kMailPlace(24, 184);
constexpr QPoint kWebPlace(24, 201);

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

void SetPixelSize(QWidget* widget, int pixels, bool bold = false) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    widget->setFont(font);
}

bool ScreenAtDesignDpi(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    return screen == nullptr || std::lround(screen->logicalDotsPerInch()) == kDesignDpi;
}

} // namespace

TfrmSplash::TfrmSplash(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TfrmSplash"));
    setWindowTitle(LangText(kAboutText));
    FBackground = QImage(kPicture).convertToFormat(QImage::Format_RGB32);
    if (FBackground.isNull()) {
        // The picture is built into the program; without it the texts stand on the window
        // colour, in the designed size.
        qCritical("The picture of the about window could not be read from %s",
                  qPrintable(kPicture));
        FBackground = QImage(433, 223, QImage::Format_RGB32);
        FBackground.fill(palette().color(QPalette::Window));
    }
    BuildLabels();
    if (!ScreenAtDesignDpi(this)) {
        UseSmallFonts();
    }
    setFixedSize(FBackground.size());
    setMask(RegionWithout(FBackground, kCutOut));
}

void TfrmSplash::BuildLabels() {
    const QString version = QStringLiteral("Version ") + QStringLiteral(KTHREAD_VERSION);
    Label3 = MakeLabel(this, "Label3",
                       QLatin1String(product::kProductLine) + QLatin1Char('\n') + version +
                           QLatin1Char('\n') + QLatin1String(product::kMakerName),
                       Qt::white);
    SetPixelSize(Label3, kTitlePixels, true);
    Label3->move(kTitlePlace);

    Label2 = MakeLabel(this, "Label2",
                       QString::fromUtf8(product::kMakerAddress) + QLatin1Char('\n') +
                           QString::fromUtf8(product::kMakerPhoneAndFax),
                       QColor(44, 52, 62));
    SetPixelSize(Label2, kSmallFontPixels);
    Label2->move(kAddressPlace);

    const auto makeLink = [this](const char* name, const char* text, QPoint place) {
        auto* link = new TLinkLabel(QString::fromUtf8(text), this);
        link->setObjectName(QLatin1String(name));
        QFont font(QStringLiteral("Tahoma"));
        font.setPixelSize(kLinkPixels);
        link->setFont(font);
        QPalette palette = link->palette();
        palette.setColor(QPalette::WindowText, kLinkColour);
        link->setPalette(palette);
        link->move(place);
        return link;
    };
    XLabel1 = makeLink("XLabel1", product::kMakerEmail, kMailPlace);
    XLabel2 = makeLink("XLabel2", product::kMakerWeb, kWebPlace);
    connect(XLabel1, &TLinkLabel::clicked, this, [this] { XLabel1Click(); });
    connect(XLabel2, &TLinkLabel::clicked, this, [this] { XLabel2Click(); });

    for (QLabel* label :
         {Label3, Label2, static_cast<QLabel*>(XLabel1), static_cast<QLabel*>(XLabel2)}) {
        label->adjustSize();
    }
}

// A screen that is not at 96 pixels per inch enlarges the texts' point sizes; the labels keep
// to the picture in the small type.
void TfrmSplash::UseSmallFonts() {
    SetPixelSize(this, kSmallFontPixels);
    SetPixelSize(Label3, kSmallFontPixels, true);
    SetPixelSize(XLabel1, kSmallFontPixels);
    SetPixelSize(XLabel2, kSmallFontPixels);
    for (QLabel* label : {Label3, static_cast<QLabel*>(XLabel1), static_cast<QLabel*>(XLabel2)}) {
        label->adjustSize();
    }
}

void TfrmSplash::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.drawImage(0, 0, FBackground);
}

// Labels other than the links pass their clicks on to the window.
void TfrmSplash::mousePressEvent(QMouseEvent* event) {
    FPressed = event->button() == Qt::LeftButton;
    event->accept();
}

void TfrmSplash::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = FPressed && event->button() == Qt::LeftButton;
    FPressed = false;
    event->accept();
    if (click && !FKeepOpen) {
        close();
    }
}

// The shell may have no mail or web program; the window has nothing to add then.
void TfrmSplash::XLabel1Click() {
    QDesktopServices::openUrl(
        QUrl(QStringLiteral("mailto:") + QLatin1String(product::kMakerEmail)));
}

void TfrmSplash::XLabel2Click() {
    QDesktopServices::openUrl(QUrl(QLatin1String(product::kMakerWeb)));
}

} // namespace kthread
