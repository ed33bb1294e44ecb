// The about box: the version shown once, the mail link with its visited mark, the home page link.
#include "lists/ui/LinkLabel.h"
#include "lists/ui/TAboutBox.h"
#include "platform/qt/ModalRun.h"
#include "support/FakeServices.h"
#include "support/ui/Keys.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace mcb;

class AboutBoxTest : public QObject {
    Q_OBJECT

private:
    test::RecordingShell shell;
    test::ScriptedPrompts prompts;
    TAboutBox box{shell, prompts};

    void Open(const std::function<void()>& user) {
        QueueModalScript([&](QDialog&) { user(); });
        box.Execute();
        QCOMPARE(PendingModalScripts(), 0);
    }

private slots:
    void versionShownOnceHoweverOftenOpened() {
        for (int opening = 0; opening < 3; ++opening)
            Open([this] {
                QCOMPARE(box.Version->text(), QString("Version 1.8.1"));
                box.OKButton->click();
            });
        QVERIFY(!box.isVisible());
        QCOMPARE(box.ProductName->text(), QString("Mirvane CD Base"));
        QVERIFY(shell.links.empty());
    }

    void mailLinkTogglesItsMarkAndOpensAPlainLink() {
        Open([this] {
            const QColor green = box.Comments->palette().color(QPalette::Window);
            QTest::mouseClick(box.Comments, Qt::LeftButton);
            QVERIFY(box.mailVisited());
            QVERIFY(box.Comments->palette().color(QPalette::Window) != green);
            QTest::mouseClick(box.Comments, Qt::LeftButton);
            QVERIFY(!box.mailVisited());
            QCOMPARE(box.Comments->palette().color(QPalette::Window), green);
            QVERIFY(box.isVisible());
        });
        QCOMPARE(shell.links.size(), 2u);
        const QString link = QString::fromStdString(shell.links[0]);
        QVERIFY(link.startsWith("mailto:"));
        QVERIFY(link.endsWith("?subject=MirvaneBase%20ver.1.8.1"));
        QVERIFY(!link.contains(' '));
        shell.links.clear();
    }

    void homePageOpensAndClosesTheBox() {
        Open([this] {
            QTest::mouseClick(box.Label2, Qt::LeftButton);
            QVERIFY(!box.isVisible());
        });
        QCOMPARE(shell.links.size(), 1u);
        QVERIFY(QString::fromStdString(shell.links[0]).startsWith("https://"));
        QVERIFY(prompts.asked.empty());
    }

    // Tab reaches both links after the button; Enter on the mail link opens it and keeps the box,
    // Enter on the home page opens it and closes the box.
    void linksByTabAndEnter() {
        shell.links.clear();
        Open([this] {
            QCOMPARE(test::TabChain(box), QStringList({"OKButton", "Comments", "Label2"}));
            QVERIFY(test::TabTo(box, "Comments"));
            QTest::keyClick(box.focusWidget(), Qt::Key_Return);
            QVERIFY(box.isVisible());
            QVERIFY(box.mailVisited());
            QVERIFY(test::TabTo(box, "Label2"));
            QTest::keyClick(box.focusWidget(), Qt::Key_Enter);
            QVERIFY(!box.isVisible());
        });
        QCOMPARE(shell.links.size(), 2u);
        QVERIFY(QString::fromStdString(shell.links[0]).startsWith("mailto:"));
        QVERIFY(QString::fromStdString(shell.links[1]).startsWith("https://"));
        shell.links.clear();
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBox_test.moc"
