// The event journal window: shows the journal and lets the user edit it; in its second mode the
// read-only window of a disc's description.
#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace mcb {

class Prompts;
struct WindowSettings;

class TMagForm : public QDialog {
    Q_OBJECT

public:
    // The size is taken from MagazWidth/MagazHeight when they are not 0.
    TMagForm(const WindowSettings& window, Prompts& prompts, QWidget* parent = nullptr);

    // Journal mode, shown modally; an edited journal is saved by "Закрыть", as private as the
    // catalogue.
    void ShowJournal(const std::string& journalFileName, const std::string& catalogueFileName);
    // Description mode, shown modally; caption and text are Windows-1251.
    void ShowDescription(const std::string& caption, const std::string& text);

    // Fill the window for a mode without showing it.
    void LoadJournal(const std::string& journalFileName, const std::string& catalogueFileName);
    void LoadDescription(const std::string& caption, const std::string& text);

    QPlainTextEdit* MemoMag;
    QPushButton* ButEd;
    QPushButton* Button2;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ButEdClick();
    void Button2Click();
    // Shows the text, its lines and in all at most totalChars cut for the screen; false when cut.
    bool SetText(const std::string& cp1251, bool caretOnLastLine, std::size_t totalChars);
    void SetEditable(bool editable);
    bool SaveEditedJournal();

    Prompts& prompts_;
    std::string journalFileName_;
    std::string catalogueFileName_;
    bool journalMode_ = false;
    int helpTopic_ = 0;
};

} // namespace mcb
