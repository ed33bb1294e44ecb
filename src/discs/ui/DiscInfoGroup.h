// The group " Информация о диске " of the main window's information panel: availability, owner,
// debtor with the lending date and a reminder button, and the description or the pictures of the
// disc in the current row. Double clicks open the description window and the picture viewer.
#pragma once

#include "discs/DiscPanel.h"
#include "platform/Services.h"

#include <QGroupBox>
#include <string>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace mcb {

class PictureBox;
class PictureRequests;
class Session;
struct ShownPicture;

class DiscInfoGroup : public QGroupBox {
    Q_OBJECT
public:
    DiscInfoGroup(Session& session, Shell& shell, QWidget* parent = nullptr);

    // Shows the disc (empty: no disc, the group hides). The pressed view button is kept.
    void Refresh(const std::string& discId);

    const DiscPanel& state() const { return panel_; }
    const std::string& discId() const { return discId_; }
    // The picture being decoded is shown when it is done; tests and benchmarks wait for it.
    PictureRequests& pictures() { return *pictures_; }

    QLabel *Label1, *LabNalStat, *LbHoz, *LbHozName;
    QFrame* DolgPan;
    QLabel *Label3, *LabDolgName, *Label8, *LabDolgData;
    QPushButton* BtEmail;
    QToolButton *MemoBtn, *ImgBtn;
    QWidget* MemoPan;
    QPlainTextEdit* DiskMemo;
    QWidget* ImgPan;
    QToolButton *Inum1, *INum2;
    PictureBox* Pict;

signals:
    // A window opened from the group was closed (the main window gives the focus back to its table).
    void windowClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLoanControls();
    void BuildViewControls();
    void ShowView(InfoView view);
    void ShowPicture(int number);
    void FitPicture();
    void PictureLoaded(const QString& path, const ShownPicture& picture);
    void SetPicture(const QImage& image, QSize own);
    void BtEmailClick();
    void OpenDescription();
    void OpenViewer();

    Session& session_;
    Shell& shell_;
    PictureRequests* pictures_;
    QWidget* pictureArea_ = nullptr;
    DiscPanel panel_;
    std::string discId_;
    InfoView chosen_ = InfoView::Description;
    int picture_ = 0;  // 1 or 2: the picture shown in Pict
    QSize pictureOwn_; // its own size, once known
};

} // namespace mcb
