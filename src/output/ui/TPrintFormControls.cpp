// The controls of the print window and where they stand: at their designed places, moved and widened
// only as far as the desktop's font needs so that no caption is cut.
#include "output/ui/ColourSwatch.h"
#include "output/ui/TPrintForm.h"
#include "platform/qt/DialogFrame.h"

#include <QAbstractButton>
#include <QBitmap>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

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

int Right(const QWidget* widget) {
    return widget->x() + widget->width();
}

int Bottom(const QWidget* widget) {
    return widget->y() + widget->height();
}

// Rows of a group (controls a few pixels apart in height stand in one row) that overlap once their
// captions have room move down, and the group grows to hold them with its designed margins.
void FitGroup(QGroupBox& group, int bottomMargin) {
    QList<QWidget*> controls = group.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (controls.isEmpty()) return;
    std::stable_sort(controls.begin(), controls.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    int margin = INT_MAX;
    for (const QWidget* control : controls) margin = std::min(margin, control->x());
    int shift = 0, row = INT_MIN, above = INT_MIN, bottom = 0, right = 0;
    for (QWidget* control : controls) {
        if (control->y() > row + 3) {
            row = control->y();
            above = bottom;
            shift = std::max(shift, above - row);
        }
        control->move(control->x(), control->y() + shift);
        bottom = std::max(bottom, Bottom(control));
        right = std::max(right, Right(control) + margin);
    }
    const int title = group.fontMetrics().horizontalAdvance(group.title()) + 24;
    group.resize(std::max({group.width(), right, title}), std::max(group.height(), bottom + bottomMargin));
}

// How far below its lowest control a group ends.
int BottomMargin(const QGroupBox& group) {
    int bottom = 0;
    for (const QWidget* control : group.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        bottom = std::max(bottom, Bottom(control));
    return group.height() - bottom;
}

} // namespace

void TPrintForm::BuildControls() {
    setObjectName("TPrintForm");
    setWindowTitle(QStringLiteral("Печать базы"));

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
    FitCaptions();
}

// The left column, the right column beside it, the bottom groups below both, the buttons at the
// bottom right; both modes share the size, never smaller than the designed 408 by 304.
void TPrintForm::FitCaptions() {
    std::vector<std::pair<QGroupBox*, int>> groups;
    for (QGroupBox* group : findChildren<QGroupBox*>()) groups.emplace_back(group, BottomMargin(*group));
    for (QAbstractButton* control : findChildren<QAbstractButton*>())
        control->resize(control->size().expandedTo(control->sizeHint()));
    const int swatches = std::max({356, Right(CBColBack) + 8, Right(CBColNew) + 8, Right(CBColInfo) + 8});
    for (ColourSwatch* swatch : {ColBack, ColNew, ColInfo}) swatch->move(swatches, swatch->y());
    for (const auto& [group, margin] : groups) FitGroup(*group, margin);
    const int left = std::max(GroupBox1->width(), GroupBox2->width());
    GroupBox1->resize(left, GroupBox1->height());
    GroupBox2->setGeometry(8, std::max(72, Bottom(GroupBox1) + 2), left, GroupBox2->height());
    int top = Bottom(GroupBox2);
    for (QGroupBox* group : {PrintBaseGroup, DiskPrintParameters}) {
        group->move(left + 16, 4);
        top = std::max(top, Bottom(group));
    }
    for (QGroupBox* group : {GBColPrint, DiskStyleGroup, DiskPreView}) group->move(group->x(), std::max(142, top + 4));
    DiskPreView->move(std::max(198, Right(DiskStyleGroup) + 4), DiskPreView->y());
    int width = 408, height = 304;
    for (QGroupBox* group : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        width = std::max(width, Right(group) + 8);
        height = std::max(height, Bottom(group) + 36);
    }
    for (QGroupBox* group : {PrintBaseGroup, DiskPrintParameters, GBColPrint})
        group->resize(width - 8 - group->x(), group->height());
    bbPrint->move(width - 176, height - 32);
    bbCancel->move(width - 88, height - 32);
    FixDialogSize(*this, {width, height});
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
