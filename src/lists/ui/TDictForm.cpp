#include "lists/ui/TDictForm.h"

#include "platform/Services.h"
#include "platform/ShownText.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/Keyboard.h"
#include "platform/qt/ModalRun.h"
#include "platform/qt/QtText.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace mcb {

namespace {

constexpr int kDesignedWidth = 420;
constexpr int kDesignedHeight = 300;

QToolButton* ToolButton(QWidget* parent, const char* name, QStyle::StandardPixmap glyph, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setIcon(parent->style()->standardIcon(glyph));
    button->setToolTip(hint);
    button->setAccessibleName(hint); // the button shows only a glyph
    // Tab reaches it (Space presses it); a click leaves the keyboard with the list.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QAction* MenuItem(QMenu* menu, const char* name, const QString& text, int key) {
    QAction* action = menu->addAction(CaptionWithKey(text, key));
    action->setObjectName(name);
    return action;
}

} // namespace

TDictForm::TDictForm(TIniFile& catalogue, const Settings& settings, Prompts& prompts, QWidget* parent)
    : QDialog(parent), editor_(catalogue, settings.setup, prompts), prompts_(prompts) {
    setObjectName("DictForm");
    setWindowTitle(QStringLiteral("Список"));
    BuildControls();
    setMinimumSize(kDesignedWidth, kDesignedHeight);
    resize(settings.window.DictWidth > 0 ? settings.window.DictWidth : kDesignedWidth,
           settings.window.DictHeight > 0 ? settings.window.DictHeight : kDesignedHeight);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TDictForm::BuildControls() {
    RecAdd = ToolButton(this, "RecAdd", QStyle::SP_FileDialogNewFolder, QStringLiteral("Добавить запись в словарь"));
    RecEdit = ToolButton(this, "RecEdit", QStyle::SP_FileDialogDetailedView, QStringLiteral("Изменить запись словаря"));
    RecKill = ToolButton(this, "RecKill", QStyle::SP_TrashIcon, QStringLiteral("Удалить запись из словаря"));
    La = new QLabel(QStringLiteral("Выбор"), this);
    La->setObjectName("La");
    multi = new QLineEdit(this);
    multi->setObjectName("multi");
    multi->setReadOnly(true);
    multi->setFocusPolicy(Qt::NoFocus); // a click leaves the focus on the list
    SelAll = ToolButton(this, "SelAll", QStyle::SP_DialogApplyButton, QStringLiteral("Выбрать все записи"));
    SBimport = ToolButton(this, "SBimport", QStyle::SP_DialogOpenButton,
                          QStringLiteral("Импортировать данные из другой базы"));

    dict = new QTableWidget(this);
    dict->setObjectName("dict");
    dict->setSelectionBehavior(QAbstractItemView::SelectRows);
    dict->setSelectionMode(QAbstractItemView::SingleSelection);
    dict->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dict->setTabKeyNavigation(false);
    dict->verticalHeader()->hide();
    dict->verticalHeader()->setDefaultSectionSize(16);
    dict->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    dict->setContextMenuPolicy(Qt::CustomContextMenu);
    dict->installEventFilter(this);
    PopupDict = new QMenu(this);
    PopupDict->setObjectName("PopupDict");
    N1 = MenuItem(PopupDict, "N1", QStringLiteral("&Добавить запись"), Qt::Key_Insert);
    N2 = MenuItem(PopupDict, "N2", QStringLiteral("&Изменить запись"), Qt::Key_F2);
    N3 = MenuItem(PopupDict, "N3", QStringLiteral("&Удалить запись"), Qt::Key_Delete);

    BtOk = new QPushButton(QStringLiteral("OK"), this);
    BtOk->setObjectName("BtOk");
    BtOk->setDefault(true);
    btCanc = new QPushButton(QStringLiteral("Отмена"), this);
    btCanc->setObjectName("btCanc");

    auto* top = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{RecAdd, RecEdit, RecKill, La}) top->addWidget(w);
    top->addWidget(multi, 1);
    top->addStretch(0); // takes the room of the selection field when that is hidden
    top->addWidget(SelAll);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(SBimport);
    bottom->addStretch();
    bottom->addWidget(BtOk);
    bottom->addWidget(btCanc);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(dict);
    layout->addLayout(bottom);
    SetTabChain({RecAdd, RecEdit, RecKill, SelAll, dict, SBimport, BtOk, btCanc});

    connect(RecAdd, &QToolButton::clicked, this, [this] { Run([this] { editor_.Add(); }); });
    connect(N1, &QAction::triggered, this, [this] { Run([this] { editor_.Add(); }); });
    connect(RecEdit, &QToolButton::clicked, this, [this] { Run([this] { editor_.Change(); }); });
    connect(N2, &QAction::triggered, this, [this] { Run([this] { editor_.Change(); }); });
    connect(RecKill, &QToolButton::clicked, this, [this] { Run([this] { editor_.Delete(); }); });
    connect(N3, &QAction::triggered, this, [this] { Run([this] { editor_.Delete(); }); });
    connect(SBimport, &QToolButton::clicked, this, [this] { Run([this] { editor_.Import(); }); });
    connect(SelAll, &QToolButton::clicked, this, [this] { Run([this] { editor_.SelectAll(); }); });
    connect(BtOk, &QPushButton::clicked, this, &TDictForm::BtOkClick);
    connect(btCanc, &QPushButton::clicked, this, &QDialog::reject);
    connect(multi, &QLineEdit::textChanged, this, [this] { dict->setFocus(); });
    connect(dict, &QTableWidget::cellDoubleClicked, this, &TDictForm::dictDblClick);
    connect(dict, &QTableWidget::currentCellChanged, this, [this](int row) { editor_.SetCurrent(row); });
    connect(dict, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupDict->popup(dict->viewport()->mapToGlobal(at)); });
}

bool TDictForm::Execute(DictParams& params) {
    Prepare(params);
    return RunModal(*this) == QDialog::Accepted;
}

void TDictForm::Prepare(DictParams& params) {
    editor_.Open(params);
    const DictMode mode = editor_.mode();
    dict->setToolTip(ToQ(ModeHint(mode)));
    helpTopic_ = ModeHelpTopic(mode);
    btCanc->setVisible(mode != DictMode::Edit);
    for (QWidget* w : std::initializer_list<QWidget*>{La, multi, SelAll}) w->setVisible(mode == DictMode::Multi);
    SetUpColumns();
    Refill();
    dict->setFocus();
}

void TDictForm::SetUpColumns() {
    const std::vector<std::string>& headers = editor_.kind().headers;
    dict->setColumnCount(int(headers.size()));
    QStringList labels;
    for (const std::string& header : headers) labels << ToQ(header);
    dict->setHorizontalHeaderLabels(labels);
    columnsOfContacts_ = editor_.kind().HasContactFields();
    dict->horizontalHeader()->setStretchLastSection(!columnsOfContacts_);
    if (!columnsOfContacts_) return;
    // The list's own geometry is set by the layout even before the window is shown; its viewport
    // gets its size only when shown, too late for the default widths.
    layout()->activate();
    const TIniFile settingsFile(kSettingsFileName);
    const std::array<int, 3> widths = ReadDictTableWidths(settingsFile, dict->contentsRect().width());
    for (int column = 0; column < 3; ++column) dict->setColumnWidth(column, widths[column]);
}

void TDictForm::Refill() {
    const std::vector<DictRow>& rows = editor_.rows();
    const QSignalBlocker blocker(dict);
    dict->setUpdatesEnabled(false);
    dict->clearContents();
    dict->setRowCount(std::max(int(rows.size()), 1)); // a list without entries shows one empty row
    for (int row = 0; row < int(rows.size()); ++row) {
        const std::string* cells[] = {&rows[row].name, &rows[row].mail, &rows[row].phone};
        for (int column = 0; column < dict->columnCount(); ++column)
            dict->setItem(row, column,
                          new QTableWidgetItem(ToShownQ(*cells[column], kShownCellChars, kShownCellChars)));
    }
    dict->setCurrentCell(std::max(editor_.current(), 0), 0);
    dict->setUpdatesEnabled(true);
    if (editor_.mode() == DictMode::Multi)
        multi->setText(ToShownQ(editor_.SelectionText(), kShownFieldChars, kShownFieldChars));
}

template <class Command> void TDictForm::Run(Command command) {
    command();
    Refill();
    dict->setFocus();
}

void TDictForm::BtOkClick() {
    if (editor_.Accept()) accept();
}

void TDictForm::dictDblClick() {
    if (editor_.Activate()) {
        accept();
        return;
    }
    Refill();
    dict->setFocus();
}

bool TDictForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != dict || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Space:
        dictDblClick();
        return true;
    case Qt::Key_Insert:
        Run([this] { editor_.Add(); });
        return true;
    case Qt::Key_F2:
        Run([this] { editor_.Change(); });
        return true;
    case Qt::Key_Delete:
        Run([this] { editor_.Delete(); });
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        BtOkClick();
        return true;
    case Qt::Key_F1:
        if (!ShowHelpTopic(this, helpTopic_)) prompts_.Message(W("Не найден файл справки"));
        return true;
    default:
        return false;
    }
}

void TDictForm::done(int result) {
    StoreColumnWidths();
    QDialog::done(result);
}

void TDictForm::StoreColumnWidths() {
    if (!columnsOfContacts_) return;
    TIniFile settingsFile(kSettingsFileName);
    WriteDictTableWidths(settingsFile, {dict->columnWidth(0), dict->columnWidth(1), dict->columnWidth(2)});
    settingsFile.UpdateFile();
}

} // namespace mcb
