#include "update/ui/TUpdateForm.h"

#include "platform/qt/HelpBrowser.h"
#include "platform/qt/ModalRun.h"
#include "platform/qt/QtText.h"
#include "storage/Version.h"
#include "update/UpdateTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace mcb {

namespace {

constexpr int kHelpTopic = 21;
constexpr QSize kMinimumSize(296, 220);
constexpr QSize kCheckSize(450, 320);

QPoint CentreOf(const QWidget& window) {
    const QScreen* screen = QApplication::primaryScreen();
    return screen ? screen->availableGeometry().center() - window.rect().center() : window.pos();
}

} // namespace

class TUpdateForm::Memo : public UpdateMemo {
public:
    explicit Memo(QPlainTextEdit& edit) : edit_(edit) {}
    void Clear() override { edit_.clear(); }
    // Plain text only: whatever the news file holds is shown, never interpreted.
    void Add(const std::string& line) override { edit_.appendPlainText(ToQ(line)); }

private:
    QPlainTextEdit& edit_;
};

TUpdateForm::TUpdateForm(UpdateServices services, std::string site, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      check_(services, kProgramVersion, std::move(site)), prompts_(services.prompts) {
    setObjectName("UpdateForm");
    setWindowTitle(QStringLiteral("Проверка новой версии"));
    UpdaMemo = new QPlainTextEdit(this);
    UpdaMemo->setObjectName("UpdaMemo");
    UpdaMemo->setReadOnly(true);
    QPalette memoColours = UpdaMemo->palette(); // the text area has the window's colour
    memoColours.setColor(QPalette::Base, memoColours.color(QPalette::Window));
    UpdaMemo->setPalette(memoColours);
    memoCursor_ = UpdaMemo->viewport()->cursor();
    CBnoCheck = new QCheckBox(ToQ(NoCheckCaption()), this);
    CBnoCheck->setObjectName("CBnoCheck");
    bbCheck = new QPushButton(this);
    bbCheck->setObjectName("bbCheck");
    bbCheck->setDefault(true);
    bbCanc = new QPushButton(QStringLiteral("Отмена"), this);
    bbCanc->setObjectName("bbCanc");
    bbCanc->setAutoDefault(false);
    connect(bbCheck, &QPushButton::clicked, this, &TUpdateForm::bbCheckClick);
    connect(bbCanc, &QPushButton::clicked, this, &QDialog::reject);
    memo_ = std::make_unique<Memo>(*UpdaMemo);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbCheck);
    buttons->addWidget(bbCanc);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8); // the memo ends 8 pixels above the check box
    layout->addWidget(UpdaMemo, 1);
    layout->addWidget(CBnoCheck);
    layout->addLayout(buttons);
    setFixedSize(kMinimumSize);
}

TUpdateForm::~TUpdateForm() = default;

void TUpdateForm::Execute(SetupSettings& setup) {
    Prepare(setup);
    RunModal(*this);
}

void TUpdateForm::Prepare(SetupSettings& setup) {
    setFixedSize(kMinimumSize);
    move(CentreOf(*this));
    CBnoCheck->setChecked(false);
    CBnoCheck->show();
    UpdaMemo->clear();
    for (const std::string& line : check_.Show(setup)) memo_->Add(line);
    UpdaMemo->setFrameShape(QFrame::NoFrame);
    UpdaMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    fitExplanation_ = true;
    UpdaMemo->moveCursor(QTextCursor::Start);
    bbCheck->setText(QStringLiteral("Проверить"));
    bbCheck->setEnabled(true);
    bbCanc->setEnabled(true);
    bbCheck->setFocus();
}

// The window's size was chosen for a small font; with the desktop's font the explanation may run
// longer, and its end (how to switch the automatic check off) must not hide behind a scroll bar.
// Once the memo has its real size, the window grows in height line by line, never beyond the screen.
void TUpdateForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!fitExplanation_) return;
    fitExplanation_ = false;
    const QScreen* screen = this->screen();
    const int limit = screen ? screen->availableGeometry().height() : height();
    const int step = UpdaMemo->fontMetrics().lineSpacing();
    while (UpdaMemo->verticalScrollBar()->maximum() > 0 && height() < limit)
        setFixedSize(width(), std::min(height() + step, limit));
    move(CentreOf(*this));
}

void TUpdateForm::bbCheckClick() {
    if (check_.Found()) {
        check_.OfferDownload();
        accept();
        return;
    }
    StartCheck();
}

void TUpdateForm::StartCheck() {
    UpdaMemo->setFrameShape(QFrame::StyledPanel);
    UpdaMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    CBnoCheck->hide();
    UpdaMemo->clear();
    bbCheck->setText(QStringLiteral("Скачать"));
    bbCheck->setEnabled(false);
    GrowTo(kCheckSize.width(), kCheckSize.height());
    // The window cannot be left while the news file is on its way, but it keeps repainting.
    bbCanc->setEnabled(false);
    setCursor(Qt::WaitCursor);
    UpdaMemo->viewport()->setCursor(Qt::WaitCursor); // the text area has a cursor of its own
    repaint();
    check_.Check(*memo_, [this] { CheckFinished(); });
}

void TUpdateForm::CheckFinished() {
    unsetCursor();
    UpdaMemo->viewport()->setCursor(memoCursor_);
    bbCanc->setEnabled(true);
    bbCheck->setEnabled(check_.Found());
    if (check_.Found()) bbCheck->setFocus();
    UpdaMemo->moveCursor(QTextCursor::Start);
}

// Pixel by pixel, width first, re-centred at every step; the user cannot resize the window.
void TUpdateForm::GrowTo(int width, int height) {
    for (int w = this->width() + 1; w <= width; ++w) {
        setFixedSize(w, this->height());
        move(CentreOf(*this).x(), y());
    }
    for (int h = this->height() + 1; h <= height; ++h) {
        setFixedSize(width, h);
        move(x(), CentreOf(*this).y());
    }
}

// "Отмена", Esc and the close box end here; none of them works while the download runs.
void TUpdateForm::done(int result) {
    if (check_.Downloading()) return;
    UpdateCheck::Close(CBnoCheck->isChecked(), settingsRefused_);
    QDialog::done(result);
}

void TUpdateForm::keyPressEvent(QKeyEvent* event) {
    if (!HelpKey(this, *event, kHelpTopic, prompts_)) QDialog::keyPressEvent(event);
}

} // namespace mcb
