// The controls of the filter dialog in their three groups.
#include "catalogue/ui/TFilterForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace mcb {

namespace {

template <typename T> T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* DisplayField(const char* name) {
    auto* field = Named(new QLineEdit, name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

// Groups are packed tightly: the dialog has a fixed size.
template <typename Layout> Layout* Tight(Layout* layout) {
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(3);
    return layout;
}

QPushButton* DotsButton(const char* name) {
    auto* button = Named(new QPushButton(QStringLiteral("...")), name);
    button->setFixedWidth(24);
    return button;
}

// A labelled display field with its "..." button on one grid row.
void AddListRow(QGridLayout* grid, int row, QLabel* label, QLineEdit* field, QPushButton* button) {
    label->setWordWrap(true);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1, 1, 4);
    grid->addWidget(button, row, 5);
}

} // namespace

QWidget* TFilterForm::BuildAvailability() {
    auto* group = new QGroupBox(QStringLiteral(" По наличию в базе "));
    auto* grid = Tight(new QGridLayout(group));
    grid->addWidget(FiChNal = Named(new QCheckBox(QStringLiteral("В наличии")), "FiChNal"), 0, 0);
    grid->addWidget(FiChDolg = Named(new QCheckBox(QStringLiteral("Отданные в долг")), "FiChDolg"), 0, 1, 1, 5);
    AddListRow(grid, 1, DolgLabel = Named(new QLabel(QStringLiteral("Должники")), "DolgLabel"),
               FiDolList = DisplayField("FiDolList"), FiSelDol = DotsButton("FiSelDol"));
    return group;
}

QWidget* TFilterForm::BuildDescription() {
    auto* group = new QGroupBox(QStringLiteral(" По описанию "));
    auto* grid = Tight(new QGridLayout(group));
    grid->addWidget(new QLabel(QStringLiteral("Название")), 0, 0);
    grid->addWidget(FiNaz = Named(new QLineEdit, "FiNaz"), 0, 1, 1, 3);
    grid->addWidget(FiSubNaz = Named(new QCheckBox(QStringLiteral("подстрока")), "FiSubNaz"), 0, 4, 1, 2);
    AddListRow(grid, 1, new QLabel(QStringLiteral("Жанры")), FiGenLst = DisplayField("FiGenLst"),
               FiSelGen = DotsButton("FiSelGen"));
    grid->addWidget(new QLabel(QStringLiteral("Аудитория")), 2, 0);
    const char* const names[] = {"FiAu0", "FiAu1", "FiAu2", "FiAu3"};
    const QString captions[] = {QStringLiteral("Детский"), QStringLiteral("Молодежный"), QStringLiteral("Семейный"),
                                QStringLiteral("Только для взрослых")};
    auto* audience = new QGridLayout;
    audience->setVerticalSpacing(0);
    for (int k = 0; k < 4; ++k)
        audience->addWidget(FiAu[k] = Named(new QCheckBox(captions[k]), names[k]), k / 2, k % 2);
    grid->addLayout(audience, 2, 1, 1, 5);
    AddListRow(grid, 3, new QLabel(QStringLiteral("Страны")), FiCountList = DisplayField("FiCountList"),
               FiSelCount = DotsButton("FiSelCount"));
    AddListRow(grid, 4, new QLabel(QStringLiteral("Компании- производители")), FiCompList = DisplayField("FiCompList"),
               FiSelComp = DotsButton("FiSelComp"));
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* TFilterForm::BuildOwnership() {
    auto* group = new QGroupBox(QStringLiteral(" По принадлежности дисков "));
    auto* row = Tight(new QHBoxLayout(group));
    row->addWidget(RbPri1 = Named(new QRadioButton(QStringLiteral("Все диски")), "RbPri1"));
    row->addWidget(RbPri2 = Named(new QRadioButton(QStringLiteral("Свои диски")), "RbPri2"));
    row->addWidget(RbPri3 = Named(new QRadioButton(QStringLiteral("Чужие диски")), "RbPri3"));
    return group;
}

} // namespace mcb
