// The controls of the disc editor, their tab order and the layout rule applied on every resize.
#include "discs/ui/PictureBox.h"
#include "discs/ui/PictureLoader.h"
#include "discs/ui/TEditDisk.h"
#include "platform/qt/Keyboard.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace mcb {

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 16;

template <typename T> T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* ReadOnlyEdit(const char* name, QObject* filter) {
    auto* edit = Named(new QLineEdit, name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->installEventFilter(filter); // a click opens the picker
    return edit;
}

QPushButton* DotsButton(const char* name, bool bold = false) {
    auto* button = Named(new QPushButton(QStringLiteral("...")), name);
    button->setFixedWidth(24);
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
    return button;
}

QSpinBox* SpinEdit(const char* name, int min, int max) {
    auto* spin = Named(new QSpinBox, name);
    spin->setRange(min, max);
    return spin;
}

} // namespace

void TEditDisk::BuildControls() {
    fields_ = BuildFields();
    fields_->setParent(this);
    opisLabel_ = new QLabel(QStringLiteral("Описание"), this);
    EdOpis = Named(new QPlainTextEdit(this), "EdOpis");
    EdOpis->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EdOpis->setTabChangesFocus(true);
    BuildPictures();
    BitBtn1 = Named(new QPushButton(QStringLiteral("Ок"), this), "BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = Named(new QPushButton(QStringLiteral("Отмена"), this), "BitBtn2");
}

QWidget* TEditDisk::BuildFields() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(kMargin, kMargin, kMargin, 4);
    grid->setVerticalSpacing(4);
    int row = 0;
    auto label = [&](const QString& text, int column = 0) {
        auto* l = new QLabel(text);
        l->setWordWrap(true);
        grid->addWidget(l, row, column);
        return l;
    };
    auto wide = [&](const QString& text, QWidget* field, QPushButton* button = nullptr) {
        label(text);
        grid->addWidget(field, row, 1, 1, button ? 3 : 4);
        if (button) grid->addWidget(button, row, 4);
        ++row;
    };
    wide(QStringLiteral("Название 1"), EdNazva = Named(new QLineEdit, "EdNazva"));
    wide(QStringLiteral("Название 2"), EdNazva2 = Named(new QLineEdit, "EdNazva2"));
    wide(QStringLiteral("Жанр"), EdGenre = ReadOnlyEdit("EdGenre", this), GenreBtn = DotsButton("GenreBtn", true));
    wide(QStringLiteral("Аудитория"), EdAudit = Named(new QComboBox, "EdAudit"));
    wide(QStringLiteral("В гл. ролях"), EdRoles = Named(new QLineEdit, "EdRoles"));
    wide(QStringLiteral("Компания- производитель"), EdCompany = ReadOnlyEdit("EdCompany", this),
         CompanyBtn = DotsButton("CompanyBtn"));
    wide(QStringLiteral("Режиссер"), EdDirector = Named(new QLineEdit, "EdDirector"));

    label(QStringLiteral("Год выпуска"));
    grid->addWidget(EdYear = Named(new QLineEdit, "EdYear"), row, 1);
    EdYear->setInputMask(QStringLiteral("9999;_"));
    EdYear->setMaximumWidth(56);
    label(QStringLiteral("Длительность, мин"), 2);
    grid->addWidget(EdLong = SpinEdit("EdLong", 0, 999), row++, 3, 1, 2);

    wide(QStringLiteral("Страна"), EdCountry = ReadOnlyEdit("EdCountry", this), CountryBtn = DotsButton("CountryBtn"));

    label(QStringLiteral("Носитель"));
    grid->addWidget(EdCarrier = Named(new QComboBox, "EdCarrier"), row, 1);
    label(QStringLiteral("Кол-во"), 2);
    grid->addWidget(EdKolvo = SpinEdit("EdKolvo", 1, 9), row++, 3, 1, 2);

    grid->addWidget(CbOther = Named(new QCheckBox(QStringLiteral("Чужой диск")), "CbOther"), row, 0);
    QFont bold = CbOther->font();
    bold.setBold(true);
    CbOther->setFont(bold);
    grid->addWidget(OtherLbl = Named(new QLabel(QStringLiteral("Хозяин")), "OtherLbl"), row, 1, Qt::AlignRight);
    grid->addWidget(EdOther = ReadOnlyEdit("EdOther", this), row, 2, 1, 2);
    grid->addWidget(OtherBtn = DotsButton("OtherBtn"), row, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

void TEditDisk::BuildPictures() {
    const QString hint = QStringLiteral("Двойной щелчок, Enter или пробел для выбора картинки, Правая кнопка или "
                                        "клавиша меню - меню");
    Pict1 = Named(new PictureBox(this), "Pict1");
    Pict2 = Named(new PictureBox(this), "Pict2");
    Pict1->setToolTip(hint);
    Pict2->setToolTip(hint);
    Pict1->setAccessibleName(QStringLiteral("Картинка 1"));
    Pict2->setAccessibleName(QStringLiteral("Картинка 2"));
    picturesLabel_ = new QLabel(QStringLiteral("Картинки"), this);
    copyLabel_ = new QLabel(QStringLiteral("Копировать"), this);
    CBpictCopy = Named(new QCheckBox(QStringLiteral("к базе"), this), "CBpictCopy");
    kopir = Named(new QLabel(this), "kopir");
    kopir->setPixmap(QPixmap::fromImage(PlaceholderPicture()));
    kopir->hide();
    PopImg = Named(new QMenu(this), "PopImg");
    N1 = Named(PopImg->addAction(QStringLiteral("&Выбрать картинку из файла")), "N1");
    N2 = Named(PopImg->addAction(QStringLiteral("&Удалить картинку")), "N2");
}

// Reading order: the fields row by row (the length stands beside the year, above the country), then
// the description, the copy box beside the pictures, the pictures and the buttons.
void TEditDisk::SetTabOrder() {
    SetTabChain({EdNazva,   EdNazva2, GenreBtn, EdAudit,  EdRoles, CompanyBtn, EdDirector, EdYear, EdLong,  CountryBtn,
                 EdCarrier, EdKolvo,  CbOther,  OtherBtn, EdOpis,  CBpictCopy, Pict1,      Pict2,  BitBtn1, BitBtn2});
}

// The fields keep their natural height; the description and the two pictures share what is left
// above the buttons, the pictures side by side under the description.
void TEditDisk::LayOut() {
    const int w = width();
    const int h = height();
    fields_->layout()->activate();
    fields_->setGeometry(0, 0, w, fields_->sizeHint().height());
    const QSize button = BitBtn1->sizeHint().expandedTo(QSize(75, 25));
    BitBtn2->setGeometry(w - kMargin - button.width(), h - kMargin - button.height(), button.width(), button.height());
    BitBtn1->setGeometry(BitBtn2->x() - kMargin - button.width(), BitBtn2->y(), button.width(), button.height());

    const int fieldX = EdNazva->mapTo(this, QPoint(0, 0)).x();
    const int opisTop = fields_->height() + 4;
    const int opisWidth = w - kMargin - fieldX;
    const int boxHeight = (BitBtn1->y() - opisTop - kGap) / 2;
    opisLabel_->move(kMargin, opisTop + 2);
    EdOpis->setGeometry(fieldX, opisTop, opisWidth, boxHeight);

    const int pictTop = EdOpis->geometry().bottom() + 1 + kMargin;
    const int pictWidth = (opisWidth - kGap) / 2;
    Pict1->setGeometry(fieldX, pictTop, pictWidth, boxHeight);
    Pict2->setGeometry(fieldX + pictWidth + kGap, pictTop, pictWidth, boxHeight);
    picturesLabel_->move(kMargin, pictTop);
    copyLabel_->move(kMargin, pictTop + 24);
    CBpictCopy->move(kMargin, pictTop + 42);
    CBpictCopy->adjustSize();
}

} // namespace mcb
