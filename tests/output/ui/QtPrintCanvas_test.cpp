// The print canvas on the file printer: the PDF appears only when the job ends, an aborted job
// leaves nothing, and the text stays searchable with every character where the layout put it.
#include "output/ui/QtPrintCanvas.h"
#include "storage/Literal.h"
#include "support/TempDir.h"

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QTest>

using namespace mcb;

class QtPrintCanvasTest : public QObject {
    Q_OBJECT

private:
    static QStringList Files(const test::TempDir& dir) {
        return QDir(QString::fromStdString(dir.Path())).entryList(QDir::Files | QDir::Hidden);
    }
    static QString PdfText(const std::string& pdf) {
        QProcess text;
        text.start("pdftotext", {QString::fromStdString(pdf), "-"});
        text.waitForFinished();
        return QString::fromUtf8(text.readAllStandardOutput());
    }

    static void Draw(QtPrintCanvas& canvas, const std::string& text) {
        canvas.SetFont(kUsualFont, 10);
        canvas.SetFontStyle(kPlain);
        canvas.DrawText(100, 100, text);
    }

private slots:
    void fileAppearsWhenTheJobEndsAndNotWhenItIsAborted() {
        for (const bool abort : {false, true}) {
            test::TempDir dir;
            dir.Write("report.pdf", "old");
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            const std::string pdf = dir.File("report.pdf");
            {
                QtPrintCanvas canvas(printer, pdf);
                QVERIFY(canvas.BeginJob("Mirvane CD Base"));
                Draw(canvas, "first page");
                QVERIFY(canvas.NewPage());
                QCOMPARE(canvas.PageNumber(), 2);
                QCOMPARE(test::TempDir::Read(pdf), std::string("old"));
                if (abort)
                    canvas.AbortJob();
                else
                    QVERIFY(canvas.EndJob());
            }
            QCOMPARE(Files(dir), QStringList{"report.pdf"});
            const std::string content = test::TempDir::Read(pdf);
            QCOMPARE(content == "old", abort);
            if (!abort) QVERIFY(PdfText(pdf).contains("first page"));
        }
    }

    void unwritableFolderFailsNamingTheFile() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        QtPrintCanvas canvas(printer, "/nonexistent-folder/report.pdf");
        QVERIFY(!canvas.BeginJob("Mirvane CD Base"));
        QCOMPARE(canvas.ErrorText(), W("Не удается записать файл /nonexistent-folder/report.pdf"));
    }

    // Pieces are placed glyph by glyph: no ligature swallows "fi", no kerning pulls "AV" together,
    // and the text can still be found in the PDF.
    void textKeepsEveryCharacterAndStaysSearchable() {
        test::TempDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        QtPrintCanvas canvas(printer, dir.File("text.pdf"));
        QVERIFY(canvas.BeginJob("Mirvane CD Base"));
        Draw(canvas, W("office fi Солярис"));
        canvas.SetFontStyle(kBoldUnderlined);
        const int pair = canvas.TextWidth("AV");
        QVERIFY(std::abs(canvas.TextWidth("AVAVAVAVAV") - 5 * pair) <= 3);
        QCOMPARE(canvas.TextWidth("AV"), canvas.TextWidth("VA"));
        canvas.DrawText(100, 400, "AVAV");
        QVERIFY(canvas.EndJob());
        const QString text = PdfText(dir.File("text.pdf"));
        QVERIFY2(text.contains(QStringLiteral("office fi Солярис")), qPrintable(text));
        QVERIFY(text.contains("AVAV"));
    }
};

QTEST_MAIN(QtPrintCanvasTest)
#include "QtPrintCanvas_test.moc"
