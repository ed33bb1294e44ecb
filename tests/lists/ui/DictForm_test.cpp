// The reference-list window in its three modes, driven through its widgets with scripted answers.
#include "lists/ui/TDictForm.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"
#include "storage/TextCodec.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"
#include "support/ui/Keys.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

using mcb::DictKind;
using mcb::DictParams;
using mcb::TDictForm;
using mcb::W;
using mcb::test::TempDir;

class DictFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempDir> dir;
    std::unique_ptr<mcb::TIniFile> catalogue;
    std::unique_ptr<mcb::test::ScriptedPrompts> prompts;
    std::unique_ptr<TDictForm> form;
    mcb::Settings settings;
    DictParams params;

    void Open(DictKind kind, bool editMode, bool multiSelect, const std::string& selection = "") {
        params = DictParams{kind, editMode, multiSelect, selection};
        form->Prepare(params);
        form->show();
    }
    QStringList Column(int column = 0) const {
        QStringList texts;
        for (int row = 0; row < form->dict->rowCount(); ++row) {
            const QTableWidgetItem* item = form->dict->item(row, column);
            texts << (item ? item->text() : QString());
        }
        return texts;
    }
    QString Asked(std::size_t i) const { return QString::fromStdString(mcb::Utf8FromCp1251(prompts->asked.at(i))); }
    std::string Stored(const char* section, const char* key) const {
        const mcb::TIniFile fresh(dir->File("base.cbf"));
        return mcb::Utf8FromCp1251(fresh.ReadString(section, key, "<none>"));
    }
    void SelectRowOf(const QString& name) {
        const int row = int(Column().indexOf(name));
        QVERIFY(row >= 0);
        form->dict->setCurrentCell(row, 0);
    }
    void Key(Qt::Key key) { QTest::keyClick(form->dict, key); }

private slots:
    void init() {
        dir = std::make_unique<TempDir>();
        dir->Write("base.cbf", W("[Common]\r\nGenres=2\r\nContacts=1\r\nLastCDID=00001\r\n"
                                 "[Genres]\r\n0=Драма\r\n1=Комедия\r\n2=Боевик\r\n"
                                 "[Contacts]\r\n0=Петров\r\n0_mail=p@x.ru\r\n0_phone=1\r\n1=Сидоров\r\n"
                                 "[00001]\r\nNam=Фильм\r\nGen=0\r\nGin=-1\r\nOth=-1\r\n"));
        catalogue = std::make_unique<mcb::TIniFile>(dir->File("base.cbf"));
        prompts = std::make_unique<mcb::test::ScriptedPrompts>();
        settings = mcb::Settings{};
        form = std::make_unique<TDictForm>(*catalogue, settings, *prompts);
    }
    void cleanup() {
        form.reset();
        catalogue.reset();
        dir.reset();
    }

    void plainEditingAddsChangesAndDeletesByKeys() {
        Open(DictKind::Genres, true, false);
        QCOMPARE(form->windowTitle(), QStringLiteral("Список"));
        QVERIFY(form->btCanc->isHidden());
        QVERIFY(form->La->isHidden() && form->multi->isHidden() && form->SelAll->isHidden());
        QCOMPARE(form->dict->toolTip(), QStringLiteral("Редактируйте выбранное поле двойным щелчком мышки"));
        QCOMPARE(form->dict->horizontalHeaderItem(0)->text(), QStringLiteral("Жанры"));
        QCOMPARE(Column(), (QStringList{"Боевик", "Драма", "Комедия"}));
        QCOMPARE(form->minimumSize(), QSize(420, 300));

        prompts->ExpectText(W("  вестерн"));
        Key(Qt::Key_Insert);
        QCOMPARE(Asked(0), QStringLiteral("input: Жанры / Введите новый жанр"));
        QCOMPARE(Column(), (QStringList{"Боевик", "Вестерн", "Драма", "Комедия"}));
        QCOMPARE(form->dict->currentRow(), 1);
        QCOMPARE(Stored("Genres", "3"), std::string("Вестерн"));
        QCOMPARE(form->focusWidget(), form->dict);

        SelectRowOf("Комедия");
        prompts->ExpectText(W("Аниме"));
        Key(Qt::Key_F2);
        QCOMPARE(Asked(1), QStringLiteral("input: Жанры / Исправление жанра"));
        QCOMPARE(Stored("Genres", "1"), std::string("Аниме"));

        SelectRowOf("Драма"); // a disc refers to it
        prompts->Expect(mcb::Answer::Yes);
        Key(Qt::Key_Delete);
        QCOMPARE(Asked(3), QStringLiteral("message: Невозможно удалить жанр \"Драма\" из списка. На жанр имеются "
                                          "ссылки в базе."));
        SelectRowOf("Боевик");
        prompts->Expect(mcb::Answer::Yes);
        form->N3->trigger();
        QCOMPARE(Column(), (QStringList{"Аниме", "Вестерн", "Драма"}));

        QTest::keyClick(form->dict, Qt::Key_Return);
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QVERIFY(prompts->Exhausted());
    }

    void doubleClickOnAnEmptyListAdds() {
        dir->Write("empty.cbf", "[Common]\r\n");
        mcb::TIniFile empty(dir->File("empty.cbf"));
        TDictForm emptyForm(empty, settings, *prompts);
        params = DictParams{DictKind::Countries, true, false, ""};
        emptyForm.Prepare(params);
        emptyForm.show();
        QCOMPARE(emptyForm.dict->rowCount(), 1);
        prompts->ExpectText(W("франция"));
        const QPoint cell = emptyForm.dict->visualRect(emptyForm.dict->model()->index(0, 0)).center();
        // A real double click starts with a press on the cell.
        QTest::mouseClick(emptyForm.dict->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(emptyForm.dict->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(emptyForm.dict->item(0, 0)->text(), QStringLiteral("Франция"));
    }

    void singleSelectionPicksTheCurrentEntry() {
        Open(DictKind::Genres, false, false, "1");
        QVERIFY(!form->btCanc->isHidden());
        QCOMPARE(form->dict->toolTip(), QStringLiteral("Выбирайте поле двойным щелчком мышки"));
        QCOMPARE(form->dict->item(form->dict->currentRow(), 0)->text(), QStringLiteral("Комедия"));
        form->dict->setCurrentCell(0, 0);
        Key(Qt::Key_Space);
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(params.selection, std::string("2"));

        Open(DictKind::Genres, false, false, "0");
        QTest::mouseClick(form->btCanc, Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Rejected));
    }

    void multiSelectionTogglesAndSelectsAll() {
        Open(DictKind::Genres, false, true, "2 7 0");
        QVERIFY(!form->La->isHidden() && !form->multi->isHidden() && !form->SelAll->isHidden());
        QCOMPARE(form->dict->toolTip(),
                 QStringLiteral("Добавляйте и удаляйте поле из списка выбора двойным щелчком мышки"));
        QCOMPARE(form->multi->text(), QStringLiteral("Боевик; Драма"));
        SelectRowOf("Комедия");
        Key(Qt::Key_Space);
        QCOMPARE(form->multi->text(), QStringLiteral("Боевик; Драма; Комедия"));
        QVERIFY(form->isVisible());
        QTest::mouseClick(form->SelAll, Qt::LeftButton);
        QCOMPARE(form->multi->text(), QStringLiteral("[ Все жанры ]"));
        Key(Qt::Key_Space);
        QCOMPARE(params.selection, std::string("1"));
        QTest::mouseClick(form->BtOk, Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Accepted));
    }

    void contactsKeepTheirColumnWidths() {
        Open(DictKind::Genres, true, false);
        form->close();
        QVERIFY(!QFile::exists(QString::fromStdString(dir->SettingsFile())));

        // The first time, each column takes a third of the list as it is laid out.
        Open(DictKind::Contacts, true, false);
        const int third = form->dict->contentsRect().width() / 3;
        QVERIFY(third > 100);
        for (int column = 0; column < 3; ++column) QCOMPARE(form->dict->columnWidth(column), third);
        QCOMPARE(form->dict->columnCount(), 3);
        QCOMPARE(Column(1), (QStringList{"p@x.ru", ""}));
        QCOMPARE(form->dict->horizontalHeaderItem(2)->text(), QStringLiteral("Телефон"));
        form->dict->setColumnWidth(1, 77);
        form->close();
        const mcb::TIniFile stored(dir->SettingsFile());
        QCOMPARE(stored.ReadInteger("DictTable", "Width1", 0), 77);

        Open(DictKind::Contacts, true, false);
        QCOMPARE(form->dict->columnWidth(1), 77);
    }

    // Names, e-mail and telephone go to the catalogue in Windows-1251: a character it cannot hold is
    // named, and the input box comes back with the text as typed rather than storing "?".
    void contactInputThatCannotBeStoredIsRefusedAndKept() {
        Open(DictKind::Contacts, true, false);
        for (const char* typed : {"Łódź", "Мюллер", "müller@x.de", "muller@x.de", "+48 ☎ 12", "+48 12"})
            prompts->ExpectTyped(typed);
        Key(Qt::Key_Insert);
        std::vector<std::string> refusals;
        for (const std::string& asked : prompts->asked)
            if (asked.rfind("unstorable: ", 0) == 0) refusals.push_back(asked);
        QCOMPARE(refusals,
                 (std::vector<std::string>{"unstorable: Символы «Ł ó ź» нельзя сохранить в базе. Исправьте текст.",
                                           "unstorable: Символы «ü» нельзя сохранить в базе. Исправьте текст.",
                                           "unstorable: Символы «☎» нельзя сохранить в базе. Исправьте текст."}));
        // Each refused text comes back in the box as typed.
        QCOMPARE(prompts->typedInitials, (std::vector<std::string>{"", "Łódź", "", "müller@x.de", "", "+48 ☎ 12"}));
        QCOMPARE(Stored("Contacts", "2"), std::string("Мюллер"));
        QCOMPARE(Stored("Contacts", "2_mail"), std::string("muller@x.de"));
        QCOMPARE(Stored("Contacts", "2_phone"), std::string("+48 12"));
        QVERIFY(prompts->Exhausted());
    }

    void importReportsWhatItFound() {
        dir->Write("other.cbf", W("[Common]\r\nGenres=1\r\n[Genres]\r\n0=Мюзикл\r\n1=драма\r\n"));
        Open(DictKind::Genres, true, false);
        prompts->ExpectText(dir->File("other.cbf"));
        QTest::mouseClick(form->SBimport, Qt::LeftButton);
        QCOMPARE(Asked(0), QStringLiteral("open: Введите имя файла с открываемой базой"));
        QCOMPARE(Asked(1), QStringLiteral("message: Найдено записей : 2. Импортировано записей : 1."));
        QCOMPARE(Column(), (QStringList{"Боевик", "Драма", "Комедия", "Мюзикл"}));
    }

    // In every mode Space acts as the mode's double click and Enter as "OK".
    void listKeysInEveryMode_data() {
        QTest::addColumn<bool>("editMode");
        QTest::addColumn<bool>("multiSelect");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("selection");
        const auto row = [](const char* name, bool edit, bool multi, Qt::Key key, bool closes, const char* asked,
                            const char* selection) {
            QTest::newRow(name) << edit << multi << int(key) << closes << QString(asked) << QString(selection);
        };
        row("plain editing, Space changes the entry", true, false, Qt::Key_Space, false,
            "input: Жанры / Исправление жанра", "0");
        row("plain editing, Enter closes", true, false, Qt::Key_Return, true, "", "0");
        row("single selection, Space picks", false, false, Qt::Key_Space, true, "", "1");
        row("single selection, Enter picks", false, false, Qt::Key_Enter, true, "", "1");
        row("multi-selection, Space toggles", false, true, Qt::Key_Space, false, "", "0 1");
        row("multi-selection, Enter closes", false, true, Qt::Key_Return, true, "", "0");
    }
    void listKeysInEveryMode() {
        QFETCH(bool, editMode);
        QFETCH(bool, multiSelect);
        QFETCH(int, key);
        QFETCH(bool, closes);
        QFETCH(QString, asked);
        QFETCH(QString, selection);
        Open(DictKind::Genres, editMode, multiSelect, "0");
        SelectRowOf("Комедия");
        if (!asked.isEmpty()) prompts->ExpectText(std::nullopt);
        Key(Qt::Key(key));
        QCOMPARE(form->isVisible(), !closes);
        QCOMPARE(prompts->asked.empty() ? QString() : Asked(0), asked);
        QCOMPARE(QString::fromStdString(params.selection), selection);
    }

    // Tab reaches the glyph buttons too (import and "select all" have no key of their own).
    void tabReachesEveryButton() {
        Open(DictKind::Genres, false, true);
        QCOMPARE(mcb::test::TabChain(*form),
                 (QStringList{"dict", "SBimport", "BtOk", "btCanc", "RecAdd", "RecEdit", "RecKill", "SelAll"}));
        for (QToolButton* button : {form->RecAdd, form->RecEdit, form->RecKill, form->SelAll, form->SBimport})
            QCOMPARE(mcb::test::AccessibleName(button), button->toolTip());
        QVERIFY(mcb::test::TabTo(*form, "SelAll"));
        QTest::keyClick(form->SelAll, Qt::Key_Space);
        QCOMPARE(form->multi->text(), QStringLiteral("[ Все жанры ]"));
        QCOMPARE(form->focusWidget(), form->dict);
    }

    // Each item of the list's menu shows a key, and that key in the list asks what the item asks.
    void menuItemsShowTheKeysThatRunThem() {
        Open(DictKind::Genres, true, false);
        SelectRowOf("Комедия");
        for (QAction* item : form->PopupDict->actions()) {
            const QKeySequence shown(item->text().section('\t', 1), QKeySequence::NativeText);
            QVERIFY2(!shown.isEmpty(), qPrintable(item->text()));
            prompts->asked.clear();
            prompts->Expect(mcb::Answer::No); // cancels an input line, or refuses the deletion
            Key(shown[0].key());
            const QString byKey = Asked(0);
            prompts->asked.clear();
            prompts->Expect(mcb::Answer::No);
            item->trigger();
            QCOMPARE(byKey, Asked(0));
        }
    }
};

QTEST_MAIN(DictFormTest)
#include "DictForm_test.moc"
