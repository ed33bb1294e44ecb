#include "discs/ui/TDolgForm.h"

#include "catalogue/ui/CellPainter.h"
#include "discs/ReminderLetters.h"
#include "discs/ui/ProgramFront.h"
#include "platform/ShownText.h"
#include "platform/qt/DialogFrame.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/ModalRun.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WaitCursor.h"
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
    DolgList->installEventFilter(this);
    DolgList->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionClicked, this, [this](int section) {
        if (section == kTickColumn) ToggleAll();
    });
    connect(header, &QHeaderView::sectionResized, this,
            [this](int section, int, int size) { ColumnResized(section, size); });

    DolgEMail = new QPushButton(QStringLiteral("Создать письма"), this);
    DolgEMail->setObjectName("DolgEMail");
    DolgEMail->setToolTip(QStringLiteral("Создать e-mail-напоминания отмеченным должникам"));
    DolgCancel = new QPushButton(QStringLiteral("Закрыть"), this);
    DolgCancel->setObjectName("DolgCancel");
    // Enter in the list must never send every ticked letter at once.
    DolgEMail->setAutoDefault(false);
    DolgCancel->setAutoDefault(false);
    connect(DolgEMail, &QPushButton::clicked, this, &TDolgForm::DolgEMailClick);
    connect(DolgCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(DolgEMail);
    buttons->addWidget(DolgCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DolgList);
    layout->addLayout(buttons);
    ShowCloseAndMaximiseBoxes(*this);
    setMinimumSize(QSize(536, 288).expandedTo(minimumSizeHint()));
}

TDolgForm::~TDolgForm() = default;

void TDolgForm::ShowDebts(std::vector<DebtRow> debts) {
    LoadDebts(std::move(debts));
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    RunModal(*this);
}

void TDolgForm::ShowOverdueDebts(const TIniFile& catalogue, const SetupSettings& setup) {
    std::vector<DebtRow> debts;
    {
        const WaitCursor wait;
        debts = OverdueDebts(catalogue, setup, clock_.Today());
    }
    if (debts.empty()) return prompts_.Message(W("Нет просроченных долгов."));
    ShowDebts(std::move(debts));
}

// Each opening starts at the designed size, where the stored widths apply.
void TDolgForm::LoadDebts(std::vector<DebtRow> debts) {
    list_ = DebtorsList(std::move(debts));
    model_->Reset();
    resize(minimumSize());
    layout()->activate(); // the default widths follow the list's width
    designedListWidth_ = DolgList->width();
    const TIniFile settingsFile(kSettingsFileName);
    const std::array<int, 4> widths = ReadDolgTableWidths(settingsFile, designedListWidth_);
    std::copy(widths.begin(), widths.end(), designedWidths_.begin());
    ShareListWidth();
    TicksChanged();
    DolgList->setFocus();
}

void TDolgForm::done(int result) {
    std::array<int, 4> widths{};
    for (int c = 0; c < 4; ++c) widths[c] = qRound(designedWidths_[c]);
    TIniFile settingsFile(kSettingsFileName);
    WriteDolgTableWidths(settingsFile, widths);
    settingsFile.UpdateFile();
    QDialog::done(result);
}

// The scale of the list against its designed width.
double TDolgForm::ListScale() const {
    if (designedListWidth_ <= kTickWidth) return 1;
    return double(std::max(DolgList->width() - kTickWidth, 1)) / (designedListWidth_ - kTickWidth);
}

void TDolgForm::ShareListWidth() {
    const double scale = ListScale();
    sharing_ = true;
    for (int c = 0; c < 4; ++c) DolgList->horizontalHeader()->resizeSection(c + 1, qRound(designedWidths_[c] * scale));
    sharing_ = false;
}

// A column the user resizes keeps its new share of the list.
void TDolgForm::ColumnResized(int section, int size) {
    if (!sharing_ && section > kTickColumn) designedWidths_[section - 1] = size / ListScale();
}

// A click is a press and a release within 2 pixels of each other, so that a drag never ticks. Space
// ticks the current row.
bool TDolgForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DolgList && event->type() == QEvent::Resize) ShareListWidth();
    if (watched == DolgList && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        if (DolgList->currentIndex().isValid()) Toggle(DolgList->currentIndex().row());
        return true;
    }
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
