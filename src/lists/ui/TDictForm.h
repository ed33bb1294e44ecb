// The reference-list window: edits any of the four lists and picks one or several entries from it.
// Every rule lives in DictEditor; the window shows its rows and forwards the user's actions.
#pragma once

#include "lists/DictEditor.h"
#include "lists/DictTypes.h"

#include <QDialog>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace mcb {

class Prompts;
class TIniFile;
struct Settings;

class TDictForm : public QDialog {
    Q_OBJECT

public:
    // The settings give "Truncate" and the window size (DictWidth/DictHeight, when not 0).
    TDictForm(TIniFile& catalogue, const Settings& settings, Prompts& prompts, QWidget* parent = nullptr);

    // Shows the window modally for the parameters; true when it closed with OK. The selection is
    // returned in params.selection.
    bool Execute(DictParams& params);
    // Sets the window up for the parameters without showing it.
    void Prepare(DictParams& params);

    QToolButton* RecAdd;
    QToolButton* RecEdit;
    QToolButton* RecKill;
    QLabel* La;
    QLineEdit* multi;
    QToolButton* SelAll;
    QTableWidget* dict;
    QMenu* PopupDict;
    QAction* N1;
    QAction* N2;
    QAction* N3;
    QToolButton* SBimport;
    QPushButton* BtOk;
    QPushButton* btCanc;

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void SetUpColumns();
    void Refill();
    // Runs a command of the editor, then shows the list again and gives it the focus.
    template <class Command> void Run(Command command);
    void BtOkClick();
    void dictDblClick();
    void StoreColumnWidths();

    DictEditor editor_;
    Prompts& prompts_;
    bool columnsOfContacts_ = false;
    int helpTopic_ = 0;
};

} // namespace mcb
