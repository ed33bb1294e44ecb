// The whole program by the keyboard alone: the order in which Tab visits the controls of every
// window and the names a screen reader is given for the controls without text; then a disc added
// with its genre, country and picture, lent to a new contact and returned, with no mouse event.
#include "WiredProgram.h"
#include "catalogue/ui/MainTableView.h"
#include "discs/ui/DiscInfoGroup.h"
#include "discs/ui/PictureBox.h"
#include "discs/ui/PictureRequests.h"
#include "discs/ui/TEditDisk.h"
#include "lists/ui/TDictForm.h"
#include "output/ui/ColourSwatch.h"
#include "platform/qt/ModalRun.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "support/ui/Keys.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <functional>

using namespace mcb;

namespace {

// The chain as seen from its expected first control (Tab order is a ring).
QStringList FromFirst(QStringList chain, const QString& first) {
    const qsizetype at = chain.indexOf(first);
    if (at > 0) chain = chain.mid(at) + chain.mid(0, at);
    return chain;
}

// Controls a screen reader could not name: buttons without text, pictures, colour fields and the
// owner-drawn table that have no accessible name, or one with mnemonic marks or a key column.
QStringList Unnamed(QWidget& window) {
    QStringList unnamed;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window || !w->isVisibleTo(&window)) continue;
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const bool needsName = (button && button->text().isEmpty()) || qobject_cast<PictureBox*>(w) ||
                               qobject_cast<ColourSwatch*>(w) || qobject_cast<MainTableView*>(w);
        const QString name = test::AccessibleName(w);
        if (needsName && (name.isEmpty() || name.contains('&') || name.contains('\t')))
            unnamed << w->objectName() + " \"" + name + "\"";
    }
    return unnamed;
}

} // namespace

class KeyboardRoadTest : public QObject {
    Q_OBJECT

private:
    test::WiredProgram program;
    test::TempDir& dir = program.dir;
    test::ScriptedPrompts& prompts = program.prompts;
    TMainForm* form = nullptr;

    std::string OnDisk(const std::string& section, const std::string& key) const {
        return TIniFile(dir.File("base.cbf")).ReadString(section, key, "<none>");
    }
    MainTableView* table() const { return form->table(); }
    // Shortcuts (F10, Alt and a letter) reach only the active window.
    void Activate() {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->FocusTable();
    }
    // Opens the menu bar by F10 and the menu of that position by the arrows.
    QMenu* MenuByF10(int position) {
        QTest::keyClick(table(), Qt::Key_F10);
        for (int i = 0; i < position; ++i) QTest::keyClick(form->menuBar()->activeAction()->menu(), Qt::Key_Right);
        QMenu* menu = form->menuBar()->activeAction()->menu();
        return menu && menu->isVisible() ? menu : nullptr;
    }

private slots:
    void initTestCase() {
        QImage cover(60, 40, QImage::Format_RGB32);
        cover.fill(Qt::darkBlue);
        cover.save(QString::fromStdString(dir.File("cover.png")));
        dir.Write("base.cbf", W("[Common]\r\nLastCDID=00001\r\nGenres=1\r\nCountries=1\r\nContacts=0\r\n"
                                "[Genres]\r\n0=Фантастика\r\n1=Драма\r\n[Countries]\r\n0=США\r\n1=Франция\r\n"
                                "[Contacts]\r\n0=Морфеус\r\n0_mail=m@example.org\r\n"
                                "[00001]\r\nNam=Солярис\r\nGin=0\r\nGiv=46000\r\nOth=-1\r\nLin=1\r\n"
                                "Li1=Океан\r\nImg1=\"?cover.png\"\r\nImg2=\"\"\r\n"));
        QVERIFY(program.Start());
        form = program.form.get();
    }
    void cleanupTestCase() { program.Stop(); }

    // Each window opened by its key or menu command: Tab visits its controls in reading order and
    // reaches every control that takes the focus; every control without text has a name.
    void everyWindowByTab_data() {
        QTest::addColumn<QString>("command"); // a key of the table, or a command's control name
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("disc editor") << "Insert"
                                     << QStringList{"EdNazva",    "EdNazva2",   "GenreBtn", "EdAudit", "EdRoles",
                                                    "CompanyBtn", "EdDirector", "EdYear",   "EdLong",  "CountryBtn",
                                                    "EdCarrier",  "EdKolvo",    "CbOther",  "EdOpis",  "CBpictCopy",
                                                    "Pict1",      "Pict2",      "BitBtn1",  "BitBtn2"};
        QTest::newRow("filter") << "F6"
                                << QStringList{"FiChNal", "FiChDolg", "FiSelDol", "FiNaz",   "FiSubNaz",   "FiSelGen",
                                               "FiAu0",   "FiAu1",    "FiAu2",    "FiAu3",   "FiSelCount", "FiSelComp",
                                               "RbPri1",  "RbPri2",   "RbPri3",   "BtClear", "BtClose"};
        QTest::newRow("summary") << "Enter" << QStringList{"nfo", "Pic1", "PrintNfo", "BitBtn2"};
        QTest::newRow("list") << "mmGenres" << QStringList{"RecAdd", "RecEdit", "RecKill", "dict", "SBimport", "BtOk"};
        QTest::newRow("settings") << "mmMainSetup"
                                  << QStringList{"LBSort",    "CBBackUp",    "SEMultiTrunc", "EmptyFields", "ShowNew",
                                                 "SEShowNew", "CBMag",       "CBTrunc",      "SELines",     "CBNew",
                                                 "CBEdit",    "CBDelete",    "CBGive",       "CBReturn",    "CBDolg",
                                                 "SEDolg",    "CBColorDolg", "BitBtn1"};
        QTest::newRow("about") << "mmAboutPrg" << QStringList{"Comments", "Label2", "OKButton"};
        QTest::newRow("journal") << "mmMagazine" << QStringList{"MemoMag", "ButEd", "Button2"};
        QTest::newRow("print") << "mmPrintBase"
                               << QStringList{"BtPrSetup", "BtFntSetup",   "CBFilter", "CBLine",  "CBDiskInfo",
                                              "CBPageNum", "CBColorPrint", "bbPrint",  "bbCancel"};
        QTest::newRow("export") << "mmExcel"
                                << QStringList{"CBHead", "dolginfo", "RB1", "RB2", "RB3", "RB4", "Export", "Button1"};
        QTest::newRow("update check") << "N22" << QStringList{"UpdaMemo", "CBnoCheck", "bbCheck", "bbCanc"};
    }
    void everyWindowByTab() {
        QFETCH(QString, command);
        QFETCH(QStringList, chain);
        table()->SelectRow(0);
        QStringList visited, reachable, unnamed;
        QueueModalScript([&](QDialog& window) {
            visited = FromFirst(test::TabChain(window), chain.first());
            reachable = test::TabControls(window);
            unnamed = Unnamed(window);
        });
        static const QHash<QString, Qt::Key> kKeys = {
            {"Insert", Qt::Key_Insert}, {"F6", Qt::Key_F6}, {"Enter", Qt::Key_Return}};
        if (kKeys.contains(command))
            QTest::keyClick(table(), kKeys[command]);
        else
            form->commands()[command.toLatin1().constData()]->trigger();
        QCOMPARE(PendingModalScripts(), 0);
        QCOMPARE(visited, chain);
        QStringList sorted = chain;
        sorted.sort();
        QCOMPARE(reachable, sorted);
        QCOMPARE(unnamed, QStringList());
    }

    // The main window: the column toggles, the table, the search field, then the disc's information.
    void mainWindowByTab() {
        table()->SelectRow(0); // Солярис: lent, with a description and a picture
        form->FocusTable();
        QStringList chain;
        for (int k = 30; k <= 40; ++k) chain << QStringLiteral("ToolButton%1").arg(k);
        chain << "ToolButton42"
              << "MainTable"
              << "SearchEdit"
              << "BtEmail"
              << "MemoBtn"
              << "ImgBtn"
              << "DiskMemo";
        QCOMPARE(FromFirst(test::TabChain(*form), "ToolButton30"), chain);
        QStringList sorted = chain;
        sorted.sort();
        QCOMPARE(test::TabControls(*form), sorted);
        QCOMPARE(Unnamed(*form), QStringList());
        QCOMPARE(test::AccessibleName(form->findChild<QWidget*>("ToolButton7")), QStringLiteral("Добавить в базу"));

        // Enter on the description opens it in its window; the focus comes back to the table.
        auto* group = form->findChild<DiscInfoGroup*>();
        QVERIFY(test::TabTo(*form, "DiskMemo"));
        QString shown;
        QueueModalScript([&](QDialog& window) { shown = window.windowTitle(); });
        QTest::keyClick(group->DiskMemo, Qt::Key_Return);
        QVERIFY(shown.contains(QStringLiteral("Солярис")));
        QCOMPARE(form->focusWidget(), static_cast<QWidget*>(table()));
    }

    // Open the editor, fill title, genre and country, choose a picture, save, lend the disc to a
    // new contact and take it back: keys only.
    void wholeRoadByKeys() {
        Activate();
        test::WhenShown<TEditDisk>([this](TEditDisk& editor) {
            test::TypeKeys(editor.EdNazva, QStringLiteral("Матрица"));
            QVERIFY(test::TabTo(editor, "GenreBtn"));
            test::WhenShown<TDictForm>([](TDictForm& list) {
                QTest::keyClick(list.dict, Qt::Key_Down); // Драма, Фантастика
                QTest::keyClick(list.dict, Qt::Key_Return);
            });
            QTest::keyClick(editor.GenreBtn, Qt::Key_Space);
            QCOMPARE(editor.EdGenre->text(), QStringLiteral("Фантастика"));
            QVERIFY(test::TabTo(editor, "CountryBtn"));
            test::WhenShown<TDictForm>([](TDictForm& list) {
                QTest::keyClick(list.dict, Qt::Key_Down); // США, Франция
                QTest::keyClick(list.dict, Qt::Key_Enter);
            });
            QTest::keyClick(editor.CountryBtn, Qt::Key_Return);
            QCOMPARE(editor.EdCountry->text(), QStringLiteral("Франция"));
            QVERIFY(test::TabTo(editor, "Pict1"));
            prompts.ExpectText(dir.File("cover.png"));
            QTest::keyClick(editor.Pict1, Qt::Key_Return);
            PictureRequests::WaitForDone(); // the picture is decoded away from the window's thread
            QCoreApplication::processEvents();
            QVERIFY(!editor.Pict1->ShowsPlaceholder());
            QVERIFY(test::TabTo(editor, "BitBtn1"));
            QTest::keyClick(editor.BitBtn1, Qt::Key_Return);
            QVERIFY(!editor.isVisible());
        });
        QTest::keyClick(table(), Qt::Key_Insert);
        QCOMPARE(OnDisk("00002", "Nam"), W("Матрица"));
        QCOMPARE(OnDisk("00002", "Gen"), std::string("0"));
        QCOMPARE(OnDisk("00002", "Cou"), std::string("1"));
        QVERIFY(OnDisk("00002", "Img1").find("cover.png") != std::string::npos ||
                OnDisk("00002", "Img1") == "\"?00002_1.png\"");

        // "Матрица" sorts before "Солярис".
        Activate();
        QTest::keyClick(table(), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(form->CurrentDiscId(), std::string("00002"));
        QMenu* discs = MenuByF10(1);
        QVERIFY(discs);
        QCOMPARE(discs->objectName(), QString("mmDisk"));
        prompts.Expect(Answer::Yes); // lend it?
        prompts.ExpectText(W("Нео"));
        prompts.ExpectText(std::string("neo@example.org"));
        prompts.ExpectText(std::string());
        test::WhenShown<TDictForm>([](TDictForm& list) {
            QTest::keyClick(list.dict, Qt::Key_Insert); // the new contact becomes the current row
            QTest::keyClick(list.dict, Qt::Key_Return);
        });
        test::TypeKeys(discs, QStringLiteral("о")); // "Отдать диск"
        QCOMPARE(OnDisk("Contacts", "1"), W("Нео"));
        QCOMPARE(OnDisk("00002", "Gin"), std::string("1"));

        Activate();
        test::TypeKeys(table(), QStringLiteral("д"), Qt::AltModifier); // "Диски"
        QTRY_VERIFY(discs->isVisible());
        prompts.Expect(Answer::Yes);                // take it back?
        test::TypeKeys(discs, QStringLiteral("з")); // "Забрать диск"
        QCOMPARE(OnDisk("00002", "Gin"), std::string("-1"));
        QVERIFY(prompts.Exhausted());
        QCOMPARE(PendingModalScripts(), 0);
    }
};

QTEST_MAIN(KeyboardRoadTest)
#include "KeyboardRoad_test.moc"
