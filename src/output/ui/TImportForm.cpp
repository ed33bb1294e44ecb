#include "output/ui/TImportForm.h"

#include "platform/Services.h"
#include "platform/qt/QtText.h"
#include "storage/Literal.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace mcb {

namespace {

constexpr int kPreviewRows = 10;
constexpr int kPreviewWidth = 240; // a long description must not push the other columns out of sight

template <class Control> Control* Named(Control* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

QTableWidgetItem* ReadOnlyItem(const std::string& utf8) {
    auto* item = new QTableWidgetItem(QString::fromStdString(utf8));
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

TImportForm::TImportForm(const std::vector<SheetRow>& rows, const TableLayout& layout, const QString& fileName,
                         Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setObjectName(QStringLiteral("TImportForm"));
    setWindowTitle(QStringLiteral("Импорт дисков"));
    FileLabel = Named(new QLabel(QStringLiteral("Файл: %1. Строк с дисками: %2. Укажите, какое поле заполняет "
                                                "каждая колонка.")
                                     .arg(fileName)
                                     .arg(rows.size() - 1)),
                      QStringLiteral("FileLabel"));
    FileLabel->setWordWrap(true);
    const std::vector<std::string> headings = ColumnHeadings(rows);
    BuildColumns(headings, layout);
    BuildPreview(rows, headings);
    ImportButton = Named(new QPushButton(QStringLiteral("Импорт")), QStringLiteral("ImportButton"));
    ImportButton->setDefault(true);
    CancelButton = Named(new QPushButton(QStringLiteral("Отмена")), QStringLiteral("CancelButton"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(FileLabel);
    column->addWidget(ColumnGrid, 3);
    column->addWidget(new QLabel(QStringLiteral("Первые строки файла:")));
    column->addWidget(PreviewGrid, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ImportButton);
    buttons->addWidget(CancelButton);
    column->addLayout(buttons);
    resize(QSize(760, 640).expandedTo(sizeHint())); // ten columns in view without scrolling
    connect(ImportButton, &QPushButton::clicked, this, &TImportForm::ImportClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TImportForm::BuildColumns(const std::vector<std::string>& headings, const TableLayout& layout) {
    ColumnGrid = Named(new QTableWidget(int(headings.size()), 3), QStringLiteral("ColumnGrid"));
    ColumnGrid->setHorizontalHeaderLabels(
        {QStringLiteral("Колонка"), QStringLiteral("Заголовок"), QStringLiteral("Поле диска")});
    ColumnGrid->verticalHeader()->hide();
    ColumnGrid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ColumnGrid->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    const std::vector<ImportField> preset = PresetMapping(headings, layout);
    for (int c = 0; c < int(headings.size()); ++c) {
        ColumnGrid->setItem(c, 0, ReadOnlyItem(std::to_string(c + 1)));
        ColumnGrid->setItem(c, 1, ReadOnlyItem(headings[c]));
        auto* field = Named(new QComboBox, QStringLiteral("Field%1").arg(c + 1));
        for (int f = 0; f < kImportFieldCount; ++f) field->addItem(ToQ(FieldCaption(ImportField(f), layout)));
        field->setCurrentIndex(int(preset[c]));
        ColumnGrid->setCellWidget(c, 2, field);
        fields_.push_back(field);
    }
    ColumnGrid->resizeColumnToContents(0);
}

void TImportForm::BuildPreview(const std::vector<SheetRow>& rows, const std::vector<std::string>& headings) {
    const int shown = int(std::min<std::size_t>(rows.size() - 1, kPreviewRows));
    PreviewGrid = Named(new QTableWidget(shown, int(headings.size())), QStringLiteral("PreviewGrid"));
    QStringList labels;
    for (const std::string& heading : headings) labels << QString::fromStdString(heading);
    PreviewGrid->setHorizontalHeaderLabels(labels);
    for (int r = 0; r < shown; ++r) {
        const SheetRow& row = rows[std::size_t(r) + 1];
        PreviewGrid->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(row.number)));
        for (int c = 0; c < int(row.cells.size()); ++c) PreviewGrid->setItem(r, c, ReadOnlyItem(row.cells[c]));
    }
    PreviewGrid->horizontalHeader()->setMaximumSectionSize(kPreviewWidth);
    PreviewGrid->resizeColumnsToContents();
}

std::vector<ImportField> TImportForm::Mapping() const {
    std::vector<ImportField> mapping;
    for (const QComboBox* field : fields_) mapping.push_back(ImportField(field->currentIndex()));
    return mapping;
}

// A disc needs a title, so a mapping without a title column imports nothing.
void TImportForm::ImportClick() {
    const std::vector<ImportField> mapping = Mapping();
    const bool titled = std::any_of(mapping.begin(), mapping.end(),
                                    [](ImportField f) { return f == ImportField::Title || f == ImportField::Title2; });
    if (!titled) {
        prompts_.Message(W("Выберите колонку с названием диска."));
        return;
    }
    accept();
}

} // namespace mcb
