#include "discs/ui/TMagForm.h"

#include "discs/Journal.h"
#include "discs/JournalText.h"
#include "platform/Services.h"
#include "platform/ShownText.h"
#include "platform/qt/DialogFrame.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/ModalRun.h"
#include "platform/qt/QtText.h"
#include "storage/Literal.h"
#include "storage/Settings.h"
#include "storage/WholeFile.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QVBoxLayout>

namespace mcb {

namespace {

constexpr int kJournalHelpTopic = 7;

} // namespace

TMagForm::TMagForm(const WindowSettings& window, Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setObjectName("MagForm");
    ShowCloseAndMaximiseBoxes(*this);
    MemoMag = new QPlainTextEdit(this);
    MemoMag->setObjectName("MemoMag");
    MemoMag->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ButEd = new QPushButton(QStringLiteral("Редактировать"), this);
    ButEd->setObjectName("ButEd");
    ButEd->setAutoDefault(false);
    Button2 = new QPushButton(QStringLiteral("Закрыть"), this);
    Button2->setObjectName("Button2");
    Button2->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButEd);
    buttons->addStretch();
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MemoMag);
    layout->addLayout(buttons);

    connect(ButEd, &QPushButton::clicked, this, &TMagForm::ButEdClick);
    connect(Button2, &QPushButton::clicked, this, &TMagForm::Button2Click);

    setMinimumSize(400, 300);
    resize(window.MagazWidth > 0 ? window.MagazWidth : 600, window.MagazHeight > 0 ? window.MagazHeight : 400);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TMagForm::ShowJournal(const std::string& journalFileName, const std::string& catalogueFileName) {
    LoadJournal(journalFileName, catalogueFileName);
    RunModal(*this);
}

void TMagForm::ShowDescription(const std::string& caption, const std::string& text) {
    LoadDescription(caption, text);
    RunModal(*this);
}

void TMagForm::LoadJournal(const std::string& journalFileName, const std::string& catalogueFileName) {
    journalMode_ = true;
    journalFileName_ = journalFileName;
    catalogueFileName_ = catalogueFileName;
    helpTopic_ = kJournalHelpTopic;
    setWindowTitle(QStringLiteral("Журнал событий"));
    SetEditable(false);
    ButEd->show();
    // A journal with a line too long to show whole could not be saved from the screen unharmed.
    ButEd->setEnabled(SetText(ReadWholeFile(journalFileName).value_or(""), true, std::string::npos));
    MemoMag->setFocus();
}

void TMagForm::LoadDescription(const std::string& caption, const std::string& text) {
    journalMode_ = false;
    helpTopic_ = 0;
    setWindowTitle(ToShownQ(caption, kShownCellChars, kShownCellChars));
    SetEditable(false);
    ButEd->hide();
    SetText(text, false, kShownMemoChars);
    MemoMag->setFocus();
}

void TMagForm::keyPressEvent(QKeyEvent* event) {
    // Escape is the "Закрыть" button (which saves an edited journal); the border icon only closes.
    if (event->key() == Qt::Key_Escape) {
        Button2Click();
    } else if (event->key() == Qt::Key_F1) {
        if (!ShowHelpTopic(this, helpTopic_)) prompts_.Message(W("Не найден файл справки"));
    } else {
        QDialog::keyPressEvent(event);
    }
}

void TMagForm::ButEdClick() {
    SetEditable(true);
    ButEd->setEnabled(false);
    MemoMag->setFocus();
}

void TMagForm::Button2Click() {
    if (journalMode_ && !MemoMag->isReadOnly() && !SaveEditedJournal()) return;
    accept();
}

bool TMagForm::SetText(const std::string& cp1251, bool caretOnLastLine, std::size_t totalChars) {
    const ShownPart shown = ShownText(JournalScreenText(cp1251), kShownFieldChars, totalChars);
    const std::string& text = shown.text;
    MemoMag->setPlainText(ToQ(text));
    QTextCursor caret = MemoMag->textCursor();
    // Windows-1251 has one byte per character, so byte offsets are character offsets.
    caret.setPosition(caretOnLastLine ? int(LastLineStart(text)) : 0);
    MemoMag->setTextCursor(caret);
    MemoMag->ensureCursorVisible();
    return !shown.cut;
}

void TMagForm::SetEditable(bool editable) {
    MemoMag->setReadOnly(!editable);
    QPalette colours = MemoMag->palette();
    const QPalette normal = QApplication::palette();
    colours.setColor(QPalette::Base, normal.color(editable ? QPalette::Base : QPalette::Window));
    MemoMag->setPalette(colours);
}

// The journal is kept in Windows-1251; characters it cannot hold are named and the window stays
// open with the text as typed, rather than saving them as "?".
bool TMagForm::SaveEditedJournal() {
    const std::optional<std::string> text = StorableFromQ(MemoMag->toPlainText(), prompts_, StoreTarget::Journal);
    return text && SaveJournal(journalFileName_, *text, catalogueFileName_);
}

} // namespace mcb
