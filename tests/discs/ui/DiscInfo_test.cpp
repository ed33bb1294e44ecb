// The views of one disc over a started session: the information group in each of its states, the
// summary window and the picture viewer. Pictures are made by the test, some of them hostile.
#include "catalogue/Session.h"
#include "discs/ui/DiscInfoGroup.h"
#include "discs/ui/PictureBox.h"
#include "discs/ui/PictureLoader.h"
#include "discs/ui/PictureRequests.h"
#include "discs/ui/TCDinfo.h"
#include "discs/ui/TShotter.h"
#include "platform/qt/ModalRun.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "support/FakeServices.h"
#include "support/JpegBytes.h"
#include "support/TempDir.h"

#include <QFile>
#include <QFrame>
#include <QImageWriter>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace mcb;

namespace {

void SavePicture(const QString& path, QSize size, const char* format) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    QVERIFY(image.save(path, format));
}

// A GIF whose header claims 65535 x 65535 pixels.
QByteArray HugeGif() {
    QByteArray gif("GIF89a\xff\xff\xff\xff\x80\x00\x00\x00\x00\x00\xff\xff\xff,\x00\x00\x00\x00\xff\xff\xff\xff\x00"
                   "\x02\x02\x4c\x01\x00;",
                   35);
    return gif;
}

} // namespace

class DiscInfoTest : public QObject {
    Q_OBJECT

private:
    test::TempDir dir;
    test::FixedClock clock{46364};
    test::FixedDateFormat dates;
    test::ScriptedPrompts prompts;
    test::RecordingShell shell;
    std::unique_ptr<Session> session;

    QString File(const char* name) const { return QString::fromStdString(dir.File(name)); }

    std::unique_ptr<DiscInfoGroup> Group() {
        auto group = std::make_unique<DiscInfoGroup>(*session, shell);
        group->resize(220, 460);
        return group;
    }

    // Waits until the pictures being decoded (if any) have arrived.
    static void Decoded() {
        PictureRequests::WaitForDone();
        QCoreApplication::processEvents();
    }
    static void Show(DiscInfoGroup& group, const char* id) {
        group.Refresh(id);
        Decoded();
    }

private slots:
    void initTestCase() {
        SavePicture(File("wide.png"), {400, 300}, "PNG");
        SavePicture(File("small.png"), {50, 20}, "PNG");
        SavePicture(File("cover.jpg"), {600, 800}, "JPG");
        QFile whole(File("cover.jpg"));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        QFile cut(File("cut.jpg"));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(whole.readAll().left(int(whole.size() / 2)));
        cut.close();
        QFile gif(File("huge.gif"));
        QVERIFY(gif.open(QIODevice::WriteOnly));
        gif.write(HugeGif());
        gif.close();
        dir.Write("base.cbf", W("[Common]\r\nLastCDID=00006\r\nContacts=2\r\n"
                                "[Contacts]\r\n0=Иван\r\n0_mail=ivan@example.org\r\n1=Петр\r\n2=Анна\r\n"
                                "[00001]\r\nNam=Сталкер\r\nGin=0\r\nGiv=46000\r\nOth=1\r\n"
                                "[00002]\r\nNam=Солярис\r\nGin=2\r\nGiv=45000\r\nLin=2\r\nLi1=Океан\r\nLi2=Станция\r\n"
                                "Img2=\"?wide.png\"\r\n"
                                "[00003]\r\nNam=Зеркало\r\nNam2=Mirror\r\nLon=107\r\nImg1=\"?cover.jpg\"\r\n"
                                "Img2=\"?small.png\"\r\nLin=1\r\nLi1=Дом\r\n"
                                "[00004]\r\nNam=Хостиле\r\nImg1=\"?huge.gif\"\r\nImg2=\"?cut.jpg\"\r\n"
                                "[00005]\r\nNam2=Только второе\r\nGin=-1\r\n"));
        session = std::make_unique<Session>(SessionServices{clock, dates, prompts}, dir.Path());
        session->Start(dir.File("base.cbf"));
    }

    void foreignLentDiscShowsOwnerDebtorAndDate() {
        auto group = Group();
        Show(*group, "00001");
        QVERIFY(!group->isHidden());
        QCOMPARE(group->LabNalStat->text(), QStringLiteral("чужой, отдан в долг"));
        QVERIFY(!group->LbHozName->isHidden());
        QCOMPARE(group->LbHozName->text(), QStringLiteral("Петр"));
        QVERIFY(!group->DolgPan->isHidden());
        QCOMPARE(group->LabDolgName->text(), QStringLiteral("Иван"));
        QCOMPARE(group->LabDolgData->text(), QStringLiteral("D46000"));
        QVERIFY(group->BtEmail->isEnabled());
        QVERIFY(group->MemoBtn->isHidden() && group->ImgBtn->isHidden() && group->MemoPan->isHidden() &&
                group->ImgPan->isHidden());

        QTest::mouseClick(group->BtEmail, Qt::LeftButton);
        QCOMPARE(shell.links.size(), size_t(1));
        QVERIFY(shell.links[0].starts_with("mailto:ivan@example.org?subject="));
        QVERIFY(shell.links[0].find("&body=D46000%20") != std::string::npos);
    }

    void descriptionAndSecondPictureOnlyShowBothViews() {
        auto group = Group();
        Show(*group, "00002");
        QCOMPARE(group->LabNalStat->text(), QStringLiteral("отдан в долг"));
        QVERIFY2(!group->BtEmail->isEnabled(), "the debtor has no e-mail");
        QVERIFY(group->LbHozName->isHidden());
        QVERIFY(!group->MemoBtn->isHidden() && !group->ImgBtn->isHidden());
        QVERIFY(group->MemoBtn->isChecked() && !group->MemoPan->isHidden() && group->ImgPan->isHidden());
        QCOMPARE(group->DiskMemo->toPlainText(), QStringLiteral("Океан\nСтанция"));

        QTest::mouseClick(group->ImgBtn, Qt::LeftButton);
        group->pictures().WaitForDone();
        QTRY_VERIFY(!group->Pict->image().isNull());
        QVERIFY(group->MemoPan->isHidden() && !group->ImgPan->isHidden());
        QVERIFY(!group->Inum1->isEnabled() && group->INum2->isEnabled() && group->INum2->isChecked());
        QVERIFY2(group->Pict->width() <= group->ImgPan->width() - 18, "fitted into the panel");
        QCOMPARE(group->Pict->width() * 3 / 4, group->Pict->height()); // 400 x 300 keeps its ratio
        QCOMPARE(group->Pict->image().size(), group->Pict->size());    // decoded at the size shown

        Show(*group, "00003"); // description and pictures: the picture view chosen last stays
        QTRY_VERIFY(!group->Pict->image().isNull());
        QVERIFY(group->ImgBtn->isChecked() && !group->ImgPan->isHidden());
        QVERIFY(group->Inum1->isChecked() && group->Inum1->isEnabled() && group->INum2->isEnabled());
        QTest::mouseClick(group->MemoBtn, Qt::LeftButton);
        Show(*group, "00002");
        QVERIFY(!group->MemoPan->isHidden());
    }

    void hostilePicturesAreNotShown() {
        auto group = Group();
        Show(*group, "00004");
        QVERIFY(!group->ImgPan->isHidden());
        QVERIFY2(group->Pict->isHidden() && group->Pict->image().isNull(), "65535 x 65535 GIF");
        QTest::mouseClick(group->INum2, Qt::LeftButton);
        group->pictures().WaitForDone();
        QCoreApplication::processEvents();
        QVERIFY2(group->Pict->isHidden() && group->Pict->image().isNull(), "truncated JPEG");
    }

    // What a decoding would hold is known before it starts: a JPEG that keeps its whole picture
    // (progressive, or its components in separate scans, CMYK among them) beyond the budget, and any
    // file over 64 MB, are not decoded; pictures of real sizes are, also when progressive.
    void decodingStaysWithinItsBudget_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("decoded");
        const auto jpeg = [](test::JpegShape shape) { return QByteArray::fromStdString(test::JpegFile(shape)); };
        QTest::newRow("progressive, 100 million pixels") << jpeg({10000, 10000, {0x11, 0x11, 0x11}, true, -1}) << false;
        QTest::newRow("progressive CMYK, 64 million pixels")
            << jpeg({8000, 8000, {0x11, 0x11, 0x11, 0x11}, true, -1}) << false;
        QTest::newRow("separate scans, 81 million pixels") << jpeg({9000, 9000, {0x11, 0x11, 0x11}, false, 1}) << false;
        QTest::newRow("progressive, 2 million pixels") << jpeg({1600, 1200, {0x22, 0x11, 0x11}, true, -1}) << true;
        QTest::newRow("progressive CMYK, 2 million pixels")
            << jpeg({1600, 1200, {0x11, 0x11, 0x11, 0x11}, true, -1}) << true;
        QTest::newRow("one scan, 100 million pixels") << jpeg({10000, 10000, {0x22, 0x11, 0x11}, false, -1}) << true;
    }
    void decodingStaysWithinItsBudget() {
        QFETCH(QByteArray, file);
        QFETCH(bool, decoded);
        QFile out(File("shaped.jpg"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
        out.close();
        QCOMPARE(!LoadPictureAt(File("shaped.jpg"), QSize(180, 120)).isNull(), decoded);
    }

    // Sixteen bits per channel take twice the memory of a picture of eight, once more while it is
    // scaled: the budget halves the pixels such a picture may have.
    void deepPictureBeyondTheBudgetIsNotDecoded() {
        QImage deep(3600, 3600, QImage::Format_RGBA64);
        deep.fill(QColor(40, 90, 160));
        QImageWriter writer(File("deep.png"), "png");
        writer.setCompression(100);
        QVERIFY(writer.write(deep));
        deep = QImage();
        QVERIFY(LoadPictureAt(File("deep.png"), QSize(180, 180)).isNull());
        SavePicture(File("shallow.png"), {3600, 3600}, "PNG");
        QVERIFY(!LoadPictureAt(File("shallow.png"), QSize(180, 180)).isNull());
    }

    void fileOver64MbIsNotDecoded() {
        SavePicture(File("padded.png"), {40, 30}, "PNG");
        QFile padded(File("padded.png"));
        QVERIFY(!LoadPictureAt(padded.fileName(), QSize(40, 30)).isNull());
        QVERIFY(padded.resize((qint64(64) << 20) + 1)); // a decoder ignores what follows the picture
        QVERIFY(LoadPictureAt(padded.fileName(), QSize(40, 30)).isNull());
        QVERIFY(!PictureFileSize(padded.fileName()).isValid());
    }

    // Values of megabytes are shown cut, so that the panel and the summary answer at once.
    void hugeValuesAreShownCut() {
        TIniFile& catalogue = session->catalogue();
        catalogue.WriteString("00006", "Nam", std::string(2 << 20, 'n'));
        catalogue.WriteString("00006", "Oth", "3");
        catalogue.WriteString("Contacts", "3", std::string(1 << 20, 'o'));
        catalogue.WriteInteger("00006", "Lin", 2);
        catalogue.WriteString("00006", "Li1", std::string(16 << 20, 'l'));
        catalogue.WriteString("00006", "Li2", "b");
        auto group = Group();
        Show(*group, "00006");
        QCOMPARE(group->DiskMemo->toPlainText(), QString(32767, 'l') + "\nb");
        QCOMPARE(group->LbHozName->text(), QString(1024, 'o'));
        TCDinfo summary(*session);
        summary.LoadDisc("00006");
        QCOMPARE(summary.nfo->toPlainText().section('\n', 0, 0).size(), 32767);
        QVERIFY(summary.nfo->toPlainText().endsWith(QString(32767, 'l') + "\nb\n"));
        catalogue.EraseSection("00006");
    }

    void noDiscHidesTheGroupAndSecondNameOnlyShowsIt() {
        auto group = Group();
        Show(*group, "");
        QVERIFY(group->isHidden());
        Show(*group, "00005");
        QVERIFY(!group->isHidden());
        QCOMPARE(group->LabNalStat->text(), QStringLiteral("в наличии"));
        QVERIFY(group->DolgPan->isHidden() && group->MemoBtn->isHidden() && group->ImgBtn->isHidden());
    }

    void descriptionWindowOpensOnADoubleClick() {
        auto group = Group();
        group->show();
        Show(*group, "00002");
        QString seen;
        QueueModalScript([&seen](QDialog& window) {
            seen = window.windowTitle() + "|" + window.findChild<QPlainTextEdit*>("MemoMag")->toPlainText();
        });
        QTest::mouseDClick(group->DiskMemo->viewport(), Qt::LeftButton);
        QCOMPARE(seen, QStringLiteral("Солярис : описание|Океан\nСтанция"));
        QCOMPARE(PendingModalScripts(), 0);
    }

    void summaryListsTheFieldsAndShowsThePictures() {
        TCDinfo summary(*session);
        summary.LoadDisc("00003");
        QVERIFY2(summary.Pic1->image().isNull(), "decoded away from the window's thread");
        Decoded();
        QCOMPARE(summary.windowTitle(), QStringLiteral("CDinfo"));
        QCOMPARE(summary.size(), QSize(576, 397));
        QCOMPARE(summary.nfo->toPlainText(), QStringLiteral("Название : Зеркало\nВторое название : Mirror\n \n"
                                                            "Длительность : 107 мин\n \nДом\n"));
        QVERIFY(!summary.Pic1->isHidden() && !summary.Pic2->isHidden());
        QVERIFY(!summary.Pic1->image().isNull());
        QCOMPARE(summary.Pic2->image().size(), QSize(50, 20)); // never enlarged
        QVERIFY(!summary.PrintNfo->isEnabled());

        summary.LoadDisc("00002");
        QVERIFY(summary.Pic1->isHidden() && !summary.Pic2->isHidden());
        std::string printed;
        summary.SetPrintHandler([&printed](const std::string& id) { printed = id; });
        QTest::mouseClick(summary.PrintNfo, Qt::LeftButton);
        QCOMPARE(printed, std::string("00002"));

        summary.LoadDisc("00001");
        QVERIFY(summary.Pic1->isHidden() && summary.Pic2->isHidden());
        QVERIFY2(summary.nfo->height() > summary.height() - 80, "the text takes the pictures' room");
    }

    void viewerOfASmallPictureIsRaisedTo104PixelsHigh() {
        TShotter viewer;
        viewer.LoadPicture(dir.File("small.png"), W("Зеркало Mirror : картинка"));
        Decoded();
        QCOMPARE(viewer.size(), QSize(268, 156));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Зеркало Mirror : картинка"));
        QCOMPARE(viewer.Img->image().size(), QSize(260, 104));
        QVERIFY(viewer.bb->isDefault());
    }
};

QTEST_MAIN(DiscInfoTest)
#include "DiscInfo_test.moc"
