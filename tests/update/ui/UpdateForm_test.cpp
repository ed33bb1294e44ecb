// The update window against a news server on the loopback address: a genuine news file, a wrong
// signature, an answer without end, a server that never answers, a redirect to plain HTTP; and the
// "NoUpdating" key written when the window closes.
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "storage/TextCodec.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"
#include "support/ui/NewsServer.h"
#include "update/UpdateFakes.h"
#include "update/UpdateTexts.h"
#include "update/ui/QtDownload.h"
#include "update/ui/TUpdateForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

using namespace mcb;
using mcb::test::NewsServer;

namespace {

QString Lines(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines) texts << QString::fromStdString(Utf8FromCp1251(line));
    return texts.join('\n');
}

} // namespace

class UpdateFormTest : public QObject {
    Q_OBJECT

private:
    test::TempDir dir;
    test::FixedClock clock{46364};
    test::FixedAddress address;
    test::ScriptedPrompts prompts;
    test::RecordingShell shell;
    QtDownload download;
    NewsServer server;
    std::unique_ptr<TUpdateForm> form;
    SetupSettings setup;

    void Open() {
        form = std::make_unique<TUpdateForm>(UpdateServices{clock, address, download, prompts, shell},
                                             server.Site().toStdString());
        form->Prepare(setup);
        form->show();
    }
    // Starts the check and waits until the window may be left again.
    void Check() {
        form->bbCheck->click();
        QTRY_VERIFY_WITH_TIMEOUT(form->bbCanc->isEnabled(), 15000);
    }
    std::string StoredNoUpdating() const {
        return TIniFile(kSettingsFileName).ReadString("Setup", "NoUpdating", "<none>");
    }

private slots:
    void initTestCase() { download.SetTimeLimit(2000); }
    void cleanup() { form.reset(); }

    // The window keeps its width and grows in height until the whole explanation shows without
    // scrolling, with the test's font and with a larger desktop font.
    void explainsBeforeChecking_data() {
        QTest::addColumn<int>("fontPixels");
        QTest::newRow("standard font") << 0;
        QTest::newRow("larger font") << 18;
    }
    void explainsBeforeChecking() {
        QFETCH(int, fontPixels);
        const QFont standard = QApplication::font();
        QFont font = standard;
        if (fontPixels) font.setPixelSize(fontPixels);
        QApplication::setFont(font);
        setup.UpdateDate = 100;
        Open();
        QApplication::setFont(standard);
        QCOMPARE(setup.UpdateDate, 46364);
        QCOMPARE(form->UpdaMemo->toPlainText(), Lines(ExplanationLines()));
        QVERIFY(form->CBnoCheck->isVisible());
        QCOMPARE(form->bbCheck->text(), QString("Проверить"));
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->UpdaMemo->verticalScrollBar()->maximum(), 0);
        QCOMPARE(form->width(), 296);
        QVERIFY(form->height() >= 220);
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->UpdaMemo->viewport()->grab().toImage().pixelColor(1, 1),
                 form->palette().color(QPalette::Window));
        QVERIFY(server.paths.isEmpty());
    }

    void checkAgainstTheServer_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<bool>("found");
        const QString failure = Lines({LoadingLine()}) + "\n" + Lines(FailureLines(server.Site().toStdString()));
        const QByteArray news = "[VersionList]\r\nSignature=Quillor\r\nversions=3\r\nversion1=1.8\r\nversion2=1.8.1\r\n"
                                "version3=1.9\r\n[1.9]\r\nLines=2\r\nline1=" +
                                QByteArray::fromStdString(W("Печать в PDF")) + "\r\nline2=<b>bold</b>\r\n";
        QTest::newRow("newer version")
            << int(NewsServer::Answer::File) << news
            << "Найдена новая версия программы.\nИзменения в новой версии:\n\nПечать в PDF\n<b>bold</b>\n"
               "-------------------\nТакие изменения в версии Mirvane CD Base 1.9\nСкачать новую версию ?"
            << true;
        QTest::newRow("nothing newer") << int(NewsServer::Answer::File) << QByteArray(news).replace("version3", "v3")
                                       << Lines({LoadingLine(), NotFoundLine()}) << false;
        QTest::newRow("signature in another case")
            << int(NewsServer::Answer::File) << QByteArray(news).replace("Quillor", "QUILLOR") << failure << false;
        QTest::newRow("no news file") << int(NewsServer::Answer::NotFound) << QByteArray() << failure << false;
        QTest::newRow("endless answer") << int(NewsServer::Answer::Endless) << QByteArray() << failure << false;
        QTest::newRow("no answer") << int(NewsServer::Answer::Silent) << QByteArray() << failure << false;
        QTest::newRow("redirect to plain HTTP")
            << int(NewsServer::Answer::RedirectToHttp) << QByteArray() << failure << false;
    }

    void checkAgainstTheServer() {
        QFETCH(int, answer);
        QFETCH(QByteArray, file);
        QFETCH(QString, memo);
        QFETCH(bool, found);
        server.answer = NewsServer::Answer(answer);
        server.file = file;
        server.paths.clear();
        server.sent = 0;
        Open();
        QElapsedTimer clock;
        clock.start();
        form->bbCheck->click();
        QVERIFY(!form->bbCanc->isEnabled());
        QCOMPARE(form->UpdaMemo->viewport()->cursor().shape(), Qt::WaitCursor);
        form->reject();
        QVERIFY2(form->isVisible(), "the window stays while the news file is on its way");
        QTRY_VERIFY_WITH_TIMEOUT(form->bbCanc->isEnabled(), 15000);

        QCOMPARE(form->UpdaMemo->toPlainText(), memo);
        QCOMPARE(form->bbCheck->text(), QString("Скачать"));
        QCOMPARE(form->bbCheck->isEnabled(), found);
        QVERIFY(!form->CBnoCheck->isVisible());
        QCOMPARE(form->size(), QSize(450, 320));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->UpdaMemo->viewport()->cursor().shape(), Qt::IBeamCursor);
        QCOMPARE(server.paths.value(0), QString("/whatnews.txt"));
        QCOMPARE(server.paths.size(), 1); // a redirect to plain HTTP is not followed
        QVERIFY(!std::filesystem::exists(dir.File("news.txt")));
        if (server.answer == NewsServer::Answer::Endless) {
            QVERIFY(server.sent > 64 * 1024);
            QVERIFY2(clock.elapsed() < 1800, "refused at the size cap, not at the time limit");
        }
        // Coarse timers may fire a little early.
        if (server.answer == NewsServer::Answer::Silent) QVERIFY(clock.elapsed() >= 1800);
    }

    void downloadOfferOpensThePackageAndCloses() {
        server.answer = NewsServer::Answer::File;
        server.file = "[VersionList]\r\nSignature=Quillor\r\nversions=2\r\nversion1=1.8.1\r\nversion2=2.0\r\n"
                      "[2.0]\r\nLines=1\r\nline1=x\r\n";
        Open();
        Check();
        form->bbCheck->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(prompts.asked, std::vector<std::string>{"message: " + DownloadOfferMessage()});
        QCOMPARE(shell.links, std::vector<std::string>{server.Site().toStdString() + "/mirvane-cdbase_2.0_amd64.deb"});
        QCOMPARE(StoredNoUpdating(), std::string("0"));
    }

    void closingWritesNoUpdating_data() {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("closing");
        QTest::newRow("ticked, Отмена") << true << "button";
        QTest::newRow("not ticked, Отмена") << false << "button";
        QTest::newRow("ticked, close box") << true << "close box";
        QTest::newRow("not ticked, Esc") << false << "escape";
    }

    void closingWritesNoUpdating() {
        QFETCH(bool, ticked);
        QFETCH(QString, closing);
        dir.Write("config/mirvane-cdbase/MirvaneCDB.ini", "[Setup]\r\nNoUpdating=" + std::string(ticked ? "0" : "1"));
        Open();
        if (ticked) form->CBnoCheck->click();
        if (closing == "button") form->bbCanc->click();
        if (closing == "close box") form->close();
        if (closing == "escape") QTest::keyClick(form.get(), Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        QCOMPARE(StoredNoUpdating(), std::string(ticked ? "1" : "0"));
    }

    // Told at start-up that the settings will not be saved, the user is not told again at each close.
    void closingLeavesARefusedSettingsFileAlone() {
        const std::string refused = "not a settings file\r\n";
        prompts.asked.clear();
        dir.Write("config/mirvane-cdbase/MirvaneCDB.ini", refused);
        Open();
        form->SetSettingsRefused(true);
        form->CBnoCheck->click();
        form->bbCanc->click();
        QVERIFY(!form->isVisible());
        QVERIFY(prompts.asked.empty());
        QCOMPARE(test::TempDir::Read(dir.File("config/mirvane-cdbase/MirvaneCDB.ini")), refused);
        std::filesystem::remove(dir.File("config/mirvane-cdbase/MirvaneCDB.ini"));
    }
};

QTEST_MAIN(UpdateFormTest)
#include "UpdateForm_test.moc"
