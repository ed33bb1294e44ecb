#include "lists/ui/TSetupForm.h"

#include "lists/ui/SpinEdit.h"
#include "platform/qt/DialogFrame.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/Keyboard.h"
#include "platform/qt/ModalRun.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace mcb {

namespace {

constexpr int kHelpTopic = 9;
constexpr int kDesignedWidth = 557;
constexpr int kDesignedHeight = 421;

void SetQuietly(SpinEdit* spin, int value) {
    const QSignalBlocker quiet(spin);
    spin->setValue(value);
}

// A row of a label, a number field and a label, as the dialog's groups place them.
QHBoxLayout* SpinRow(const QString& before, QWidget* spin, const QString& after) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(before));
    row->addWidget(spin);
    row->addWidget(new QLabel(after));
    row->addStretch();
    return row;
}

} // namespace

TSetupForm::TSetupForm(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    setObjectName("SetupForm");
    setWindowTitle(QStringLiteral("Настройки"));
    BitBtn1 = new QPushButton(QStringLiteral("Закрыть"), this);
    BitBtn1->setObjectName("BitBtn1");
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(SortGroup(), 1);
    left->addWidget(BackupGroup());
    auto* right = new QVBoxLayout;
    right->addWidget(SelectionGroup());
    right->addWidget(NewDiscGroup());
    right->addWidget(JournalGroup());
    right->addWidget(DebtorGroup());
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    // The left column, then the right one group by group, then the button.
    SetTabChain({LBSort, CBBackUp, SEMultiTrunc, EmptyFields, ShowNew, SEShowNew, CBMag, CBTrunc, SELines,
                 eventBoxes[0], eventBoxes[1], eventBoxes[2], eventBoxes[3], eventBoxes[4], CBDolg, SEDolg, CBColorDolg,
                 BitBtn1});

    // Fixed size: the designed one, or larger when the desktop's font needs it.
    FixDialogSize(*this, sizeHint().expandedTo(QSize(kDesignedWidth, kDesignedHeight)));
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QCheckBox* TSetupForm::CheckBox(const char* name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    connect(box, &QCheckBox::clicked, this, [this, name] { rules_.ControlChanged(name); });
    return box;
}

SpinEdit* TSetupForm::Spin(const char* name, SpinRange range, QWidget* parent) {
    auto* spin = new SpinEdit(name, range, parent);
    connect(spin, &QSpinBox::valueChanged, this, [this, name] { rules_.ControlChanged(name); });
    return spin;
}

QWidget* TSetupForm::SortGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Сортировка дисков "), this);
    LBSort = new QListWidget(group);
    LBSort->setObjectName("LBSort");
    LBSort->setToolTip(QStringLiteral("Выберите элемент, по которому будет производиться сортировка"));
    connect(LBSort, &QListWidget::currentRowChanged, this, [this](int row) {
        if (setup_) rules_.ChooseSort(*setup_, row);
    });
    (new QVBoxLayout(group))->addWidget(LBSort);
    return group;
}

QWidget* TSetupForm::SelectionGroup() {
    auto* group = new QGroupBox(QStringLiteral("Отбор / поиск "), this);
    SEMultiTrunc = Spin("SEMultiTrunc", kTruncateRange, group);
    EmptyFields = CheckBox("EmptyFields", QStringLiteral("учитывать незаполненные значения при отборе"), group);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(
        SpinRow(QStringLiteral("Обрезание значений из словарей до "), SEMultiTrunc, QStringLiteral("символов")));
    layout->addWidget(new QLabel(QStringLiteral("при мультивыборе. 0 - не обрезать"), group));
    layout->addWidget(EmptyFields);
    return group;
}

QWidget* TSetupForm::NewDiscGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Новые диски "), this);
    ShowNew = CheckBox("ShowNew", QStringLiteral("Показывать в списке признак нового диска"), group);
    SEShowNew = Spin("SEShowNew", kNewDiscDaysRange, group);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(ShowNew);
    layout->addLayout(SpinRow(QStringLiteral("Новый диск не старше"), SEShowNew, QStringLiteral("дней")));
    return group;
}

QWidget* TSetupForm::JournalGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Журнал событий "), this);
    CBMag = CheckBox("CBMag", QStringLiteral("Вести журнал событий"), group);
    connect(CBMag, &QCheckBox::clicked, this, [this](bool on) { MagazPan->setVisible(on); });
    MagazPan = new QWidget(group);
    MagazPan->setObjectName("MagazPan");
    CBTrunc = CheckBox("CBTrunc", QStringLiteral("Ограничивать количество записей не более "), MagazPan);
    SELines = Spin("SELines", kJournalLinesRange, MagazPan);
    auto* panel = new QGridLayout(MagazPan);
    panel->setContentsMargins(0, 0, 0, 0);
    auto* limit = new QHBoxLayout;
    limit->addWidget(CBTrunc);
    limit->addWidget(SELines);
    limit->addWidget(new QLabel(QStringLiteral("строк"), MagazPan));
    limit->addStretch();
    panel->addLayout(limit, 0, 0, 1, 2);
    panel->addWidget(new QLabel(QStringLiteral("Сохранять следующие события "), MagazPan), 1, 0, 1, 2);
    for (std::size_t i = 0; i < eventBoxes.size(); ++i) {
        const EventBox& event = EventBoxes()[i];
        eventBoxes[i] = CheckBox(event.name, ToQ(event.caption), MagazPan);
        panel->addWidget(eventBoxes[i], 2 + int(i) / 2, int(i) % 2);
    }
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(CBMag);
    layout->addWidget(MagazPan);
    return group;
}

QWidget* TSetupForm::DebtorGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Должники "), this);
    CBDolg = CheckBox("CBDolg", QStringLiteral("Напоминать при запуске программы при задолжености более"), group);
    SEDolg = Spin("SEDolg", kDebtDaysRange, group);
    CBColorDolg = CheckBox("CBColorDolg", QStringLiteral("Выделять цветом в таблице"), group);
    auto* reminder = new QHBoxLayout;
    reminder->addWidget(CBDolg);
    reminder->addWidget(SEDolg);
    reminder->addWidget(new QLabel(QStringLiteral("дней"), group));
    reminder->addStretch();
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(reminder);
    layout->addWidget(CBColorDolg);
    return group;
}

QWidget* TSetupForm::BackupGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Резервная копия "), this);
    CBBackUp = CheckBox("CBBackUp", QStringLiteral("Создавать резервную копию базы"), group);
    (new QVBoxLayout(group))->addWidget(CBBackUp);
    return group;
}

bool TSetupForm::Execute(SetupSettings& setup, const TableLayout& layout) {
    Prepare(setup, layout);
    RunModal(*this);
    return rules_.RebuildNeeded();
}

void TSetupForm::Prepare(SetupSettings& setup, const TableLayout& layout) {
    setup_ = nullptr; // filling the controls is no choice of the user's
    const SetupSettings shown = rules_.Show(setup);
    const QSignalBlocker blockSort(LBSort);
    LBSort->clear();
    for (const std::string& item : SortItems(layout)) LBSort->addItem(ToQ(item));
    // Always an item: a list without one would take the first when it gets the focus, and that
    // would count as the user's choice.
    LBSort->setCurrentRow(shown.SortOrder);
    SetQuietly(SEMultiTrunc, shown.Truncate);
    SetQuietly(SEShowNew, shown.NewCDdays);
    SetQuietly(SELines, shown.MagazLines);
    SetQuietly(SEDolg, shown.DolgDays);
    EmptyFields->setChecked(shown.EmptyInclude);
    ShowNew->setChecked(shown.ShowNewCD);
    CBMag->setChecked(shown.Magazine);
    CBTrunc->setChecked(shown.MagazTrunc);
    const std::array<bool, 5> checks = EventChecks(shown.MagazEvents);
    for (std::size_t i = 0; i < eventBoxes.size(); ++i) eventBoxes[i]->setChecked(checks[i]);
    CBDolg->setChecked(shown.DolgReminder);
    CBColorDolg->setChecked(shown.DolgColor);
    CBBackUp->setChecked(shown.BackUpBase);
    MagazPan->setVisible(shown.Magazine);
    setup_ = &setup;
    LBSort->setFocus();
}

SetupSettings TSetupForm::ShownValues() const {
    SetupSettings shown;
    shown.Truncate = SEMultiTrunc->value();
    shown.EmptyInclude = EmptyFields->isChecked();
    shown.ShowNewCD = ShowNew->isChecked();
    shown.NewCDdays = SEShowNew->value();
    shown.Magazine = CBMag->isChecked();
    shown.MagazTrunc = CBTrunc->isChecked();
    shown.MagazLines = SELines->value();
    std::array<bool, 5> checks{};
    for (std::size_t i = 0; i < eventBoxes.size(); ++i) checks[i] = eventBoxes[i]->isChecked();
    shown.MagazEvents = EventBits(checks);
    shown.DolgReminder = CBDolg->isChecked();
    shown.DolgDays = SEDolg->value();
    shown.DolgColor = CBColorDolg->isChecked();
    shown.BackUpBase = CBBackUp->isChecked();
    return shown;
}

// "Закрыть", Esc and the close box all end here, and all keep what the dialog shows.
void TSetupForm::done(int result) {
    if (setup_) {
        for (SpinEdit* spin : {SEMultiTrunc, SEShowNew, SELines, SEDolg}) spin->interpretText();
        rules_.Close(*setup_, ShownValues());
        setup_ = nullptr;
    }
    QDialog::done(result);
}

void TSetupForm::keyPressEvent(QKeyEvent* event) {
    if (!HelpKey(this, *event, kHelpTopic, prompts_)) QDialog::keyPressEvent(event);
}

} // namespace mcb
