// The summary window "CDinfo": every filled field of a disc as text, its description and both
// pictures; a double click on a picture opens the picture viewer.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace mcb {

class PictureBox;
class PictureRequests;
class Session;

class TCDinfo : public QDialog {
    Q_OBJECT
public:
    explicit TCDinfo(Session& session, QWidget* parent = nullptr);

    // Shows the disc modally; an empty identifier (no disc in the current row) shows nothing.
    void ShowDisc(const std::string& discId);
    // Fills the window without showing it.
    void LoadDisc(const std::string& discId);

    // "Печать" prints the disc's sheet through this handler; without one the button stays disabled.
    void SetPrintHandler(std::function<void(const std::string& discId)> handler);
    const std::string& discId() const { return discId_; }

    QPlainTextEdit* nfo;
    PictureBox* Pic1;
    PictureBox* Pic2;
    QPushButton* PrintNfo;
    QPushButton* BitBtn2;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowPictures();
    void OpenViewer(int number);

    Session& session_;
    std::string discId_;
    std::array<std::string, 2> paths_;
    std::array<bool, 2> exists_{};
    std::array<PictureRequests*, 2> decoded_{};
    std::function<void(const std::string&)> print_;
};

} // namespace mcb
