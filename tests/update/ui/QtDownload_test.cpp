// The download against servers on the loopback address that answer well, badly or with hostile
// intent: whatever ends it, the result is known before the time limit when the answer breaks the
// bounds, and the connection is closed at once, so that nothing more is read or held.
#include "support/TempDir.h"
#include "support/ui/NewsServer.h"
#include "update/ui/QtDownload.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <optional>

using namespace mcb;
using mcb::test::NewsServer;

namespace {

constexpr int kTimeLimit = 2000;

const QByteArray kNews = "[VersionList]\r\nSignature=Quillor\r\nversions=1\r\nversion1=1.8.1\r\n";

} // namespace

class QtDownloadTest : public QObject {
    Q_OBJECT

private:
    test::TempDir dir;
    NewsServer server;

private slots:
    void endsWithinTheBounds_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("early"); // known well before the time limit
        const auto row = [](const char* name, NewsServer::Answer answer, DownloadResult result, bool early) {
            QTest::newRow(name) << int(answer) << int(result) << early;
        };
        row("file", NewsServer::Answer::File, DownloadResult::Ok, true);
        row("chunked", NewsServer::Answer::Chunked, DownloadResult::Ok, true);
        row("until closed", NewsServer::Answer::UntilClosed, DownloadResult::Ok, true);
        row("cut off", NewsServer::Answer::CutOff, DownloadResult::Failed, true);
        row("not found", NewsServer::Answer::NotFound, DownloadResult::Failed, true);
        row("redirect to plain HTTP", NewsServer::Answer::RedirectToHttp, DownloadResult::Refused, true);
        row("endless body", NewsServer::Answer::Endless, DownloadResult::TooLarge, true);
        row("flood of header fields", NewsServer::Answer::FloodHeaders, DownloadResult::Failed, true);
        row("endless header line", NewsServer::Answer::EndlessHeaderLine, DownloadResult::Failed, true);
        row("dripping header", NewsServer::Answer::Drip, DownloadResult::TimedOut, false);
        row("silence", NewsServer::Answer::Silent, DownloadResult::TimedOut, false);
    }

    void endsWithinTheBounds() {
        QFETCH(int, answer);
        QFETCH(int, result);
        QFETCH(bool, early);
        server.answer = NewsServer::Answer(answer);
        server.file = kNews;
        server.sent = 0;
        server.paths.clear();
        const std::string path = dir.File("news.txt");
        QtDownload download;
        download.SetTimeLimit(kTimeLimit);
        std::optional<DownloadResult> got;
        QElapsedTimer clock;
        clock.start();
        download.Fetch((server.Site() + "/whatnews.txt").toStdString(), path, [&](DownloadResult r) { got = r; });
        QTRY_VERIFY_WITH_TIMEOUT(got.has_value(), 3 * kTimeLimit);
        const qint64 elapsed = clock.elapsed();

        QCOMPARE(int(*got), result);
        QCOMPARE(server.paths, QStringList{"/whatnews.txt"});
        if (early) QVERIFY2(elapsed < kTimeLimit * 9 / 10, qPrintable(QString::number(elapsed)));
        if (!early) QVERIFY(elapsed >= kTimeLimit * 9 / 10); // coarse timers may fire a little early
        QTRY_VERIFY2_WITH_TIMEOUT(server.OpenConnections() == 0, "the connection is closed at once", 500);
        QCOMPARE(QFile::exists(QString::fromStdString(path)), result == int(DownloadResult::Ok));
        if (result == int(DownloadResult::Ok)) QCOMPARE(QByteArray::fromStdString(test::TempDir::Read(path)), kNews);
        QFile::remove(QString::fromStdString(path));
    }

    // Closing the program in the middle of a download closes its connection, and reports nothing.
    void goingAwayClosesTheConnection() {
        server.answer = NewsServer::Answer::Drip;
        server.paths.clear();
        bool reported = false;
        {
            QtDownload download;
            download.Fetch((server.Site() + "/whatnews.txt").toStdString(), dir.File("news.txt"),
                           [&](DownloadResult) { reported = true; });
            QTRY_COMPARE(server.paths.size(), 1);
        }
        QTRY_VERIFY_WITH_TIMEOUT(server.OpenConnections() == 0, 500);
        QTest::qWait(50);
        QVERIFY(!reported);
    }

    void refusesAddressesOutsideThePolicy_data() {
        QTest::addColumn<QString>("url");
        QTest::newRow("plain HTTP elsewhere") << "http://example.test/whatnews.txt";
        QTest::newRow("not a web address") << "ftp://127.0.0.1/whatnews.txt";
        QTest::newRow("no host") << "https:///whatnews.txt";
    }
    void refusesAddressesOutsideThePolicy() {
        QFETCH(QString, url);
        QtDownload download;
        std::optional<DownloadResult> got;
        download.Fetch(url.toStdString(), dir.File("news.txt"), [&](DownloadResult r) { got = r; });
        QVERIFY(got == DownloadResult::Refused);
    }
};

QTEST_MAIN(QtDownloadTest)
#include "QtDownload_test.moc"
