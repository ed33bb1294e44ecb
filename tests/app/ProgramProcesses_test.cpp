// The program as it runs, in real processes under the offscreen platform: one program per catalogue,
// a crashed program's claim harmless, the system's end request saving like the close box, a file size
// limit giving the write error.
#include "catalogue/ui/QtCatalogueClaims.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace mcb;

namespace {

const char* const kCatalogue = "[Common]\r\nLastCDID=00001\r\nContacts=0\r\n\r\n[Contacts]\r\n0=Ivan\r\n\r\n"
                               "[00001]\r\nNam=Solaris\r\nGin=0\r\nGiv=40000\r\nEnt=40000\r\n\r\n";
constexpr int kStartMs = 60000; // a start on a busy machine

} // namespace

class ProgramProcessesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> dir;
    std::vector<std::unique_ptr<QProcess>> programs;

    // Each program's settings in a folder of its own; the claims are the user's, in one folder.
    QProcessEnvironment Environment(const std::string& config) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(dir->File("run")));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(dir->File(config)));
        env.insert("XDG_DATA_HOME", QString::fromStdString(dir->File("data")));
        env.insert("HOME", QString::fromStdString(dir->File("home")));
        return env;
    }
    QProcess& Start(const QStringList& arguments, const std::string& config = "config") {
        auto& program = *programs.emplace_back(std::make_unique<QProcess>());
        program.setProcessEnvironment(Environment(config));
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(MCB_PROGRAM), arguments);
        program.waitForStarted(kStartMs);
        return program;
    }
    QString File(const std::string& name) const { return QString::fromStdString(dir->File(name)); }
    // True once a program holds the catalogue and has answered, its window shown.
    bool Answers(const std::string& catalogue) const {
        QtCatalogueClaims claims([] { return false; });
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kStartMs)
            if (claims.RaiseHolder(dir->File(catalogue))) return true;
        return false;
    }
    static bool Ends(QProcess& program) { return program.waitForFinished(kStartMs); }

private slots:
    void init() {
        dir = std::make_unique<test::TempDir>();
        ::mkdir(dir->File("run").c_str(), 0700);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir->File("run")));
        dir->Write("base.cbf", kCatalogue);
        dir->Write("other.cbf", kCatalogue);
    }
    void cleanup() {
        for (auto& program : programs) {
            if (program->state() == QProcess::NotRunning) continue;
            program->kill();
            program->waitForFinished();
        }
        programs.clear();
        dir.reset();
    }

    void secondStartBringsTheFirstToTheFront() {
        QProcess& first = Start({File("base.cbf")});
        QVERIFY(Answers("base.cbf"));
        for (const QString& name : {File("base.cbf"), File("sub/../base.cbf")}) {
            std::filesystem::create_directories(dir->File("sub"));
            QElapsedTimer clock;
            clock.start();
            QProcess& second = Start({name});
            QVERIFY(Ends(second));
            qInfo("second start ended after %lld ms", static_cast<long long>(clock.elapsed()));
            QCOMPARE(second.exitStatus(), QProcess::NormalExit);
            QCOMPARE(second.exitCode(), 0);
        }
        QCOMPARE(first.state(), QProcess::Running);
        // Another catalogue opens in a program of its own.
        Start({File("other.cbf")});
        QVERIFY(Answers("other.cbf"));
        QCOMPARE(first.state(), QProcess::Running);
    }

    // The system releases a crashed program's lock: the next start opens the catalogue, and a start
    // after that finds it.
    void crashedProgramKeepsNothingFromOpening() {
        QProcess& crashed = Start({File("base.cbf")});
        QVERIFY(Answers("base.cbf"));
        ::kill(pid_t(crashed.processId()), SIGKILL);
        QVERIFY(Ends(crashed));
        QProcess& next = Start({File("base.cbf")});
        QVERIFY(Answers("base.cbf"));
        QCOMPARE(next.state(), QProcess::Running);
        QProcess& third = Start({File("base.cbf")});
        QVERIFY(Ends(third));
        QCOMPARE(third.exitCode(), 0);
    }

    // SIGTERM (kill, shutdown) and SIGHUP (log-out) close the program like its close box, settings
    // saved, even with the debt reminder's window open, which would otherwise wait for an answer.
    void endRequestSavesLikeTheCloseBox() {
        for (const int signal : {SIGTERM, SIGHUP}) {
            dir->Write("config/mirvane-cdbase/MirvaneCDB.ini", "[Setup]\r\nDolgReminder=1\r\nDolgDays=15\r\n");
            QProcess& program = Start({File("base.cbf")});
            QVERIFY(Answers("base.cbf"));
            QTest::qWait(2500); // the reminder comes a second after the window
            ::kill(pid_t(program.processId()), signal);
            QVERIFY(Ends(program));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            const std::string settings = test::TempDir::Read(dir->File("config/mirvane-cdbase/MirvaneCDB.ini"));
            QVERIFY2(settings.find("BaseName=" + dir->File("base.cbf")) != std::string::npos, strsignal(signal));
            QVERIFY(settings.find("DolgReminder=1") != std::string::npos);
        }
    }

    // A file size limit makes the write fail with the program's message, instead of killing it.
    void fileSizeLimitGivesTheWriteError() {
        QProcess program;
        program.setProcessEnvironment(Environment("config"));
        program.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_DFL); // as a shell's ulimit -f leaves it
            const rlimit small{2048, 2048};
            ::setrlimit(RLIMIT_FSIZE, &small);
        });
        program.start(QStringLiteral(MCB_PROGRAM), {"--export", File("out"), File("base.cbf")});
        QVERIFY(program.waitForFinished(kStartMs));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString error = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(error.contains(QStringLiteral("не удалось записать файл ") + File("out.xlsx")), qPrintable(error));
        QVERIFY2(!error.contains(QStringLiteral("[ERROR]")), qPrintable(error));
        QVERIFY(!QFile::exists(File("out.xlsx")));
        // Without the limit the workbook gets its extension.
        QProcess unlimited;
        unlimited.setProcessEnvironment(Environment("config"));
        unlimited.start(QStringLiteral(MCB_PROGRAM), {"--export", File("out"), File("base.cbf")});
        QVERIFY(unlimited.waitForFinished(kStartMs));
        QCOMPARE(unlimited.exitCode(), 0);
        QVERIFY(QFile::exists(File("out.xlsx")));
    }
};

QTEST_MAIN(ProgramProcessesTest)
#include "ProgramProcesses_test.moc"
