// The about window: a borderless window shaped by its picture (pure yellow lies outside it)
// with the product line, the version, the maker's name and address and two links. Any click
// on it, other than on a link, closes it.
#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

namespace kthread {

class TLinkLabel;

class TfrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void BuildLabels();
    void UseSmallFonts();
    void XLabel1Click();
    void XLabel2Click();

    QImage FBackground;       // the picture, painted as the background; it also gives the shape
    QLabel* Label3 = nullptr; // product line, version, maker
    QLabel* Label2 = nullptr; // address, telephone and fax
    TLinkLabel* XLabel1 = nullptr; // e-mail
    TLinkLabel* XLabel2 = nullptr; // web address
    // Would keep the window open on a click; never set.
    bool FKeepOpen = false;
    bool FPressed = false;
};

} // namespace kthread
