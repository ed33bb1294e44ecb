#include "discs/ScriptedPicker.h"
#include "discs/ui/PictureBox.h"
#include "discs/ui/PictureRequests.h"
#include "discs/ui/TEditDisk.h"
#include "platform/qt/QtText.h"
#include "storage/Layout.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"
#include "support/ui/Keys.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

using namespace mcb;

class EditDiskTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> dir;
    std::unique_ptr<TIniFile> catalogue;
    test::FixedClock clock;
    test::FixedDateFormat dates;
    std::unique_ptr<test::ScriptedPrompts> prompts;
    std::unique_ptr<test::ScriptedPicker> picker;
    SetupSettings setup;
    TableLayout layout = BuiltInLayout();
    std::unique_ptr<TEditDisk> window;

    std::string Base() const { return dir->Path() + "/"; }
    DiscEditorEnvironment Environment() {
        return {*catalogue, Base(), dir->File("base.log"), setup, clock, dates, *prompts, *picker, layout};
    }
    void OpenCatalogue(const std::string& utf8) {
        catalogue.reset();
        dir->Write("base.cbf", W(utf8));
        catalogue = std::make_unique<TIniFile>(dir->File("base.cbf"));
    }
    std::string OnDisk(const std::string& section, const std::string& key) const {
        return TIniFile(dir->File("base.cbf")).ReadString(section, key, "<none>");
    }
    // In a folder of its own: a picture in the catalogue folder is not copied.
    std::string MakePicture(const std::string& name, int width, int height) const {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        std::filesystem::create_directories(dir->File("pictures"));
        image.save(QString::fromStdString(dir->File("pictures/" + name)));
        return dir->File("pictures/" + name);
    }
    // The files of the catalogue folder, without subfolders.
    QStringList CatalogueFolder() const {
        return QDir(QString::fromStdString(dir->Path())).entryList(QDir::Files, QDir::Name);
    }
    void Open(bool isNew, const std::string& id = "") {
        window->Open(Environment(), isNew, id);
        window->show();
    }
    // Waits until the pictures being decoded have arrived.
    static void Decoded() {
        PictureRequests::WaitForDone();
        QCoreApplication::processEvents();
    }

private slots:
    void init() {
        dir = std::make_unique<test::TempDir>();
        prompts = std::make_unique<test::ScriptedPrompts>();
        picker = std::make_unique<test::ScriptedPicker>();
        setup = SetupSettings{};
        OpenCatalogue("[Common]\nLastCDID=00002\n[Genres]\n0=Драма\n[Contacts]\n0=Иван\n1=Пётр\n"
                      "[00001]\nNam=Другой\n");
        window = std::make_unique<TEditDisk>();
    }
    void cleanup() {
        window.reset();
        catalogue.reset();
        dir.reset();
    }

    void addDiscWithEveryField() {
        const std::string cover = MakePicture("cover.png", 40, 30);
        Open(true);
        QCOMPARE(window->CurrentDiscId(), std::string("00003"));
        QVERIFY(!window->EdOther->isEnabled());
        window->EdNazva->setText(QStringLiteral("  матрица "));
        picker->Expect("0");
        window->GenreBtn->click();
        QCOMPARE(window->EdGenre->text(), QStringLiteral("Драма"));
        QCOMPARE(picker->calls.at(0).kind, DictKind::Genres);
        QCOMPARE(picker->calls.at(0).selection, std::string("-1"));
        QVERIFY(!picker->calls.at(0).multiSelect && !picker->calls.at(0).editMode);
        window->EdAudit->setCurrentIndex(2);
        QTest::keyClicks(window->EdYear, QStringLiteral("1999"));
        window->EdLong->setValue(136);
        window->EdCarrier->setCurrentIndex(3);
        window->EdKolvo->setValue(2);
        picker->Expect("1");
        window->CbOther->click();
        QCOMPARE(window->EdOther->text(), QStringLiteral("Пётр"));
        QVERIFY(window->OtherBtn->isEnabled());
        window->EdOpis->setPlainText(QStringLiteral("первая\n\nтретья\n"));
        QVERIFY(window->CBpictCopy->isChecked());
        prompts->ExpectText(cover);
        QTest::mouseDClick(window->Pict1, Qt::LeftButton);
        Decoded();
        QVERIFY(!window->Pict1->ShowsPlaceholder());
        QCOMPARE(window->picturePaths()[0], cover);
        QVERIFY2(!QFile::exists(QString::fromStdString(Base() + "00003_1.png")), "copied only by OK");

        window->BitBtn1->click();
        QCOMPARE(window->result(), int(QDialog::Accepted));
        QCOMPARE(OnDisk("Common", "LastCDID"), std::string("00003"));
        QCOMPARE(OnDisk("00003", "Nam"), W("Матрица"));
        QCOMPARE(OnDisk("00003", "Gen"), std::string("0"));
        QCOMPARE(OnDisk("00003", "Aud"), std::string("2"));
        QCOMPARE(OnDisk("00003", "Year"), std::string("1999"));
        QCOMPARE(OnDisk("00003", "Lon"), std::string("136"));
        QCOMPARE(OnDisk("00003", "Car"), std::string("3074"));
        QCOMPARE(OnDisk("00003", "Oth"), std::string("1"));
        QCOMPARE(OnDisk("00003", "Lin"), std::string("3"));
        QCOMPARE(OnDisk("00003", "Li3"), W("третья"));
        QCOMPARE(OnDisk("00003", "Img1"), std::string("\"?00003_1.png\""));
        QCOMPARE(test::TempDir::Read(Base() + "00003_1.png"), test::TempDir::Read(cover));
        QCOMPARE(OnDisk("00003", "Ent"), std::string("46364"));
        QVERIFY(test::TempDir::Read(dir->File("base.log")).find(W("Новый диск \"Матрица\" (ID=00003)")) !=
                std::string::npos);
    }

    void editShowsTheStoredDisc() {
        const std::string big = MakePicture("big.png", 2000, 1000);
        dir->Write("broken.jpg", "\xFF\xD8 not really a picture");
        OpenCatalogue("[Common]\nLastCDID=00001\n[Contacts]\n1=Пётр\n[00001]\nNam=Фильм\nAud=7\nCar=3074\nLon=90\n"
                      "Lin=2\nLi1=раз\nLi2=два\nImg1=\"?pictures/big.png\"\nImg2=\"?broken.jpg\"\nOth=1\nYear=19  \n"
                      "Ent=40000\nGiv=41000\nGin=1\n");
        Open(false, "00001");
        QVERIFY2(window->Pict1->ShowsPlaceholder(), "decoded away from the window's thread");
        Decoded();
        QCOMPARE(window->EdNazva->text(), QStringLiteral("Фильм"));
        QCOMPARE(window->EdAudit->currentIndex(), -1);
        QCOMPARE(window->EdCarrier->currentText(), QStringLiteral("DVD"));
        QCOMPARE(window->EdKolvo->value(), 2);
        QCOMPARE(window->EdOpis->toPlainText(), QStringLiteral("раз\nдва"));
        QVERIFY(window->CbOther->isChecked());
        QVERIFY(window->EdOther->isEnabled());
        QCOMPARE(window->EdOther->text(), QStringLiteral("Пётр"));
        QVERIFY(!window->Pict1->ShowsPlaceholder());
        const QRect shown = window->Pict1->ImageRect();
        QVERIFY(shown.width() <= window->Pict1->width() && shown.height() <= window->Pict1->height());
        QVERIFY(window->Pict2->ShowsPlaceholder());

        window->CbOther->click(); // unticked: the disc becomes the user's own
        QVERIFY(!window->OtherBtn->isEnabled());
        window->BitBtn1->click();
        QCOMPARE(window->result(), int(QDialog::Accepted));
        QCOMPARE(OnDisk("00001", "Oth"), std::string("-1"));
        QCOMPARE(OnDisk("00001", "Img2"), std::string("\"?broken.jpg\""));
        QVERIFY(test::TempDir::Read(dir->File("base.cbf")).find("Year=19  \r\n") != std::string::npos);
        QCOMPARE(OnDisk("00001", "Gin"), std::string("1"));
        QCOMPARE(OnDisk("00001", "Ent"), std::string("40000"));
    }

    // A picture path that names a pipe or a folder is no picture; opening the disc never waits on it,
    // and its stored path stays.
    void pipeOrFolderIsNoPicture() {
        QVERIFY(::mkfifo(dir->File("pipe.jpg").c_str(), 0644) == 0);
        QVERIFY(::mkdir(dir->File("folder.jpg").c_str(), 0755) == 0);
        OpenCatalogue("[Common]\nLastCDID=00001\n[00001]\nNam=Фильм\nImg1=\"?pipe.jpg\"\nImg2=\"?folder.jpg\"\n");
        Open(false, "00001");
        Decoded();
        QVERIFY(window->Pict1->ShowsPlaceholder());
        QVERIFY(window->Pict2->ShowsPlaceholder());
        window->BitBtn1->click();
        QCOMPARE(OnDisk("00001", "Img1"), std::string("\"?pipe.jpg\""));
    }

    void ownerPickerCancelledUnticksTheBox() {
        Open(true);
        picker->Expect(std::nullopt);
        window->CbOther->click();
        QVERIFY(!window->CbOther->isChecked());
        QVERIFY(!window->EdOther->isEnabled());
    }

    // Values longer than a field can show are shown cut, and stored whole as long as the field shows
    // what it was given; a field the user changes gives its own text.
    void longValuesAreStoredWholeUnlessChanged() {
        const std::string title = "T" + std::string(99999, 't'); // capitalised already
        const std::string roles = "\xC0" + std::string(50000, 'r');
        const std::string line(40000, 'd');
        OpenCatalogue("[Common]\nLastCDID=00001\n[00001]\nNam=x\n");
        catalogue->WriteString("00001", "Nam", title);
        catalogue->WriteString("00001", "Rol", roles);
        catalogue->WriteString("00001", "Dir", std::string(40000, 'p'));
        catalogue->WriteInteger("00001", "Lin", 2);
        catalogue->WriteString("00001", "Li1", line);
        catalogue->WriteString("00001", "Li2", "end");
        Open(false, "00001");
        QCOMPARE(window->EdNazva->text().size(), 32767);
        QCOMPARE(window->EdOpis->toPlainText(), QString(32767, 'd') + "\nend");
        window->EdDirector->setText(QStringLiteral("Тарковский"));
        window->EdLong->setValue(161);
        window->BitBtn1->click();
        QCOMPARE(window->result(), int(QDialog::Accepted));
        const TIniFile stored(dir->File("base.cbf"));
        QVERIFY(stored.ReadString("00001", "Nam", "") == title);
        QVERIFY(stored.ReadString("00001", "Rol", "") == roles);
        QVERIFY(stored.ReadString("00001", "Li1", "") == line);
        QCOMPARE(stored.ReadString("00001", "Dir", ""), W("Тарковский"));
        QCOMPARE(stored.ReadString("00001", "Lon", ""), std::string("161"));

        catalogue = std::make_unique<TIniFile>(dir->File("base.cbf"));
        Open(false, "00001");
        window->EdOpis->setPlainText(QStringLiteral("короче"));
        window->BitBtn1->click();
        QCOMPARE(TIniFile(dir->File("base.cbf")).ReadString("00001", "Li1", ""), W("короче"));
    }

    void unstorableCharactersKeepTheWindowOpen() {
        Open(true);
        const QString title = QStringLiteral("Amélie 😀");
        window->EdNazva->setText(title);
        window->BitBtn1->click();
        QCOMPARE(prompts->asked.back(),
                 std::string("unstorable: Символы «é 😀» нельзя сохранить в базе. Исправьте текст."));
        QVERIFY(window->isVisible());
        QCOMPARE(window->EdNazva->text(), title);
        QCOMPARE(OnDisk("Common", "LastCDID"), std::string("00002"));
    }

    void unstorablePicturePathIsRefused() {
        const std::string cover = MakePicture("Amélie.png", 10, 10);
        Open(true);
        window->CBpictCopy->setChecked(false);
        prompts->ExpectText(cover);
        QTest::mouseDClick(window->Pict1, Qt::LeftButton);
        QCOMPARE(prompts->asked.back(), std::string("unstorable: Путь к картинке содержит символы «é», которые нельзя "
                                                    "сохранить в базе. Переименуйте файл или папку."));
        QCOMPARE(window->picturePaths()[0], std::string());
        QVERIFY(window->Pict1->ShowsPlaceholder());

        window->CBpictCopy->setChecked(true); // the copy's own name can be stored
        prompts->ExpectText(cover);
        QTest::mouseDClick(window->Pict1, Qt::LeftButton);
        QCOMPARE(window->picturePaths()[0], cover);
        window->EdNazva->setText(QStringLiteral("Амели"));
        window->BitBtn1->click();
        QCOMPARE(OnDisk("00003", "Img1"), std::string("\"?00003_1.png\""));
    }

    void clickOnAReadOnlyFieldOpensItsPicker() {
        Open(true);
        picker->Expect("0");
        QTest::mouseClick(window->EdGenre, Qt::LeftButton);
        QCOMPARE(window->EdGenre->text(), QStringLiteral("Драма"));
        picker->Expect(std::nullopt);
        QTest::mouseClick(window->EdCountry, Qt::LeftButton);
        QCOMPARE(picker->calls.at(1).kind, DictKind::Countries);
        QCOMPARE(window->EdCountry->text(), QString());
    }

    void refusalsKeepTheWindowOpen() {
        Open(true);
        window->EdNazva->setText(QStringLiteral("   "));
        window->BitBtn1->click();
        QVERIFY(window->isVisible());
        QCOMPARE(prompts->asked.back(), "message: " + W("Не задано название диска!"));

        window->EdNazva->setText(QStringLiteral(" д р у г о й "));
        prompts->Expect(Answer::No);
        window->BitBtn1->click();
        QVERIFY(window->isVisible());
        QCOMPARE(window->EdNazva->text(), QStringLiteral("д р у г о й"));
        QCOMPARE(OnDisk("Common", "LastCDID"), std::string("00002"));
    }

    // Choosing a picture copies nothing: Cancel leaves no file behind and the disc its old cover.
    void cancelLeavesNoCopyAndTheOldCover() {
        const std::string cover = MakePicture("cover.png", 10, 10);
        const std::string other = MakePicture("other.png", 12, 12);
        Open(true);
        prompts->ExpectText(cover);
        QTest::mouseDClick(window->Pict2, Qt::LeftButton);
        window->CBpictCopy->setChecked(false);
        window->BitBtn2->click();
        QCOMPARE(window->result(), int(QDialog::Rejected));
        QCOMPARE(CatalogueFolder(), QStringList{"base.cbf"});
        QVERIFY(!setup.PictureCopy);
        Open(true);
        QCOMPARE(window->CurrentDiscId(), std::string("00003"));
        QVERIFY(!window->CBpictCopy->isChecked());
        QVERIFY(window->Pict2->ShowsPlaceholder());
        window->reject();

        OpenCatalogue("[Common]\nLastCDID=00001\n[00001]\nNam=Старый\nImg1=\"" + cover + "\"\n");
        Open(false, "00001");
        window->CBpictCopy->setChecked(true);
        prompts->ExpectText(other);
        QTest::mouseDClick(window->Pict1, Qt::LeftButton);
        window->BitBtn2->click();
        QCOMPARE(OnDisk("00001", "Img1"), "\"" + cover + "\"");
        QCOMPARE(CatalogueFolder(), QStringList{"base.cbf"});
    }

    void pictureMenuActsOnTheBoxPressed() {
        const std::string cover = MakePicture("cover.png", 10, 10);
        Open(true);
        window->CBpictCopy->setChecked(false);
        QTest::mousePress(window->Pict2, Qt::RightButton);
        prompts->ExpectText(cover);
        window->N1->trigger();
        Decoded();
        QCOMPARE(window->picturePaths()[1], cover);
        QVERIFY(!window->Pict2->ShowsPlaceholder());
        QTest::mousePress(window->Pict2, Qt::LeftButton);
        window->N2->trigger();
        QCOMPARE(window->picturePaths()[1], std::string());
        QVERIFY(window->Pict2->ShowsPlaceholder());
        QVERIFY(QFile::exists(QString::fromStdString(cover)));
    }

    void layoutRuleOnResize() {
        Open(true);
        for (QSize size : {QSize(374, 452), QSize(640, 700)}) {
            window->resize(size);
            const QRect opis = window->EdOpis->geometry();
            const QRect p1 = window->Pict1->geometry();
            const QRect p2 = window->Pict2->geometry();
            QCOMPARE(p1.width(), (opis.width() - 16) / 2);
            QCOMPARE(p2.width(), p1.width());
            QCOMPARE(p2.x(), p1.x() + p1.width() + 16);
            QCOMPARE(opis.height(), (window->BitBtn1->y() - opis.y() - 16) / 2);
            QCOMPARE(p1.height(), opis.height());
            QCOMPARE(p1.y(), opis.y() + opis.height() + 8);
            QVERIFY(opis.y() > window->EdOther->mapTo(window.get(), QPoint(0, 0)).y());
        }
    }

    // Tab visits every control in reading order, the "..." buttons and both pictures included; the
    // owner's button only while "Чужой диск" is ticked.
    void tabReachesEveryControlInReadingOrder() {
        Open(false, "00001");
        QStringList expected = {"EdNazva",    "EdNazva2",   "GenreBtn", "EdAudit", "EdRoles",
                                "CompanyBtn", "EdDirector", "EdYear",   "EdLong",  "CountryBtn",
                                "EdCarrier",  "EdKolvo",    "CbOther",  "EdOpis",  "CBpictCopy",
                                "Pict1",      "Pict2",      "BitBtn1",  "BitBtn2"};
        QCOMPARE(test::TabChain(*window), expected);
        QStringList sorted = expected;
        sorted.sort();
        QCOMPARE(test::TabControls(*window), sorted);

        window->CbOther->setChecked(true);
        window->OtherBtn->setEnabled(true);
        window->EdNazva->setFocus();
        expected.insert(expected.indexOf("CbOther") + 1, "OtherBtn");
        QCOMPARE(test::TabChain(*window), expected);
        QCOMPARE(window->EdGenre->focusPolicy(), Qt::NoFocus);
    }

    // Enter or Space on a picture box chooses its picture as a double click does; the menu key or
    // Shift+F10 opens the picture menu for that box, whose items answer to their letters.
    void pictureBoxesWorkByKeys_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("key");
        QTest::newRow("Enter on picture 1") << 1 << int(Qt::Key_Return);
        QTest::newRow("keypad Enter on picture 2") << 2 << int(Qt::Key_Enter);
        QTest::newRow("Space on picture 2") << 2 << int(Qt::Key_Space);
    }
    void pictureBoxesWorkByKeys() {
        QFETCH(int, box);
        QFETCH(int, key);
        const std::string cover = MakePicture("cover.png", 10, 10);
        Open(true);
        window->CBpictCopy->setChecked(false);
        PictureBox* picture = box == 1 ? window->Pict1 : window->Pict2;
        QVERIFY(test::TabTo(*window, picture->objectName()));
        prompts->ExpectText(cover);
        QTest::keyClick(picture, Qt::Key(key));
        QCOMPARE(window->picturePaths()[box - 1], cover);
        Decoded();
        QVERIFY(!picture->ShowsPlaceholder());
        QVERIFY(picture->toolTip().contains(QStringLiteral("Enter или пробел")));
        QCOMPARE(test::AccessibleName(picture), QStringLiteral("Картинка %1").arg(box));

        QTest::keyClick(picture, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(window->PopImg->isVisible());
        test::TypeKeys(window->PopImg, QStringLiteral("у")); // "Удалить картинку"
        QVERIFY(!window->PopImg->isVisible());
        QCOMPARE(window->picturePaths()[box - 1], std::string());
        QVERIFY(picture->ShowsPlaceholder());
        QVERIFY(prompts->Exhausted());
    }
};

QTEST_MAIN(EditDiskTest)
#include "EditDisk_test.moc"
