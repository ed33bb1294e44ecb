#include "discs/ui/DiscInfoGroup.h"

#include "catalogue/Session.h"
#include "discs/DiscSummary.h"
#include "discs/PictureGeometry.h"
#include "discs/ReminderLetters.h"
#include "discs/ui/MemoLook.h"
#include "discs/ui/PictureBox.h"
#include "discs/ui/PictureRequests.h"
#include "discs/ui/TMagForm.h"
#include "discs/ui/TShotter.h"
#include "platform/ShownText.h"
#include "platform/qt/Keyboard.h"
#include "platform/qt/QtText.h"
#include "storage/Literal.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace mcb {

namespace {

template <class W> W* Named(W* widget, const char* name, const char* hint = nullptr) {
    widget->setObjectName(name);
    if (hint) widget->setToolTip(QString::fromUtf8(hint));
    return widget;
}

QLabel* Label(const char* text, const char* name) {
    return Named(new QLabel(QString::fromUtf8(text)), name);
}

// A name label clips its text instead of widening the panel.
QLabel* NameLabel(const char* name) {
    QLabel* label = Label("", name);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

QToolButton* ToggleButton(const char* text, const char* name, const char* hint, QButtonGroup* group) {
    auto* button = Named(new QToolButton, name, hint);
    button->setText(QString::fromUtf8(text));
    button->setCheckable(true);
    button->setAutoRaise(true);
    group->addButton(button);
    return button;
}

// A caption and the value beside it, which takes the rest of the width.
QHBoxLayout* LabelRow(QWidget* label, QWidget* value) {
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(label);
    row->addWidget(value, 1);
    return row;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* w : widgets) row->addWidget(w);
    row->addStretch();
    return row;
}

} // namespace

DiscInfoGroup::DiscInfoGroup(Session& session, Shell& shell, QWidget* parent)
    : QGroupBox(QStringLiteral(" Информация о диске "), parent), session_(session), shell_(shell),
      pictures_(new PictureRequests(FitIntoPanel, this)) {
    setObjectName("GroupInfo");
    BuildLoanControls();
    BuildViewControls();
    connect(pictures_, &PictureRequests::loaded, this, &DiscInfoGroup::PictureLoaded);
    hide();
}

void DiscInfoGroup::BuildLoanControls() {
    Label1 = Label("Диск ", "Label1");
    LabNalStat = NameLabel("LabNalStat");
    LbHoz = Label("Хозяин", "LbHoz");
    LbHozName = NameLabel("LbHozName");
    DolgPan = Named(new QFrame, "DolgPan");
    Label3 = Label("Должник : ", "Label3");
    LabDolgName = NameLabel("LabDolgName");
    Label8 = Label("Отдан в долг : ", "Label8");
    LabDolgData = NameLabel("LabDolgData");
    BtEmail = Named(new QPushButton(QStringLiteral("Послать e-mail")), "BtEmail", "Послать e-mail должнику");
    LabDolgData->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred); // a date is never cut
    auto* loan = new QVBoxLayout(DolgPan);
    loan->setContentsMargins(0, 0, 0, 0);
    loan->setSpacing(2);
    loan->addLayout(LabelRow(Label3, LabDolgName));
    loan->addLayout(LabelRow(Label8, LabDolgData));
    loan->addWidget(BtEmail);
    connect(BtEmail, &QPushButton::clicked, this, &DiscInfoGroup::BtEmailClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(LabelRow(Label1, LabNalStat));
    layout->addLayout(LabelRow(LbHoz, LbHozName));
    layout->addWidget(DolgPan);
}

void DiscInfoGroup::BuildViewControls() {
    auto* views = new QButtonGroup(this);
    MemoBtn = ToggleButton("Описание", "MemoBtn", "Выбор описания", views);
    ImgBtn = ToggleButton("Картинка", "ImgBtn", "Выбор картинки ", views);
    MemoBtn->setChecked(true);
    connect(MemoBtn, &QToolButton::clicked, this, [this] { ShowView(chosen_ = InfoView::Description); });
    connect(ImgBtn, &QToolButton::clicked, this, [this] { ShowView(chosen_ = InfoView::Pictures); });

    MemoPan = Named(new QWidget, "MemoPan");
    DiskMemo = Named(new QPlainTextEdit, "DiskMemo", "Двойной щелчок или Enter для показа в отдельном окне");
    ShowAsWindowFace(DiskMemo);
    DiskMemo->viewport()->installEventFilter(this);
    DiskMemo->installEventFilter(this); // Enter opens the window, as a double click does
    auto* memo = new QVBoxLayout(MemoPan);
    memo->setContentsMargins(0, 0, 0, 0);
    memo->addWidget(DiskMemo);

    ImgPan = Named(new QWidget, "ImgPan");
    auto* numbers = new QButtonGroup(this);
    Inum1 = ToggleButton("1", "Inum1", "Выбор картинки №1", numbers);
    INum2 = ToggleButton("2", "INum2", "Выбор картинки №2", numbers);
    for (QToolButton* number : {Inum1, INum2}) number->setAccessibleName(number->toolTip()); // a digit says little
    connect(Inum1, &QToolButton::clicked, this, [this] { ShowPicture(1); });
    connect(INum2, &QToolButton::clicked, this, [this] { ShowPicture(2); });
    pictureArea_ = new QWidget;
    pictureArea_->installEventFilter(this);
    Pict = Named(new PictureBox(pictureArea_), "Pict", "Двойной щелчок или Enter для просмотра в отдельном окне");
    Pict->setAccessibleName(QStringLiteral("Картинка"));
    Pict->SetStretched(true);
    Pict->SetPlaceholderShown(false);
    connect(Pict, &PictureBox::activated, this, &DiscInfoGroup::OpenViewer);
    auto* images = new QVBoxLayout(ImgPan);
    images->setContentsMargins(0, 0, 0, 0);
    images->addLayout(Row({Inum1, INum2}));
    images->addWidget(pictureArea_, 1);

    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->addLayout(Row({MemoBtn, ImgBtn}));
    layout->addWidget(MemoPan, 1);
    layout->addWidget(ImgPan, 1);
    layout->addStretch(); // without a view the lines above stay together at the top
    SetTabChain({BtEmail, MemoBtn, ImgBtn, DiskMemo, Inum1, INum2, Pict});
}

void DiscInfoGroup::Refresh(const std::string& discId) {
    discId_ = discId;
    pictures_->Cancel();
    panel_ =
        DiscPanelOf(session_.catalogue(), discId, session_.baseDirectory(), session_.services().dateFormat, chosen_);
    for (QWidget* w : std::initializer_list<QWidget*>{DolgPan, ImgBtn, MemoBtn, MemoPan, ImgPan, LbHoz, LbHozName})
        w->hide();
    LabNalStat->clear();
    DiskMemo->clear();
    setVisible(panel_.shown);
    if (!panel_.shown) return;
    LabNalStat->setText(ToQ(panel_.availability));
    DolgPan->setVisible(panel_.lent);
    LabDolgName->setText(ToShownQ(panel_.debtor, kShownCellChars, kShownCellChars));
    LabDolgData->setText(ToQ(panel_.lendingDate));
    BtEmail->setEnabled(panel_.canMail);
    LbHoz->setVisible(panel_.foreign);
    LbHozName->setVisible(panel_.foreign);
    LbHozName->setText(ToShownQ(panel_.owner, kShownCellChars, kShownCellChars));
    DiskMemo->setPlainText(ToShownQ(panel_.description, kShownFieldChars, kShownMemoChars));
    MemoBtn->setVisible(panel_.memoButton);
    ImgBtn->setVisible(panel_.imageButton);
    Inum1->setEnabled(panel_.pictureButtons[0]);
    INum2->setEnabled(panel_.pictureButtons[1]);
    picture_ = panel_.picture;
    Inum1->setChecked(picture_ == 1);
    INum2->setChecked(picture_ == 2);
    if (panel_.view != InfoView::None) chosen_ = panel_.view; // the button pressed here stays pressed
    ShowView(panel_.view);
}

void DiscInfoGroup::ShowView(InfoView view) {
    MemoBtn->setChecked(chosen_ == InfoView::Description);
    ImgBtn->setChecked(chosen_ == InfoView::Pictures);
    MemoPan->setVisible(view == InfoView::Description);
    ImgPan->setVisible(view == InfoView::Pictures);
    if (view != InfoView::Pictures || picture_ == 0) return;
    layout()->activate(); // the picture is decoded at the size the panel has now
    ShowPicture(picture_);
}

void DiscInfoGroup::ShowPicture(int number) {
    picture_ = number;
    Inum1->setChecked(number == 1);
    INum2->setChecked(number == 2);
    pictureOwn_ = QSize();
    Pict->SetImage(QImage());
    Pict->hide();
    const QString path = PathToQ(panel_.picturePaths[number - 1]);
    if (const auto picture = pictures_->Request(path, pictureArea_->size())) SetPicture(picture->image, picture->own);
}

void DiscInfoGroup::PictureLoaded(const QString& path, const ShownPicture& picture) {
    if (picture_ != 0 && path == PathToQ(panel_.picturePaths[picture_ - 1])) SetPicture(picture.image, picture.own);
}

void DiscInfoGroup::SetPicture(const QImage& image, QSize own) {
    pictureOwn_ = own;
    Pict->SetImage(image);
    Pict->setVisible(!image.isNull());
    FitPicture();
}

// The picture takes its fitted size at once, stretched; a sharper copy at that size follows.
void DiscInfoGroup::FitPicture() {
    if (!ImgPan->isVisible() || !pictureOwn_.isValid() || Pict->image().isNull()) return;
    const QSize area = pictureArea_->size();
    const PictureSize fit =
        FitPictureInPanel({pictureOwn_.width(), pictureOwn_.height()}, {area.width(), area.height()});
    Pict->setGeometry((area.width() - fit.width) / 2, 4, fit.width, fit.height);
    if (Pict->image().size() == QSize(fit.width, fit.height)) return;
    const QString path = PathToQ(panel_.picturePaths[picture_ - 1]);
    if (const auto picture = pictures_->Request(path, area)) Pict->SetImage(picture->image);
}

bool DiscInfoGroup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pictureArea_ && event->type() == QEvent::Resize) FitPicture();
    if (watched == DiskMemo->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        OpenDescription();
        return true;
    }
    if (watched == DiskMemo && event->type() == QEvent::KeyPress && IsEnterKey(*static_cast<QKeyEvent*>(event))) {
        OpenDescription();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

void DiscInfoGroup::BtEmailClick() {
    const SessionServices& services = session_.services();
    const auto link = DiscReminderLink(session_.catalogue(), discId_, services.clock, services.dateFormat);
    if (link && !shell_.OpenLink(*link)) services.prompts.Message(MailProgramFailedText());
}

// The one window of the journal, in its description mode; its size is remembered like the journal's.
void DiscInfoGroup::OpenDescription() {
    WindowSettings& sizes = session_.settings().window;
    TMagForm window(sizes, session_.services().prompts, this->window());
    window.ShowDescription(DiscViewCaption(session_.catalogue(), discId_, W("описание")), panel_.description);
    sizes.MagazWidth = window.width();
    sizes.MagazHeight = window.height();
    emit windowClosed();
}

void DiscInfoGroup::OpenViewer() {
    if (picture_ == 0) return;
    TShotter viewer(this->window());
    viewer.ShowPicture(panel_.picturePaths[picture_ - 1],
                       DiscViewCaption(session_.catalogue(), discId_, W("картинка")));
    emit windowClosed();
}

} // namespace mcb
