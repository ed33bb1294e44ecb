// The debtors window "Должники": the overdue debts with a tick each, and "Создать письма", which
// opens one reminder mail per debtor through the desktop's mail program. Space ticks the current
// row; Enter sends nothing. The window opens at its designed size and may be enlarged, the list's
// columns then sharing the width.
#pragma once

#include "discs/DebtorsList.h"
#include "platform/Services.h"

#include <QDialog>
#include <array>
#include <memory>
#include <vector>

class QPushButton;
class QTableView;

namespace mcb {

class DebtorsModel;
class TIniFile;
struct SetupSettings;

class TDolgForm : public QDialog {
    Q_OBJECT
public:
    TDolgForm(Prompts& prompts, Shell& shell, const Clock& clock, const DateFormat& dateFormat,
              QWidget* parent = nullptr);
    ~TDolgForm() override;

    // Fills the list (all ticked, sorted by debtor) and shows the window modally. The column widths
    // come from the settings file and go back there when the window closes.
    void ShowDebts(std::vector<DebtRow> debts);
    // Fills the window without showing it.
    void LoadDebts(std::vector<DebtRow> debts);
    // Every debt of the catalogue overdue today, whatever the reminder setting, or
    // "Нет просроченных долгов." when there is none.
    void ShowOverdueDebts(const TIniFile& catalogue, const SetupSettings& setup);

    const DebtorsList& list() const { return list_; }

    QTableView* DolgList;
    QPushButton* DolgEMail;
    QPushButton* DolgCancel;

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DolgEMailClick();
    void Toggle(int row);
    void ToggleAll();
    void TicksChanged();
    double ListScale() const;
    void ShareListWidth();
    void ColumnResized(int section, int size);

    Prompts& prompts_;
    Shell& shell_;
    const Clock& clock_;
    const DateFormat& dateFormat_;
    DebtorsList list_{{}};
    DebtorsModel* model_ = nullptr;
    QPoint pressedAt_;
    // Widths of columns 1 to 4 as they are at the designed size; an enlarged list scales them.
    std::array<double, 4> designedWidths_{};
    int designedListWidth_ = 0;
    bool sharing_ = false;
};

} // namespace mcb
