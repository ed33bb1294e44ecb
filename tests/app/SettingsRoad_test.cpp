// The settings dialog, the about box and the update window in the wired program: the dialog changes
// the table as soon as it closes but writes the settings file only when the program closes; the update
// window opens by hand and, when due, by itself after start-up, and writes "NoUpdating" at once.
#include "WiredProgram.h"
#include "catalogue/TableTypes.h"
#include "catalogue/ui/MainTableView.h"
#include "lists/ui/TAboutBox.h"
#include "lists/ui/TSetupForm.h"
#include "platform/qt/ModalRun.h"
#include "storage/MyIniFiles.h"
#include "support/ui/NewsServer.h"
#include "update/UpdateSite.h"
#include "update/ui/TUpdateForm.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <set>

using namespace mcb;

namespace {

// The catalogue's folder, without the settings folder that the tests keep there too.
std::set<std::string> FolderNames(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename() != "config") names.insert(entry.path().filename());
    return names;
}

std::string Stored(const test::TempDir& dir, const char* key) {
    return TIniFile(dir.SettingsFile()).ReadString("Setup", key, "<none>");
}

} // namespace

class SettingsRoadTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WiredProgram> program;

    void Start(const std::string& settings, const char* lentGin = "-1") {
        program = std::make_unique<test::WiredProgram>();
        program->dir.Write("base.cbf", "[Common]\r\nLastCDID=00002\r\n[00001]\r\nNam=Beta\r\nEnt=46364\r\nGin=-1\r\n"
                                       "[00002]\r\nNam=Alpha\r\nEnt=40000\r\nGin=" +
                                           std::string(lentGin) + "\r\n");
        if (!settings.empty()) program->dir.Write("config/mirvane-cdbase/MirvaneCDB.ini", settings);
        QVERIFY(program->Start());
    }
    QString Titles() const {
        const QAbstractItemModel* model = program->form->table()->model();
        QStringList titles;
        for (int row = 0; row < model->rowCount(); ++row) titles << model->data(model->index(row, 1)).toString();
        return titles.join('|');
    }
    QString Heading(int column) const {
        return program->form->table()->model()->headerData(column, Qt::Horizontal).toString();
    }

private slots:
    void cleanup() { program.reset(); }

    void settingsChangeTheTableAtOnceAndTheFileAtClose() {
        Start("");
        QCOMPARE(Titles(), QString("Alpha|Beta") + kNewMark);
        QVERIFY(Heading(1).startsWith("#"));
        test::WhenShown<TSetupForm>([](TSetupForm& setup) {
            setup.LBSort->setCurrentRow(0);
            setup.ShowNew->click();
            setup.BitBtn1->click();
        });
        program->form->commands()["mmMainSetup"]->trigger();
        QCOMPARE(PendingModalScripts(), 0);
        QCOMPARE(Titles(), QString("Beta|Alpha")); // in file order, without the new-disc mark
        QVERIFY(!Heading(1).startsWith("#"));
        QVERIFY(program->form->table()->hasFocus() || !program->form->isActiveWindow());
        QVERIFY(!std::filesystem::exists(program->dir.SettingsFile()));

        test::WhenShown<TSetupForm>([](TSetupForm& setup) {
            setup.LBSort->setCurrentRow(1);
            QTest::keyClick(&setup, Qt::Key_Escape);
        });
        program->form->commands()["mmMainSetup"]->trigger();
        QCOMPARE(Titles(), QString("Alpha|Beta"));
        QVERIFY(Heading(1).startsWith("#"));
        QVERIFY(!std::filesystem::exists(program->dir.SettingsFile()));

        program->Stop();
        QCOMPARE(Stored(program->dir, "SortOrder"), std::string("1"));
        QCOMPARE(Stored(program->dir, "ShowNewCD"), std::string("0"));
    }

    // Whether the title of the lent disc Alpha (row 0) is drawn in the lent-disc colour.
    bool AlphaInLentColour() const {
        MainTableView* table = program->form->table();
        table->clearSelection();
        QFont plain = table->font();
        plain.setStyleStrategy(QFont::NoAntialias); // exact ink colours in the grabbed pixels
        table->setFont(plain);
        const QImage shown = table->viewport()->grab().toImage();
        const QRect cell = table->visualRect(table->model()->index(0, 1));
        const QRgb lent = program->form->tableColours().lent.rgb();
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                if (shown.pixelColor(x, y).rgb() == lent) return true;
        return false;
    }

    void lentColourSwitchTakesEffectWhenTheDialogCloses() {
        Start("", "0");
        QVERIFY(AlphaInLentColour());
        for (bool expected : {false, true}) {
            test::WhenShown<TSetupForm>([](TSetupForm& setup) {
                setup.CBColorDolg->click();
                setup.BitBtn1->click();
            });
            program->form->commands()["mmMainSetup"]->trigger();
            QCOMPARE(PendingModalScripts(), 0);
            QCOMPARE(AlphaInLentColour(), expected);
        }
    }

    void aboutBoxOpensFromTheHelpMenu() {
        Start("");
        test::WhenShown<TAboutBox>([](TAboutBox& about) { about.OKButton->click(); });
        program->form->commands()["mmAboutPrg"]->trigger();
        QCOMPARE(PendingModalScripts(), 0);
    }

    void updateWindowByHandWritesNoUpdatingAtOnce() {
        Start("[Setup]\r\nNoUpdating=1\r\n");
        test::WhenShown<TUpdateForm>([](TUpdateForm& update) { update.bbCanc->click(); });
        program->form->commands()["N22"]->trigger();
        QCOMPARE(PendingModalScripts(), 0);
        QCOMPARE(Stored(program->dir, "NoUpdating"), std::string("0"));
    }

    // The news file is no business of the catalogue's folder: a file of the user's there that looks
    // like a leftover download stays, and nothing is added or removed.
    void updateCheckLeavesTheCatalogueFolderAlone() {
        test::NewsServer server;
        server.file = "[VersionList]\r\nSignature=Quillor\r\nversions=1\r\nversion1=1.8.1\r\n";
        qputenv("MIRVANE_UPDATE_SITE", server.Site().toUtf8());
        Start("");
        qunsetenv("MIRVANE_UPDATE_SITE");
        program->dir.Write("~news.tmp", "the user's own");
        const std::set<std::string> before = FolderNames(program->dir.Path());
        test::WhenShown<TUpdateForm>([](TUpdateForm& update) {
            update.bbCheck->click();
            QTRY_VERIFY_WITH_TIMEOUT(update.bbCanc->isEnabled(), 15000);
            update.bbCanc->click();
        });
        program->form->commands()["N22"]->trigger();
        QCOMPARE(PendingModalScripts(), 0);
        if (server.paths.isEmpty()) QSKIP("this computer has no network address, so nothing was downloaded");
        QCOMPARE(FolderNames(program->dir.Path()), before);
        QCOMPARE(test::TempDir::Read(program->dir.File("~news.tmp")), std::string("the user's own"));
    }

    // Told once at start-up that the settings are not saved, the user is not told again.
    void updateWindowLeavesARefusedSettingsFileAlone() {
        const std::string refused = "not a settings file\r\n";
        Start(refused);
        const std::size_t told = program->prompts.asked.size();
        QCOMPARE(told, std::size_t(1));
        test::WhenShown<TUpdateForm>([](TUpdateForm& update) { update.bbCanc->click(); });
        program->form->commands()["N22"]->trigger();
        QCOMPARE(PendingModalScripts(), 0);
        QCOMPARE(program->prompts.asked.size(), told);
        QCOMPARE(test::TempDir::Read(program->dir.SettingsFile()), refused);
    }

    void updateWindowOpensByItselfWhenDue_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("site");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("noUpdating"); // in the file afterwards
        const QString mirror = "https://mirror.test", placeholder = kPlaceholderUpdateSite;
        QTest::newRow("21 days") << "UpdateDate=46343" << mirror << true << "1";
        QTest::newRow("20 days") << "UpdateDate=46344" << mirror << false << "<none>";
        QTest::newRow("switched off") << "UpdateDate=0\r\nNoUpdating=1" << mirror << false << "1";
        QTest::newRow("no site yet") << "UpdateDate=46343" << placeholder << false << "<none>";
    }

    void updateWindowOpensByItselfWhenDue() {
        QFETCH(QString, setup);
        QFETCH(QString, site);
        QFETCH(bool, opens);
        QFETCH(QString, noUpdating);
        qputenv("MIRVANE_UPDATE_SITE", site.toUtf8());
        QString shown;
        QueueModalScript([&shown](QDialog& dialog) {
            shown = dialog.metaObject()->className();
            if (auto* update = qobject_cast<TUpdateForm*>(&dialog)) {
                update->CBnoCheck->click();
                update->bbCanc->click();
            }
        });
        Start("[Setup]\r\n" + setup.toStdString() + "\r\n");
        QTest::qWait(1500);
        if (!opens) {
            QDialog nothingElse; // takes the script that no window took
            RunModal(nothingElse);
        }
        qunsetenv("MIRVANE_UPDATE_SITE");
        QCOMPARE(shown, QString(opens ? "mcb::TUpdateForm" : "QDialog"));
        QCOMPARE(QString::fromStdString(Stored(program->dir, "NoUpdating")), noUpdating);
    }
};

QTEST_MAIN(SettingsRoadTest)
#include "SettingsRoad_test.moc"
