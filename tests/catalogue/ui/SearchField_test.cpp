// The quick search field of the catalogue window over a real session: typing narrows the table and
// its counters, Ctrl+F and Esc move the keyboard between it and the table, and its text is kept in
// no file.
#include "catalogue/ui/InfoPanel.h"
#include "catalogue/ui/MainForm.h"
#include "catalogue/ui/MainTableView.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QtTest>

namespace mcb {
namespace {

// Four discs sorted by title; the words are in other fields of each, and disc 3 is lent.
const char* kCatalogue = "[Common]\r\nLastCDID=00004\r\nContacts=0\r\n[Contacts]\r\n0=Petrov\r\n"
                         "[00001]\r\nNam=Delta\r\nRol=Neo, Trinity\r\n"
                         "[00002]\r\nNam=Alpha\r\nDir=Wachowski\r\n"
                         "[00003]\r\nNam=Gamma\r\nNam2=Neon\r\nGin=0\r\n"
                         "[00004]\r\nNam=Beta\r\nLin=1\r\nLi1=\xB8\xEB\xEA\xE8 neo\r\n"; // ёлки

} // namespace

class SearchFieldTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> dir_;
    test::FixedClock clock_;
    test::FixedDateFormat dates_;
    test::ScriptedPrompts prompts_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<TMainForm> form_;

    QLineEdit* field() const { return form_->searchField(); }
    QString Titles() const {
        QStringList titles;
        const QAbstractItemModel* model = form_->table()->model();
        for (int row = 0; row < model->rowCount(); ++row) titles << model->index(row, 1).data().toString();
        return titles.join(' ');
    }
    QString Counter(const char* label) const { return form_->infoPanel()->findChild<QLabel*>(label)->text(); }

private slots:
    void init() {
        dir_ = std::make_unique<test::TempDir>();
        dir_->Write("base.cbf", kCatalogue);
        session_ = std::make_unique<Session>(SessionServices{clock_, dates_, prompts_}, dir_->Path());
        session_->Start(dir_->File("base.cbf"));
        form_ = std::make_unique<TMainForm>(*session_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    void cleanup() {
        form_.reset();
        session_.reset();
        dir_.reset();
    }

    void sitsInTheToolbarWithItsPlaceholder() {
        QVERIFY(field());
        QCOMPARE(field()->objectName(), QString("SearchEdit"));
        QCOMPARE(field()->placeholderText(), QString("Поиск"));
        QCOMPARE(field()->parentWidget()->objectName(), QString("ToolBar"));
        QVERIFY(form_->table()->hasFocus());
    }

    void typingNarrowsTheTableWordByWord_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("titles");
        QTest::newRow("nothing typed") << ""
                                       << "Alpha Beta Delta Gamma";
        QTest::newRow("cast, second title, description") << "NEO"
                                                         << "Beta Delta Gamma";
        QTest::newRow("two words") << "neo trin"
                                   << "Delta";
        QTest::newRow("director") << "wachowski"
                                  << "Alpha";
        QTest::newRow("е for ё, any case") << "ЕЛКИ"
                                           << "Beta";
        QTest::newRow("found nowhere") << "matrix"
                                       << "";
        QTest::newRow("a character the code page cannot hold") << "neo ü"
                                                               << "";
    }
    void typingNarrowsTheTableWordByWord() {
        QFETCH(QString, typed);
        QFETCH(QString, titles);
        field()->setFocus();
        for (const QChar c : typed) field()->insert(c); // one change per character, as typing makes them
        QCOMPARE(Titles(), titles);
        QVERIFY(field()->hasFocus());
    }

    void countersShowTheShownDiscs() {
        QTest::keyClicks(field(), "neo");
        QCOMPARE(Counter("LaAll"), QString("Всего дисков в базе : 4"));
        QCOMPARE(Counter("LaNal"), QString("   из них отданных в долг : 1"));
        QCOMPARE(Counter("LaAllVisi"), QString("Показано дисков : 3"));
        QCOMPARE(Counter("LaNalVisi"), QString("   из них отданных в долг: 1"));
        QTest::keyClicks(field(), " trin");
        QCOMPARE(Counter("LaAllVisi"), QString("Показано дисков : 1"));
        QCOMPARE(Counter("LaNalVisi"), QString("   из них отданных в долг: 0"));
    }

    void ctrlFComesToTheFieldAndEscGoesBack() {
        field()->setText("neo");
        form_->table()->setFocus();
        QTest::keyClick(form_->table(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(field()->hasFocus());
        QCOMPARE(field()->selectedText(), QString("neo"));
        QTest::keyClick(field(), Qt::Key_Escape);
        QVERIFY(field()->text().isEmpty());
        QVERIFY(form_->table()->hasFocus());
        QCOMPARE(Titles(), QString("Alpha Beta Delta Gamma"));
    }

    void theTextIsKeptInNoFile() {
        QTest::keyClicks(field(), "trinity");
        form_->close();
        form_.reset();
        session_.reset();
        for (const std::string& file : {dir_->SettingsFile(), dir_->File("base.cbf")})
            QVERIFY(test::TempDir::Read(file).find("trinity") == std::string::npos);
    }
};

} // namespace mcb

QTEST_MAIN(mcb::SearchFieldTest)
#include "SearchField_test.moc"
