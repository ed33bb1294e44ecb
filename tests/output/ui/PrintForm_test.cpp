// The print window driven through its controls, over a session on a small catalogue, with the
// prompts scripted and the file printer (the test machine has no printer queue to rely on).
#include "catalogue/CatalogueFixture.h"
#include "catalogue/Session.h"
#include "output/PrintFont.h"
#include "output/ui/ColourSwatch.h"
#include "output/ui/QtPrintCanvas.h"
#include "output/ui/TPrintForm.h"
#include "platform/qt/ModalRun.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"
#include "support/ui/Keys.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <memory>
#include <unistd.h>

using namespace mcb;

class PrintFormTest : public QObject {
    Q_OBJECT

private:
    struct Fixture {
        test::TempDir dir;
        test::FixedClock clock;
        test::FixedDateFormat dates;
        test::ScriptedPrompts prompts;
        std::unique_ptr<Session> session;
        std::unique_ptr<TPrintForm> form;
        std::vector<RunningColours> running;

        explicit Fixture(bool discs = true) {
            test::Keys disc{{"Nam", "Солярис"}, {"Ent", "1"}, {"Gin", "-1"}};
            dir.Write("base.cbf", test::CatalogueText({{"Common", {{"LastCDID", discs ? "00001" : "0"}}},
                                                       {discs ? "00001" : "x", disc}}));
            session = std::make_unique<Session>(SessionServices{clock, dates, prompts}, dir.Path());
            session->Start(dir.File("base.cbf"));
            form = std::make_unique<TPrintForm>(*session);
            form->printer().setOutputFormat(QPrinter::PdfFormat); // the file printer, whatever the machine has
            form->runningColoursChanged = [this](const RunningColours& r) { running.push_back(r); };
        }
        void Open(PrintMode mode = PrintMode::CatalogueReport, std::string discId = {}) {
            form->Open(mode, discId, {1, 2});
            form->show();
        }
        std::string Settings() const { return test::TempDir::Read(dir.SettingsFile()); }
    };

    static PrinterSettings Saved() { return ReadPrinterSettings(TIniFile(kSettingsFileName)); }

private slots:
    void firstRunWithAnEmptySettingsFile() {
        Fixture f;
        f.Open();
        TPrintForm& w = *f.form;
        QCOMPARE(w.windowTitle(), QStringLiteral("Печать базы"));
        QVERIFY(w.width() >= 408 && w.height() >= 304);
        QCOMPARE(w.minimumSize(), w.maximumSize());
        for (QCheckBox* box : {w.CBFilter, w.CBLine, w.CBDiskInfo, w.CBPageNum}) QVERIFY(box->isChecked());
        QVERIFY(!w.CBColorPrint->isChecked());
        for (QCheckBox* box : {w.CBColBack, w.CBColNew, w.CBColInfo}) {
            QVERIFY(box->isChecked());
            QVERIFY(!box->isEnabled());
        }
        const std::pair<ColourSwatch*, int> swatches[] = {{w.ColBack, 14211288}, {w.ColNew, 65280}, {w.ColInfo, 16383}};
        for (const auto& [swatch, colour] : swatches) {
            QCOMPARE(swatch->colour(), colour);
            QVERIFY(swatch->Hatched());
        }
        QCOMPARE(w.PrnLabel->text(), QStringLiteral("Принтер Файл PDF"));
        QVERIFY(!w.PrnLabel->font().bold());
        const QtPrinterFonts fonts;
        const PrintFont expected = fonts.Offers(kUsualFont) ? PrintFont{kUsualFont, 10} : fonts.Current();
        QCOMPARE(w.font().family, expected.name);
        QCOMPARE(w.font().points, expected.size);
        QCOMPARE(w.FontLabel->text().toStdString(), expected.name + ", Size=" + std::to_string(expected.size));
        QVERIFY(QFontMetrics(w.FontLabel->font()).height() <= 14);
        QVERIFY(w.PrintBaseGroup->isVisible() && w.GBColPrint->isVisible());
        QVERIFY(!w.DiskPrintParameters->isVisible() && !w.DiskStyleGroup->isVisible() && !w.DiskPreView->isVisible());
    }

    // Switching colour printing off disables and hatches, but keeps and saves the sub-options.
    void colourInterlock() {
        Fixture f;
        f.dir.Write("config/mirvane-cdbase/MirvaneCDB.ini",
                    "[Printer]\r\nEnabledColorPrint=1\r\nEnabledNewColor=0\r\n");
        f.Open();
        TPrintForm& w = *f.form;
        QVERIFY(w.CBColBack->isEnabled() && w.CBColNew->isEnabled());
        QVERIFY(!w.ColBack->Hatched() && w.ColNew->Hatched() && !w.ColInfo->Hatched());
        QTest::mouseClick(w.CBColorPrint, Qt::LeftButton);
        for (QCheckBox* box : {w.CBColBack, w.CBColNew, w.CBColInfo}) QVERIFY(!box->isEnabled());
        for (ColourSwatch* swatch : {w.ColBack, w.ColNew, w.ColInfo}) QVERIFY(swatch->Hatched());
        QTest::mouseClick(w.bbCancel, Qt::LeftButton);
        const PrinterSettings saved = Saved();
        QVERIFY(!saved.EnabledColorPrint);
        QVERIFY(!saved.EnabledNewColor && saved.EnabledBackColor && saved.EnabledInfoColor);
    }

    // A cancelled colour dialog keeps the swatch but still hands its colour to the running lent-disc
    // colour; a confirmed one changes both; a hatched swatch does not react.
    void swatchesAndTheRunningColours() {
        Fixture f;
        f.Open();
        TPrintForm& w = *f.form;
        QTest::mouseClick(w.ColInfo, Qt::LeftButton);
        QVERIFY(f.prompts.asked.empty());
        QTest::mouseClick(w.CBColorPrint, Qt::LeftButton);
        f.prompts.ExpectColour(std::nullopt);
        QTest::mouseClick(w.ColInfo, Qt::LeftButton);
        QCOMPARE(w.ColInfo->colour(), 16383);
        QCOMPARE(f.running.size(), size_t(1));
        QCOMPARE(f.running.back().lentDisc, 16383);
        QCOMPARE(f.running.back().newDisc, 1);
        f.prompts.ExpectColour(0x123456);
        QTest::mouseClick(w.ColNew, Qt::LeftButton);
        QCOMPARE(w.ColNew->colour(), 0x123456);
        QCOMPARE(f.running.back().newDisc, 0x123456);
        f.prompts.ExpectColour(0x654321);
        QTest::mouseClick(w.ColBack, Qt::LeftButton);
        QCOMPARE(w.ColBack->colour(), 0x654321);
        QCOMPARE(f.running.size(), size_t(2));
        QVERIFY(f.prompts.Exhausted());
    }

    // With colour printing on, Tab reaches each colour swatch after its box, and Space or Enter there
    // asks for the colour as a click does.
    void swatchesByKeys() {
        Fixture f;
        f.Open();
        TPrintForm& w = *f.form;
        w.CBColorPrint->click();
        w.BtPrSetup->setFocus();
        QCOMPARE(test::TabChain(w), QStringList({"BtPrSetup", "BtFntSetup", "CBFilter", "CBLine", "CBDiskInfo",
                                                 "CBPageNum", "CBColorPrint", "CBColBack", "ColBack", "CBColNew",
                                                 "ColNew", "CBColInfo", "ColInfo", "bbPrint", "bbCancel"}));
        f.prompts.ExpectColour(0x112233);
        QVERIFY(test::TabTo(w, "ColNew"));
        QTest::keyClick(w.ColNew, Qt::Key_Space);
        QCOMPARE(w.ColNew->colour(), 0x112233);
        f.prompts.ExpectColour(0x445566);
        QVERIFY(test::TabTo(w, "ColBack"));
        QTest::keyClick(w.ColBack, Qt::Key_Return);
        QCOMPARE(w.ColBack->colour(), 0x445566);
        QVERIFY(w.isVisible());
        for (ColourSwatch* swatch : {w.ColBack, w.ColNew, w.ColInfo})
            QVERIFY(test::AccessibleName(swatch).startsWith(QStringLiteral("Цвет ")));
        QVERIFY(f.prompts.Exhausted());
    }

    // "Отмена" and the close box save all thirteen keys, in their order.
    void everyWayOfClosingSavesTheOptions() {
        for (const bool closeBox : {false, true}) {
            Fixture f;
            f.Open();
            TPrintForm& w = *f.form;
            QTest::mouseClick(w.CBLine, Qt::LeftButton);
            QTest::mouseClick(w.CBColorPrint, Qt::LeftButton);
            f.prompts.ExpectFont(FontChoice{"DejaVu Sans", 12});
            QTest::mouseClick(w.BtFntSetup, Qt::LeftButton);
            QCOMPARE(w.FontLabel->text(), QStringLiteral("DejaVu Sans, Size=12"));
            if (closeBox)
                w.close();
            else
                QTest::mouseClick(w.bbCancel, Qt::LeftButton);
            QVERIFY(w.isHidden());
            const std::string expected = "[Printer]\r\nPrintFilter=1\r\nPrintSeparator=0\r\nPrintInfo=1\r\n"
                                         "PrintPageNums=1\r\nFont=DejaVu Sans\r\nFontSize=12\r\nEnabledColorPrint=1\r\n"
                                         "EnabledNewColor=1\r\nEnabledInfoColor=1\r\nEnabledBackColor=1\r\n"
                                         "BackColor=14211288\r\nNewColor=65280\r\nInfoColor=16383\r\n";
            QVERIFY2(f.Settings().find(expected) != std::string::npos, f.Settings().c_str());
        }
    }

    void discSheetOffersOnlyThePlainFormat() {
        Fixture f;
        f.Open(PrintMode::DiscSheet, "00001");
        TPrintForm& w = *f.form;
        QVERIFY(!w.PrintBaseGroup->isVisible() && !w.GBColPrint->isVisible());
        QVERIFY(w.DiskPrintParameters->isVisible() && w.DiskPreView->isVisible());
        QVERIFY(!w.DiskStyleGroup->isEnabled());
        QVERIFY(!w.PreV->pixmap().isNull());
        for (QRadioButton* format : {w.StCD2, w.StCD1}) {
            QTest::mouseClick(format, Qt::LeftButton);
            QVERIFY(w.StNoCD->isChecked());
            QVERIFY(!w.DiskStyleGroup->isEnabled());
        }
        const std::string apology = "message: " + W("Извините!\r\nВ данной версии эта функция не поддерживается!");
        QCOMPARE(f.prompts.asked, (std::vector<std::string>{apology, apology}));
    }

    // "Печать" on the file printer asks for the name (".pdf" added) and writes the report there.
    void printingToAPdfFile() {
        Fixture f;
        f.Open();
        const std::string pdf = f.dir.File("report");
        f.prompts.ExpectText(pdf);
        QTest::mouseClick(f.form->bbPrint, Qt::LeftButton);
        QVERIFY(f.form->isHidden());
        QCOMPARE(f.form->result(), int(QDialog::Accepted));
        QCOMPARE(f.prompts.asked, (std::vector<std::string>{
                                      "save: " + W("Печать в файл PDF"),
                                      "message: " + W("Печать завершена.\n\nФайл PDF сохранен: ") + pdf + ".pdf"}));
        QCOMPARE(test::TempDir::Read(pdf + ".pdf").substr(0, 5), std::string("%PDF-"));
    }

    // A PDF name that leads to the catalogue is refused naming it; the catalogue stays as it was and
    // the window open.
    void pdfNamedAsTheCatalogueIsRefused() {
        const struct {
            const char* name;
            int (*make)(const char* catalogue, const char* pdf);
        } cases[] = {{"symbolic link", ::symlink}, {"hard link", ::link}};
        for (const auto& c : cases) {
            Fixture f;
            f.Open();
            const std::string catalogue = f.dir.File("base.cbf");
            const std::string before = test::TempDir::Read(catalogue);
            const std::string pdf = f.dir.File("report.pdf");
            QVERIFY2(c.make(catalogue.c_str(), pdf.c_str()) == 0, c.name);
            f.prompts.ExpectText(pdf);
            QTest::mouseClick(f.form->bbPrint, Qt::LeftButton);
            QVERIFY2(f.form->isVisible(), c.name);
            QCOMPARE(f.prompts.texts.size(), std::size_t(1));
            QVERIFY2(f.prompts.texts[0].Utf8().find(pdf) != std::string::npos, c.name);
            QCOMPARE(test::TempDir::Read(catalogue), before);
        }
    }

    void cancellingTheFileNameKeepsTheWindowOpen() {
        Fixture f;
        f.Open();
        f.prompts.ExpectText(std::nullopt);
        QTest::mouseClick(f.form->bbPrint, Qt::LeftButton);
        QVERIFY(f.form->isVisible());
    }

    void opensCentredOnTheScreen() {
        Fixture f;
        QPoint centre;
        QueueModalScript([&centre](QDialog& dialog) { centre = dialog.geometry().center(); });
        f.form->Execute(PrintMode::CatalogueReport, {}, {1, 2});
        const QPoint screen = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY2((centre - screen).manhattanLength() <= 8,
                 qPrintable(QString("%1,%2").arg(centre.x()).arg(centre.y())));
    }

    // Every caption of either mode fits its control, every control its group, every group the
    // window, and no two groups of a mode overlap, whatever the desktop's font.
    void noCaptionIsCutInEitherMode() {
        for (const PrintMode mode : {PrintMode::CatalogueReport, PrintMode::DiscSheet}) {
            Fixture f;
            f.Open(mode, "00001");
            TPrintForm& w = *f.form;
            for (const QAbstractButton* control : w.findChildren<QAbstractButton*>()) {
                if (!control->isVisibleTo(&w)) continue;
                const QString name = control->objectName();
                QVERIFY2(control->width() >= control->sizeHint().width(), qPrintable(name));
                QVERIFY2(control->height() >= control->sizeHint().height(), qPrintable(name));
                QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(name));
            }
            QList<QGroupBox*> groups;
            for (QGroupBox* group : w.findChildren<QGroupBox*>())
                if (group->isVisibleTo(&w)) groups << group;
            for (const QGroupBox* group : groups) {
                QVERIFY2(w.rect().contains(group->geometry()), qPrintable(group->objectName()));
                QVERIFY2(group->width() > group->fontMetrics().horizontalAdvance(group->title()) + 16,
                         qPrintable(group->objectName()));
                for (const QGroupBox* other : groups)
                    QVERIFY2(group == other || !group->geometry().intersects(other->geometry()),
                             qPrintable(group->objectName() + " " + other->objectName()));
                for (const QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    for (const QWidget* next : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                        QVERIFY2(child == next || !child->geometry().intersects(next->geometry()),
                                 qPrintable(child->objectName() + " " + next->objectName()));
            }
        }
    }

    // A release of any mouse button over an enabled swatch opens the colour dialog.
    void swatchesAnswerAnyButton() {
        Fixture f;
        f.Open();
        QTest::mouseClick(f.form->CBColorPrint, Qt::LeftButton);
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            f.prompts.ExpectColour(0x102030 + int(button));
            QTest::mouseClick(f.form->ColNew, button);
            QCOMPARE(f.form->ColNew->colour(), 0x102030 + int(button));
        }
        QVERIFY(f.prompts.Exhausted());
    }

    // "Настроить принтер" chooses the printer and its pages; its confirming button does not print.
    void printerSetupConfirmsWithOk() {
        Fixture f;
        f.Open();
        QString confirm;
        QueueModalScript([&confirm](QDialog& dialog) {
            const auto* buttons = dialog.findChild<QDialogButtonBox*>();
            if (buttons && buttons->button(QDialogButtonBox::Ok))
                confirm = buttons->button(QDialogButtonBox::Ok)->text();
        });
        QTest::mouseClick(f.form->BtPrSetup, Qt::LeftButton);
        QCOMPARE(PendingModalScripts(), 0);
        QCOMPARE(confirm, QStringLiteral("OK"));
        QCOMPARE(f.form->PrnLabel->text(), QStringLiteral("Принтер Файл PDF"));
    }

    void emptyTableHasNothingToPrint() {
        Fixture f(false);
        f.Open();
        QTest::mouseClick(f.form->bbPrint, Qt::LeftButton);
        QCOMPARE(f.prompts.asked, (std::vector<std::string>{"message: " + W("Нет данных для печати")}));
    }
};

QTEST_MAIN(PrintFormTest)
#include "PrintForm_test.moc"
