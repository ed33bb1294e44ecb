#include "discs/ui/PictureBox.h"

#include "discs/ui/PictureLoader.h"
#include "platform/qt/Keyboard.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace mcb {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), placeholder_(PlaceholderPicture()) {
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::SetImage(const QImage& image) {
    image_ = image;
    update();
}

void PictureBox::SetPlaceholderShown(bool shown) {
    placeholderShown_ = shown;
    update();
}

void PictureBox::SetStretched(bool stretched) {
    stretched_ = stretched;
    update();
}

const QImage& PictureBox::Shown() const {
    return image_.isNull() ? placeholder_ : image_;
}

QRect PictureBox::ImageRect() const {
    QSize size = Shown().size();
    if (stretched_ || size.width() > width() || size.height() > height()) size.scale(this->size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!image_.isNull() || placeholderShown_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(ImageRect(), Shown());
    }
    if (hasFocus()) DrawFocusFrame(painter, *this, rect());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit pressed();
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && rect().contains(event->position().toPoint()))
        emit menuRequested(event->globalPosition().toPoint());
    QWidget::mouseReleaseEvent(event);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit activated();
    QWidget::mouseDoubleClickEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (IsActivationKey(*event))
        emit activated();
    else if (IsContextMenuKey(*event))
        RequestMenuFromKeyboard();
    else
        QWidget::keyPressEvent(event);
}

// The mouse asks for the menu when its right button is released (mouseReleaseEvent).
void PictureBox::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard)
        RequestMenuFromKeyboard();
    else
        event->ignore();
}

void PictureBox::RequestMenuFromKeyboard() {
    emit pressed();
    emit menuRequested(mapToGlobal(rect().center()));
}

} // namespace mcb
