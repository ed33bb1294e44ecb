#include "discs/ui/TDolgForm.h"

#include "catalogue/ui/CellPainter.h"
#include "discs/ReminderLetters.h"
#include "discs/ui/ProgramFront.h"
#include "platform/ShownText.h"
#include "platform/qt/DialogFrame.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/ModalRun.h"
#include "platform/qt/QtText.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace mcb {

namespace {

constexpr int kTickColumn = 0;
constexpr int kTickWidth = 16;
constexpr int kRowHeight = 16;
constexpr int kHelpTopic = 6;

// The tick mark, relative to the cell's top left corner.
void DrawTick(QPainter& painter, const QRect& cell, const QColor& colour) {
    static const QPoint points[] = {{3, 7}, {6, 13}, {11, 3}, {12, 3}, {7, 13}, {4, 7}, {3, 7}};
    painter.save();
    painter.setPen(QPen(colour, 1));
    painter.translate(cell.topLeft());
    painter.drawPolyline(points, 7);
    painter.restore();
}

QString CellText(const DebtRow& debt, int column) {
    const std::string* cells[] = {nullptr, &debt.name, &debt.title, &debt.days, &debt.mail};
    return ToShownQ(*cells[column], kShownCellChars, kShownCellChars);
}

// Column 0 is the fixed tick column; the grid draws every cell itself.
class TickDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QPalette& palette = option.palette;
        const bool fixed = index.column() == kTickColumn;
        const bool selected = !fixed && (option.state & QStyle::State_Selected);
        painter->fillRect(option.rect, fixed ? palette.button() : selected ? palette.highlight() : palette.base());
        if (fixed) {
            if (index.data(Qt::CheckStateRole).toInt() == Qt::Checked)
                DrawTick(*painter, option.rect, palette.highlight().color());
            return;
        }
        painter->save();
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        const QRect text = option.rect.adjusted(1, 1, 0, 0);
        const QString cut = CutToWidth(index.data().toString(), option.fontMetrics, option.rect.width() - 1);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, cut);
        painter->restore();
    }
};

// The header row; the tick column's header carries a tick in the shadow colour and ticks every row.
class TickHeader : public QHeaderView {
public:
    using QHeaderView::QHeaderView;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        QHeaderView::paintSection(painter, rect, section);
        if (section != kTickColumn) return;
        painter->save();
        painter->setClipRect(rect); // the section's own painting leaves a clip that hides the mark
        DrawTick(*painter, rect, palette().dark().color());
        painter->restore();
    }
};

} // namespace

// The debt rows as the grid's four text columns after the tick column.
class DebtorsModel : public QAbstractTableModel {
public:
    explicit DebtorsModel(const DebtorsList& list, QObject* parent) : QAbstractTableModel(parent), list_(list) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : int(list_.rows().size()); }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 5; }

    QVariant data(const QModelIndex& index, int role) const override {
        const DebtorsRow& row = list_.rows()[index.row()];
        if (role == Qt::CheckStateRole && index.column() == kTickColumn)
            return row.ticked ? Qt::Checked : Qt::Unchecked;
        if (role == Qt::DisplayRole && index.column() != kTickColumn) return CellText(row.debt, index.column());
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const char* const kHeaders[] = {"", "Должник", "Диск", "Срок долга", "E-mail"};
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return QString::fromUtf8(kHeaders[section]);
    }

    void Reset() {
        beginResetModel();
        endResetModel();
    }
    void TicksChanged() { emit dataChanged(index(0, 0), index(rowCount({}) - 1, 0)); }

private:
    const DebtorsList& list_;
};

TDolgForm::TDolgForm(Prompts& prompts, Shell& shell, const Clock& clock, const DateFormat& dateFormat, QWidget* parent)
    : QDialog(parent), prompts_(prompts), shell_(shell), clock_(clock), dateFormat_(dateFormat) {
    setObjectName("TDolgForm");
    setWindowTitle(QStringLiteral("Должники"));
    model_ = new DebtorsModel(list_, this);

    DolgList = new QTableView(this);
    DolgList->setObjectName("DolgList");
    DolgList->setToolTip(QStringLiteral("Отметьте галочкой необходимые строки и отправьте должникам письма"));
    DolgList->setHorizontalHeader(new TickHeader(Qt::Horizontal, DolgList));
    DolgList->setModel(model_);
    DolgList->setItemDelegate(new TickDelegate(DolgList));
    DolgList->setSelectionBehavior(QAbstractItemView::SelectRows);
    DolgList->setSelectionMode(QAbstractItemView::SingleSelection);
    DolgList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DolgList->setShowGrid(true);
    DolgList->verticalHeader()->hide();
    DolgList->verticalHeader()->setMinimumSectionSize(kRowHeight);
    DolgList->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = DolgList->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(kTickWidth);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(kTickColumn, QHeaderView::Fixed);
    header->resizeSection(kTickColumn, kTickWidth);
    DolgList->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionClicked, this, [this](int section) {
        if (section == kTickColumn) ToggleAll();
    });

    DolgEMail = new QPushButton(QStringLiteral("Создать письма"), this);
    DolgEMail->setObjectName("DolgEMail");
    DolgEMail->setToolTip(QStringLiteral("Создать e-mail-напоминания отмеченным должникам"));
    DolgCancel = new QPushButton(QStringLiteral("Закрыть"), this);
    DolgCancel->setObjectName("DolgCancel");
    connect(DolgEMail, &QPushButton::clicked, this, &TDolgForm::DolgEMailClick);
    connect(DolgCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(DolgEMail);
    buttons->addWidget(DolgCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DolgList);
    layout->addLayout(buttons);
    FixDialogSize(*this, {536, 288});
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TDolgForm::~TDolgForm() = default;

void TDolgForm::ShowDebts(std::vector<DebtRow> debts) {
    LoadDebts(std::move(debts));
    RunModal(*this);
}

void TDolgForm::LoadDebts(std::vector<DebtRow> debts) {
    list_ = DebtorsList(std::move(debts));
    model_->Reset();
    layout()->activate(); // the default widths follow the list's width
    const TIniFile settingsFile(kSettingsFileName);
    const std::array<int, 4> widths = ReadDolgTableWidths(settingsFile, DolgList->width());
    for (int c = 0; c < 4; ++c) DolgList->horizontalHeader()->resizeSection(c + 1, widths[c]);
    TicksChanged();
    DolgList->setFocus();
}

void TDolgForm::done(int result) {
    const QHeaderView* header = DolgList->horizontalHeader();
    TIniFile settingsFile(kSettingsFileName);
    WriteDolgTableWidths(
        settingsFile, {header->sectionSize(1), header->sectionSize(2), header->sectionSize(3), header->sectionSize(4)});
    settingsFile.UpdateFile();
    QDialog::done(result);
}

// A click is a press and a release within 2 pixels of each other, so that a drag never ticks.
bool TDolgForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DolgList->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            pressedAt_ = static_cast<QMouseEvent*>(event)->position().toPoint();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            const QModelIndex index = DolgList->indexAt(at);
            if (mouse->button() == Qt::LeftButton && index.isValid() && index.column() == kTickColumn &&
                IsClick(at.x() - pressedAt_.x(), at.y() - pressedAt_.y()))
                Toggle(index.row());
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TDolgForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        if (!ShowHelpTopic(this, kHelpTopic)) prompts_.Message(W("Не найден файл справки"));
        return;
    }
    QDialog::keyPressEvent(event);
}

void TDolgForm::Toggle(int row) {
    list_.Toggle(size_t(row));
    TicksChanged();
}

void TDolgForm::ToggleAll() {
    list_.ToggleAll();
    TicksChanged();
}

void TDolgForm::TicksChanged() {
    model_->TicksChanged();
    DolgEMail->setEnabled(list_.AnyTicked());
}

void TDolgForm::DolgEMailClick() {
    const std::vector<std::string> links =
        ComposeLetters(list_.rows(), clock_, dateFormat_, PromptForAddress(prompts_));
    const LettersOpened opened = OpenLetters(links, shell_);
    BringProgramToFront(this);
    for (const std::string& message : ClosingMessages(opened)) prompts_.Message(message);
    reject();
}

} // namespace mcb
