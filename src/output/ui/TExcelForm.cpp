#include "output/ui/TExcelForm.h"

#include "catalogue/Session.h"
#include "output/WorkbookExport.h"
#include "output/ui/ExportProgress.h"
#include "platform/qt/DialogFrame.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/ModalRun.h"
#include "storage/Literal.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace mcb {

namespace {

constexpr int kHelpTopic = 19;

template <class Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

TExcelForm::TExcelForm(Session& session, Shell& shell, QWidget* parent)
    : QDialog(parent), session_(session), shell_(shell) {
    setObjectName(QStringLiteral("ExcelForm"));
    setWindowTitle(QStringLiteral("Экспорт в Excel"));
    CBHead = Named(new QCheckBox(QStringLiteral("Заголовок")), "CBHead");
    CBHead->setChecked(true);
    dolginfo = Named(new QCheckBox(QStringLiteral("Информация о наличии диска")), "dolginfo");
    Export = Named(new QPushButton(QStringLiteral("Экспорт")), "Export");
    Export->setDefault(true);
    Button1 = Named(new QPushButton(QStringLiteral("Отмена")), "Button1");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 6, 8, 8);
    column->addWidget(CBHead);
    column->addWidget(dolginfo);
    column->addWidget(BuildDescriptionGroup());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Export);
    buttons->addWidget(Button1);
    column->addLayout(buttons);
    // The designed size, unless the desktop's font needs more room for the captions.
    FixDialogSize(*this, QSize(205, 183).expandedTo(sizeHint()));
    connect(Export, &QPushButton::clicked, this, &TExcelForm::ExportClick);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this] {
        if (!ShowHelpTopic(this, kHelpTopic)) session_.services().prompts.Message(W("Не найден файл справки"));
    });
}

TExcelForm::~TExcelForm() = default;

QGroupBox* TExcelForm::BuildDescriptionGroup() {
    GroupBox1 = Named(new QGroupBox(QStringLiteral(" Описание диска ")), "GroupBox1");
    RB1 = Named(new QRadioButton(QStringLiteral("В ячеки по горизонтали")), "RB1");
    RB2 = Named(new QRadioButton(QStringLiteral("В ячейки по вертикали")), "RB2");
    RB3 = Named(new QRadioButton(QStringLiteral("Все строки в одну ячейку")), "RB3");
    RB4 = Named(new QRadioButton(QStringLiteral("Не экспортировать")), "RB4");
    RB4->setChecked(true);
    auto* lines = new QVBoxLayout(GroupBox1);
    lines->setContentsMargins(6, 2, 6, 4);
    lines->setSpacing(0);
    for (QRadioButton* button : {RB1, RB2, RB3, RB4}) lines->addWidget(button);
    return GroupBox1;
}

void TExcelForm::Execute() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    RunModal(*this);
}

ExportOptions TExcelForm::Options() const {
    DescriptionLayout description = DescriptionLayout::None;
    if (RB1->isChecked()) description = DescriptionLayout::Horizontal;
    if (RB2->isChecked()) description = DescriptionLayout::Vertical;
    if (RB3->isChecked()) description = DescriptionLayout::SingleCell;
    return {CBHead->isChecked(), dolginfo->isChecked(), description};
}

// The window closes after every export that was started, whatever came of it; cancelling the file
// name keeps it open.
void TExcelForm::ExportClick() {
    Prompts& prompts = session_.services().prompts;
    const std::optional<std::string> path = ChooseWorkbookPath(prompts, session_.baseFileName());
    if (!path) return;
    WorkbookReport report;
    const ExportResult result = WriteUnderWaitCursor(*path, report);
    if (result == ExportResult::Done) ShowWorkbook(*path, report.cutCells, shell_, prompts);
    if (result == ExportResult::Failed) prompts.Error(WorkbookFailureText(*path, report.failure));
    accept();
}

ExportResult TExcelForm::WriteUnderWaitCursor(const std::string& path, WorkbookReport& report) {
    const ExportSource source{session_.layout().headers, session_.table(), session_.catalogue(),
                              session_.services().dateFormat};
    WaitCursor wait;
    ExportProgressWindow progress(this, session_.table().rows.size());
    return WriteWorkbook(source, Options(), path, report, progress.Callback());
}

} // namespace mcb
