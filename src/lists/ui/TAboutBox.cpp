#include "lists/ui/TAboutBox.h"

#include "lists/ui/LinkLabel.h"
#include "platform/MailLink.h"
#include "platform/ProjectAddresses.h"
#include "platform/Services.h"
#include "platform/qt/DialogFrame.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/Keyboard.h"
#include "platform/qt/ModalRun.h"
#include "storage/Literal.h"
#include "storage/Version.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace mcb {

namespace {

constexpr int kHelpTopic = 4;

} // namespace

TAboutBox::TAboutBox(Shell& shell, Prompts& prompts, QWidget* parent)
    : QDialog(parent), shell_(shell), prompts_(prompts) {
    setObjectName("AboutBox");
    setWindowTitle(QStringLiteral("О программе"));
    ProductName = new QLabel(QStringLiteral("Mirvane CD Base"), this);
    ProductName->setObjectName("ProductName");
    ProductName->setStyleSheet("color: #0000ff; font-weight: bold; font-size: 20pt;");
    // The designed text, a blank and the version, set once: opening the box again shows it once.
    Version = new QLabel(QStringLiteral("Version ") + QString::fromLatin1(kProgramVersion), this);
    Version->setObjectName("Version");
    Copyright = new QLabel(QStringLiteral("Каталог домашней коллекции дисков. © Mirvane"), this);
    Copyright->setObjectName("Copyright");
    Comments = new LinkLabel("Comments", QStringLiteral(" Send mail  "), this);
    Comments->setAutoFillBackground(true);
    connect(Comments, &LinkLabel::clicked, this, &TAboutBox::CommentsClick);
    Label2 = new LinkLabel("Label2", QStringLiteral("Домашняя страничка"), this);
    Label2->setStyleSheet("color: #0000ff; text-decoration: underline;");
    connect(Label2, &LinkLabel::clicked, this, &TAboutBox::Label2Click);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    PaintComments();

    auto* feedback = new QHBoxLayout;
    feedback->addWidget(new QLabel(QStringLiteral("Обратная связь : "), this));
    feedback->addWidget(Comments);
    feedback->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProductName);
    layout->addWidget(Version);
    layout->addWidget(Copyright);
    layout->addSpacing(8);
    layout->addLayout(feedback);
    layout->addWidget(Label2);
    layout->addSpacing(8);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    FixDialogSize(*this, {});
    SetTabChain({Comments, Label2, OKButton});
}

void TAboutBox::Execute() {
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    OKButton->setFocus();
    RunModal(*this);
}

// Green until clicked; each click switches to purple (visited) and back.
void TAboutBox::PaintComments() {
    QPalette palette = Comments->palette();
    palette.setColor(QPalette::Window, mailVisited_ ? QColor(0x80, 0x00, 0x80) : QColor(0x00, 0x80, 0x00));
    palette.setColor(QPalette::WindowText, Qt::white);
    Comments->setPalette(palette);
}

void TAboutBox::CommentsClick() {
    mailVisited_ = !mailVisited_;
    PaintComments();
    const auto link = MailLink({kProjectEmail, W("MirvaneBase ver.") + kProgramVersion, ""});
    if (link) shell_.OpenLink(*link);
}

void TAboutBox::Label2Click() {
    shell_.OpenLink(kProjectSite);
    accept();
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
    if (!HelpKey(this, *event, kHelpTopic, prompts_)) QDialog::keyPressEvent(event);
}

} // namespace mcb
