#include "discs/ui/TShotter.h"

#include "discs/PictureGeometry.h"
#include "discs/ui/PictureBox.h"
#include "discs/ui/PictureLoader.h"
#include "discs/ui/PictureRequests.h"
#include "platform/ShownText.h"
#include "platform/qt/ModalRun.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace mcb {

namespace {

constexpr int kButtonBarHeight = 28;

// The picture fills the shown area with its ratio kept, enlarged when it is small.
QSize ScaledInto(QSize own, QSize shown) {
    return own.scaled(shown, Qt::KeepAspectRatio);
}

} // namespace

TShotter::TShotter(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TShotter");
    Img = new PictureBox(this);
    Img->setObjectName("Img");
    Img->setAccessibleName(QStringLiteral("Картинка"));
    Img->setFocusPolicy(Qt::NoFocus); // nothing to do with it but look
    Img->SetStretched(true);
    Img->SetPlaceholderShown(false);
    bb = new QPushButton(QStringLiteral("Закрыть"), this);
    bb->setObjectName("bb");
    bb->setDefault(true);
    connect(bb, &QPushButton::clicked, this, &QDialog::reject);
    decoded_ = new PictureRequests(ScaledInto, this);
    connect(decoded_, &PictureRequests::loaded, this,
            [this](const QString&, const ShownPicture& picture) { Img->SetImage(picture.image); });

    auto* bar = new QWidget(this);
    bar->setFixedHeight(kButtonBarHeight);
    auto* buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(0, 2, 4, 2);
    buttons->addStretch();
    buttons->addWidget(bb);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Img, 1);
    layout->addWidget(bar);
    setMinimumHeight(65);
}

void TShotter::ShowPicture(const std::string& path, const std::string& caption) {
    LoadPicture(path, caption);
    RunModal(*this);
}

// The picture is decoded at the size it is shown, never larger than the screen.
void TShotter::LoadPicture(const std::string& path, const std::string& caption) {
    const QString file = PathToQ(path);
    const QSize own = PictureFileSize(file);
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QApplication::primaryScreen();
    const QSize desk = screen ? screen->geometry().size() : QSize(1024, 768);
    const ViewerGeometry g = PictureViewerGeometry({own.width(), own.height()}, {desk.width(), desk.height()});
    Img->SetImage({});
    if (const auto picture = decoded_->Request(file, QSize(g.window.width - 8, g.window.height - 52)))
        Img->SetImage(picture->image);
    setWindowTitle(ToShownQ(caption, kShownCellChars, kShownCellChars));
    setGeometry(g.left, g.top, g.window.width, g.window.height);
    bb->setFocus();
}

} // namespace mcb
