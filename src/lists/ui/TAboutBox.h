// The about box "О программе": the product name and version, a mail link to the author and a link
// to the program's home page.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace mcb {

class LinkLabel;
class Prompts;
class Shell;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(Shell& shell, Prompts& prompts, QWidget* parent = nullptr);

    void Execute();

    QLabel* ProductName;
    QLabel* Version;
    QLabel* Copyright;
    LinkLabel* Comments;
    LinkLabel* Label2;
    QPushButton* OKButton;

    // Whether the mail link carries its visited mark.
    bool mailVisited() const { return mailVisited_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CommentsClick();
    void Label2Click();
    void PaintComments();

    Shell& shell_;
    Prompts& prompts_;
    bool mailVisited_ = false;
};

} // namespace mcb
