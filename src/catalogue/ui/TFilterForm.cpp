#include "catalogue/ui/TFilterForm.h"

#include "catalogue/FilterRules.h"
#include "lists/DictSelection.h"
#include "platform/Services.h"
#include "platform/qt/DialogFrame.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/Keyboard.h"
#include "platform/qt/ModalRun.h"
#include "platform/qt/QtText.h"
#include "storage/Literal.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace mcb {

namespace {

constexpr int kHelpTopic = 5;

} // namespace

TFilterForm::TFilterForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FilterForm"));
    setWindowTitle(QStringLiteral("Отбор"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 6, 8, 8);
    column->setSpacing(4);
    column->addWidget(BuildAvailability());
    column->addWidget(BuildDescription());
    column->addWidget(BuildOwnership());
    auto* buttons = new QHBoxLayout;
    BtClear = new QPushButton(QStringLiteral("Очистить"));
    BtClear->setObjectName(QStringLiteral("BtClear"));
    BtClose = new QPushButton(QStringLiteral("Закрыть"));
    BtClose->setObjectName(QStringLiteral("BtClose"));
    BtClose->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(BtClear);
    buttons->addWidget(BtClose);
    column->addLayout(buttons);
    FixDialogSize(*this, {472, 352});
    SetTabChain({FiChNal, FiChDolg, FiSelDol, FiNaz, FiSubNaz, FiSelGen, FiAu[0], FiAu[1], FiAu[2], FiAu[3], FiSelCount,
                 FiSelComp, RbPri1, RbPri2, RbPri3, BtClear, BtClose});
    ConnectControls();
}

TFilterForm::~TFilterForm() = default;

std::array<TFilterForm::IndexList, 4> TFilterForm::Lists() const {
    return {{{DictKind::Contacts, &FilterCriteria::OtdaList, FiDolList},
             {DictKind::Genres, &FilterCriteria::Genree, FiGenLst},
             {DictKind::Countries, &FilterCriteria::CountList, FiCountList},
             {DictKind::Companies, &FilterCriteria::Company, FiCompList}}};
}

void TFilterForm::ConnectControls() {
    connect(FiChNal, &QCheckBox::clicked, this, [this] { AvailabilityClick(FiChNal, FiChDolg); });
    connect(FiChDolg, &QCheckBox::clicked, this, [this] { AvailabilityClick(FiChDolg, FiChNal); });
    for (int k = 0; k < 4; ++k) connect(FiAu[k], &QCheckBox::clicked, this, [this, k] { AudienceClick(k); });
    QPushButton* const choose[] = {FiSelDol, FiSelGen, FiSelCount, FiSelComp};
    for (int i = 0; i < 4; ++i) connect(choose[i], &QPushButton::clicked, this, [this, i] { ChooseList(Lists()[i]); });
    connect(FiNaz, &QLineEdit::textEdited, this, &TFilterForm::Touch);
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{FiSubNaz, RbPri1, RbPri2, RbPri3})
        connect(b, &QAbstractButton::clicked, this, &TFilterForm::Touch);
    connect(BtClear, &QPushButton::clicked, this, &TFilterForm::BtClearClick);
    connect(BtClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this] {
        if (!ShowHelpTopic(this, kHelpTopic) && environment_)
            environment_->prompts.Message(W("Не найден файл справки"));
    });
}

bool TFilterForm::Execute(const FilterEnvironment& environment) {
    Open(environment);
    RunModal(*this);
    return changed_;
}

void TFilterForm::Open(const FilterEnvironment& environment) {
    environment_.emplace(environment);
    changed_ = false;
    const FilterCriteria& f = environment.criteria;
    FiChNal->setChecked(f.Nalichie);
    FiChDolg->setChecked(f.Otdacha);
    for (const IndexList& list : Lists()) ShowList(list);
    FiNaz->setText(ToQ(f.Nazva));
    FiSubNaz->setChecked(f.SubNazva);
    for (int k = 0; k < 4; ++k) FiAu[k]->setChecked(f.Au[k]);
    QRadioButton* const owners[] = {RbPri1, RbPri2, RbPri3};
    if (f.hozi >= 0 && f.hozi <= 2) owners[f.hozi]->setChecked(true);
    RefreshDebtors();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFilterForm::ShowList(const IndexList& list) {
    const std::string& selection = environment_->criteria.*list.list;
    list.display->setText(
        ToQ(ListSelectionText(environment_->catalogue, list.kind, selection, environment_->truncate)));
    list.display->setCursorPosition(0);
}

void TFilterForm::ChooseList(const IndexList& list) {
    Touch();
    std::string& selection = environment_->criteria.*list.list;
    DictParams params{list.kind, false, true, StoredIndexList(selection)};
    if (!environment_->picker.Pick(params)) return;
    selection = StoredIndexList(params.selection);
    ShowList(list);
}

void TFilterForm::AvailabilityClick(QCheckBox* clicked, QCheckBox* partner) {
    Touch();
    clicked->setChecked(KeepOneOfTwo(clicked->isChecked(), partner->isChecked()));
    RefreshDebtors();
}

void TFilterForm::AudienceClick(int k) {
    Touch();
    std::array<bool, 4> audience{};
    for (int i = 0; i < 4; ++i) audience[i] = FiAu[i]->isChecked();
    KeepOneAudience(audience, k);
    FiAu[k]->setChecked(audience[k]);
}

void TFilterForm::RefreshDebtors() {
    for (QWidget* w : std::initializer_list<QWidget*>{DolgLabel, FiDolList, FiSelDol})
        w->setEnabled(FiChDolg->isChecked());
}

void TFilterForm::BtClearClick() {
    Touch();
    const FilterCriteria cleared = ClearedFilter();
    FiChNal->setChecked(cleared.Nalichie);
    FiChDolg->setChecked(cleared.Otdacha);
    for (int k = 0; k < 4; ++k) FiAu[k]->setChecked(cleared.Au[k]);
    FiSubNaz->setChecked(cleared.SubNazva);
    RbPri1->setChecked(true);
    FiNaz->clear();
    for (const IndexList& list : Lists()) {
        environment_->criteria.*list.list = cleared.*list.list;
        ShowList(list);
    }
    RefreshDebtors();
}

// The title searched for goes to the settings file in Windows-1251; what it cannot hold is named
// and the dialog stays open rather than search for "?".
void TFilterForm::done(int result) {
    if (!environment_) return QDialog::done(result);
    const std::optional<std::string> title =
        StorableFromQ(FiNaz->text(), environment_->prompts, StoreTarget::Catalogue);
    if (!title) return;
    FilterCriteria& f = environment_->criteria;
    f.Nalichie = FiChNal->isChecked();
    f.Otdacha = FiChDolg->isChecked();
    f.Nazva = *title;
    f.SubNazva = FiSubNaz->isChecked();
    for (int k = 0; k < 4; ++k) f.Au[k] = FiAu[k]->isChecked();
    f.hozi = RbPri2->isChecked() ? 1 : RbPri3->isChecked() ? 2 : 0;
    QDialog::done(result);
}

} // namespace mcb
