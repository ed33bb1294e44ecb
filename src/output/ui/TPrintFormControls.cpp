// The controls of the print window and where they stand; the window keeps its designed size.
#include "output/ui/ColourSwatch.h"
#include "output/ui/TPrintForm.h"
#include "platform/qt/DialogFrame.h"

#include <QBitmap>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace mcb {

namespace {

template <class Control> Control* Make(QWidget* parent, const char* name, const QString& caption, QRect place) {
    auto* control = new Control(caption, parent);
    control->setObjectName(name);
    control->setGeometry(place);
    return control;
}

QGroupBox* Group(QWidget* parent, const char* name, const QString& caption, QRect place) {
    return Make<QGroupBox>(parent, name, caption, place);
}

ColourSwatch* MakeSwatch(QWidget* parent, const char* name, const QString& accessibleName, int y) {
    auto* swatch = new ColourSwatch(parent);
    swatch->setObjectName(name);
    swatch->setAccessibleName(accessibleName);
    swatch->move(356, y + 1);
    return swatch;
}

} // namespace

void TPrintForm::BuildControls() {
    setObjectName("TPrintForm");
    setWindowTitle(QStringLiteral("Печать базы"));
    FixDialogSize(*this, {408, 304});

    GroupBox1 = Group(this, "GroupBox1", QStringLiteral(" Выбор принтера "), {8, 4, 192, 66});
    PrnLabel = Make<QLabel>(GroupBox1, "PrnLabel", QStringLiteral("Принтер недоступен..."), {8, 18, 176, 16});
    PrnLabel->setMaximumWidth(185);
    BtPrSetup = Make<QPushButton>(GroupBox1, "BtPrSetup", QStringLiteral("Настроить принтер"), {8, 36, 176, 24});
    GroupBox2 = Group(this, "GroupBox2", QStringLiteral(" Настройка шрифта "), {8, 72, 192, 66});
    FontLabel = Make<QLabel>(GroupBox2, "FontLabel", QStringLiteral("Шрифт "), {8, 18, 176, 16});
    FontLabel->setMaximumWidth(185);
    BtFntSetup = Make<QPushButton>(GroupBox2, "BtFntSetup", QStringLiteral("Выбрать шрифт"), {8, 36, 176, 24});

    BuildReportGroups();
    BuildSheetGroups();

    bbPrint = Make<QPushButton>(this, "bbPrint", QStringLiteral("Печать"), {232, 272, 80, 26});
    bbPrint->setDefault(true);
    bbCancel = Make<QPushButton>(this, "bbCancel", QStringLiteral("Отмена"), {320, 272, 80, 26});
}

void TPrintForm::BuildReportGroups() {
    PrintBaseGroup = Group(this, "PrintBaseGroup", QStringLiteral(" Печать "), {208, 4, 192, 134});
    CBFilter = Make<QCheckBox>(PrintBaseGroup, "CBFilter", QStringLiteral("Условия отбора"), {8, 18, 176, 20});
    CBLine = Make<QCheckBox>(PrintBaseGroup, "CBLine", QStringLiteral("Разделительная линия"), {8, 40, 176, 20});
    CBDiskInfo = Make<QCheckBox>(PrintBaseGroup, "CBDiskInfo", QStringLiteral("Описание диска"), {8, 62, 176, 20});
    CBPageNum = Make<QCheckBox>(PrintBaseGroup, "CBPageNum", QStringLiteral("Номера страниц"), {8, 84, 176, 20});
    CBColorPrint = Make<QCheckBox>(PrintBaseGroup, "CBColorPrint", QStringLiteral("Цветная печать"), {8, 106, 176, 20});

    GBColPrint = Group(this, "GBColPrint", QStringLiteral(" Параметры цветной печати "), {8, 142, 392, 98});
    CBColBack = Make<QCheckBox>(GBColPrint, "CBColBack", QStringLiteral("Выделение цветом фона через одну строку"),
                                {8, 20, 340, 20});
    ColBack = MakeSwatch(GBColPrint, "ColBack", QStringLiteral("Цвет фона строк"), 20);
    CBColNew = Make<QCheckBox>(GBColPrint, "CBColNew", QStringLiteral("Выделение цветом признака нового диска"),
                               {8, 44, 340, 20});
    ColNew = MakeSwatch(GBColPrint, "ColNew", QStringLiteral("Цвет признака нового диска"), 44);
    CBColInfo = Make<QCheckBox>(GBColPrint, "CBColInfo", QStringLiteral("Выделение цветом информации о должниках"),
                                {8, 68, 340, 20});
    ColInfo = MakeSwatch(GBColPrint, "ColInfo", QStringLiteral("Цвет информации о должниках"), 68);
}

void TPrintForm::BuildSheetGroups() {
    DiskPrintParameters = Group(this, "DiskPrintParameters", QStringLiteral(" Параметры печати "), {208, 4, 192, 90});
    StNoCD = Make<QRadioButton>(DiskPrintParameters, "StNoCD", QStringLiteral("Без форматирования"), {8, 18, 176, 20});
    StNoCD->setChecked(true);
    // The first letter "х" is Cyrillic, the second "x" Latin, as the captions always were.
    StCD1 =
        Make<QRadioButton>(DiskPrintParameters, "StCD1", QStringLiteral("Обложка CD 120 х 120 мм"), {8, 40, 176, 20});
    StCD2 =
        Make<QRadioButton>(DiskPrintParameters, "StCD2", QStringLiteral("Обложка CD 148 x 118 мм"), {8, 62, 176, 20});
    for (QRadioButton* grey : {StCD1, StCD2}) {
        QPalette palette = grey->palette();
        palette.setColor(QPalette::WindowText, Qt::gray);
        grey->setPalette(palette);
    }

    DiskStyleGroup = Group(this, "DiskStyleGroup", QStringLiteral(" Стиль обложки "), {8, 142, 186, 126});
    StNoImg = Make<QRadioButton>(DiskStyleGroup, "StNoImg", QStringLiteral("Без картинки"), {8, 16, 170, 16});
    StNoImg->setChecked(true);
    StImg1 = Make<QRadioButton>(DiskStyleGroup, "StImg1", QStringLiteral("Картинка №1"), {8, 32, 170, 16});
    StImg2 = Make<QRadioButton>(DiskStyleGroup, "StImg2", QStringLiteral("Картинка №2"), {8, 48, 170, 16});
    StImgFields = Make<QCheckBox>(DiskStyleGroup, "StImgFields", QStringLiteral("Картинка на полях"), {8, 68, 170, 14});
    StTitles = Make<QCheckBox>(DiskStyleGroup, "StTitles", QStringLiteral("Название на полях"), {8, 82, 170, 14});
    StNfo = Make<QCheckBox>(DiskStyleGroup, "StNfo", QStringLiteral("Описание"), {8, 96, 170, 14});
    StLines = Make<QCheckBox>(DiskStyleGroup, "StLines", QStringLiteral("Контурные линии"), {8, 110, 170, 14});
    StLines->setChecked(true);
    DiskStyleGroup->setEnabled(false);

    DiskPreView = Group(this, "DiskPreView", QStringLiteral(" Вид распечатки "), {198, 142, 205, 96});
    PreV = Make<QLabel>(DiskPreView, "PreV", QString(), {4, 18, 197, 72});
}

// A plain page: a rule, a few lines of text, a rule; bright green is the transparent colour.
QImage PlainPageSketch() {
    QImage sketch(160, 66, QImage::Format_RGB32);
    sketch.fill(QColor(0, 255, 0));
    QPainter painter(&sketch);
    painter.fillRect(QRect(40, 2, 80, 62), Qt::white);
    painter.setPen(Qt::darkGray);
    painter.drawRect(QRect(40, 2, 79, 61));
    painter.setPen(Qt::black);
    painter.drawLine(44, 8, 115, 8);
    for (int y = 13; y <= 43; y += 5) painter.fillRect(QRect(46, y, y % 2 ? 60 : 45, 2), Qt::gray);
    painter.drawLine(44, 50, 115, 50);
    return sketch;
}

void TPrintForm::DrawPreview() {
    QPixmap picture(197, 72);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(QRect(0, 0, 196, 71), DiskPreView->palette().color(QPalette::Window));
    static const QImage sketch = PlainPageSketch();
    QPixmap shown = QPixmap::fromImage(sketch);
    shown.setMask(QBitmap::fromImage(sketch.createMaskFromColor(QColor(0, 255, 0).rgb(), Qt::MaskInColor)));
    painter.drawPixmap(10, 5, shown);
    painter.end();
    PreV->setPixmap(picture);
}

} // namespace mcb
