#include "discs/ui/TCDinfo.h"

#include "catalogue/Session.h"
#include "discs/DiscPanel.h"
#include "discs/DiscSummary.h"
#include "discs/ui/MemoLook.h"
#include "discs/ui/PictureBox.h"
#include "discs/ui/PictureLoader.h"
#include "discs/ui/PictureRequests.h"
#include "discs/ui/TShotter.h"
#include "platform/ShownText.h"
#include "platform/qt/DialogFrame.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/ModalRun.h"
#include "platform/qt/QtText.h"
#include "storage/Literal.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mcb {

namespace {

constexpr int kPictureHeight = 150;
constexpr int kHelpTopic = 8;

PictureBox* PictureControl(const char* name, const QString& accessibleName, QWidget* parent) {
    auto* box = new PictureBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setToolTip(QStringLiteral("Двойной щелчок, Enter или пробел для просмотра в отдельном окне"));
    box->SetPlaceholderShown(false);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    policy.setRetainSizeWhenHidden(true); // each picture keeps its half of the row
    box->setSizePolicy(policy);
    box->setFixedHeight(kPictureHeight);
    return box;
}

} // namespace

TCDinfo::TCDinfo(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
    setObjectName("TCDinfo");
    setWindowTitle(QStringLiteral("CDinfo"));
    nfo = new QPlainTextEdit(this);
    nfo->setObjectName("nfo");
    ShowAsWindowFace(nfo);
    Pic1 = PictureControl("Pic1", QStringLiteral("Картинка 1"), this);
    Pic2 = PictureControl("Pic2", QStringLiteral("Картинка 2"), this);
    connect(Pic1, &PictureBox::activated, this, [this] { OpenViewer(1); });
    connect(Pic2, &PictureBox::activated, this, [this] { OpenViewer(2); });
    for (int k = 0; k < 2; ++k) {
        decoded_[k] = new PictureRequests(ShrunkToFit, this);
        connect(decoded_[k], &PictureRequests::loaded, this, [this, k](const QString& path, const ShownPicture& p) {
            if (exists_[k] && path == PathToQ(paths_[k])) (k == 0 ? Pic1 : Pic2)->SetImage(p.image);
        });
    }
    PrintNfo = new QPushButton(QStringLiteral("Печать"), this);
    PrintNfo->setObjectName("PrintNfo");
    PrintNfo->setEnabled(false);
    connect(PrintNfo, &QPushButton::clicked, this, [this] {
        if (print_) print_(discId_);
    });
    BitBtn2 = new QPushButton(QStringLiteral("Закрыть"), this);
    BitBtn2->setObjectName("BitBtn2");
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto* pictures = new QHBoxLayout;
    pictures->addWidget(Pic1);
    pictures->addWidget(Pic2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(PrintNfo);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nfo, 1);
    layout->addLayout(pictures);
    layout->addLayout(buttons);
    FixDialogSize(*this, {576, 397});
}

void TCDinfo::SetPrintHandler(std::function<void(const std::string& discId)> handler) {
    print_ = std::move(handler);
    PrintNfo->setEnabled(bool(print_));
}

void TCDinfo::ShowDisc(const std::string& discId) {
    if (discId.empty()) return;
    LoadDisc(discId);
    RunModal(*this);
}

void TCDinfo::LoadDisc(const std::string& discId) {
    discId_ = discId;
    const TIniFile& catalogue = session_.catalogue();
    const DiscPanel disc =
        DiscPanelOf(catalogue, discId, session_.baseDirectory(), session_.services().dateFormat, InfoView::None);
    paths_ = disc.picturePaths;
    exists_ = disc.pictureExists;
    std::string text;
    for (const std::string& line : DiscSummary(catalogue, discId, session_.layout())) text += line + '\n';
    nfo->setPlainText(ToShownQ(text, kShownFieldChars, kShownMemoChars));
    ShowPictures();
    if (parentWidget()) move(parentWidget()->window()->geometry().center() - rect().center());
    BitBtn2->setFocus();
}

// Without pictures the text takes their room too.
void TCDinfo::ShowPictures() {
    PictureBox* boxes[] = {Pic1, Pic2};
    const bool any = exists_[0] || exists_[1];
    for (int k = 0; k < 2; ++k) {
        QSizePolicy policy = boxes[k]->sizePolicy();
        policy.setRetainSizeWhenHidden(any);
        boxes[k]->setSizePolicy(policy);
        boxes[k]->setVisible(exists_[k]);
    }
    layout()->activate(); // each picture is decoded at the size of its box
    for (int k = 0; k < 2; ++k) {
        boxes[k]->SetImage({});
        decoded_[k]->Cancel();
        if (!exists_[k]) continue;
        if (const auto picture = decoded_[k]->Request(PathToQ(paths_[k]), boxes[k]->size()))
            boxes[k]->SetImage(picture->image);
    }
}

void TCDinfo::OpenViewer(int number) {
    if (!exists_[number - 1] || !QFileInfo::exists(PathToQ(paths_[number - 1]))) return;
    TShotter viewer(this);
    viewer.ShowPicture(paths_[number - 1], DiscViewCaption(session_.catalogue(), discId_, W("картинка")));
}

void TCDinfo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        if (!ShowHelpTopic(this, kHelpTopic)) session_.services().prompts.Message(W("Не найден файл справки"));
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace mcb
