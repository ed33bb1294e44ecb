// The picture viewer: one picture as large as the screen allows, at least 104 pixels high.
#pragma once

#include <QDialog>
#include <string>

class QPushButton;

namespace mcb {

class PictureBox;
class PictureRequests;

class TShotter : public QDialog {
    Q_OBJECT
public:
    explicit TShotter(QWidget* parent = nullptr);

    // Shows the picture file (a native path) modally; the caption is Windows-1251.
    void ShowPicture(const std::string& path, const std::string& caption);
    // Places the window without showing it; the picture follows once it has been decoded.
    void LoadPicture(const std::string& path, const std::string& caption);

    PictureBox* Img;
    QPushButton* bb;

private:
    PictureRequests* decoded_;
};

} // namespace mcb
