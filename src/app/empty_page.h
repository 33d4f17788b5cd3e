#pragma once
// A page of the main window with nothing on it yet but its background picture: it holds the
// page's place (860 x 700 in the page frame) until the page itself is built.

#include <QWidget>

namespace velka {

class EmptyPage final : public QWidget {
    Q_OBJECT
public:
    EmptyPage(int backgroundBitmapId, QWidget* parent);

    int BackgroundBitmap() const { return backgroundBitmapId_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int backgroundBitmapId_;
};

}  // namespace velka
