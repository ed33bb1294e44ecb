// The update window "Проверка новой версии": explains the check, runs it when asked, shows what it
// found and offers the installer. The decisions are UpdateCheck's; the download runs while the
// window stays responsive.
#pragma once

#include "update/UpdateCheck.h"

#include <QCursor>
#include <QDialog>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace mcb {

class TUpdateForm : public QDialog {
    Q_OBJECT
public:
    // The services outlive the window; `site` is where the news file and the installer are found.
    TUpdateForm(UpdateServices services, std::string site, QWidget* parent = nullptr);
    ~TUpdateForm() override;

    // Shows the window modally; "UpdateDate" in memory restarts the 21-day period.
    void Execute(SetupSettings& setup);
    // Sets the window up as at each showing, without showing it.
    void Prepare(SetupSettings& setup);
    // The settings file was refused at start-up: closing leaves it alone.
    void SetSettingsRefused(bool refused) { settingsRefused_ = refused; }

    QPlainTextEdit* UpdaMemo;
    QCheckBox* CBnoCheck;
    QPushButton* bbCheck;
    QPushButton* bbCanc;

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    class Memo;

    void bbCheckClick();
    void StartCheck();
    void CheckFinished();
    void GrowTo(int width, int height);

    UpdateCheck check_;
    Prompts& prompts_;
    std::unique_ptr<Memo> memo_;
    bool fitExplanation_ = false; // set by Prepare: the next showing fits the explanation
    bool settingsRefused_ = false;
    QCursor memoCursor_; // the text area's own, given back after the download
};

} // namespace mcb
