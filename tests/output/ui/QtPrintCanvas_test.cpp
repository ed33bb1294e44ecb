// The print canvas on the file printer: the PDF appears only when the job ends, an aborted job
// leaves nothing, and the text stays searchable with every character where the layout put it.
#include "output/PrintJob.h"
#include "output/ui/QtPrintCanvas.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <map>

using namespace mcb;

namespace {

// The canvas of the file printer, noting where the rules of page 1 go.
class RuleNotingCanvas : public QtPrintCanvas {
public:
    using QtPrintCanvas::QtPrintCanvas;
    void DrawLine(int x1, int y1, int x2, int y2) override {
        if (PageNumber() == 1) rules.push_back(QLine(x1, y1, x2, y2));
        QtPrintCanvas::DrawLine(x1, y1, x2, y2);
    }
    std::vector<QLine> rules;
};

// Page 1 of a PDF as grey pixels at 100 dpi; a null image when it cannot be rendered.
QImage RenderedFirstPage(const test::TempDir& dir, const std::string& pdf) {
    const QString prefix = QString::fromStdString(dir.File("page"));
    QProcess render;
    render.start("pdftoppm",
                 {"-r", "100", "-gray", "-f", "1", "-l", "1", "-singlefile", QString::fromStdString(pdf), prefix});
    if (!render.waitForFinished(60000) || render.exitCode() != 0) return {};
    return QImage(prefix + ".pgm");
}

CatalogueTable FourDiscs() {
    CatalogueTable table;
    table.rows.clear();
    for (const char* id : {"00001", "00002", "00003", "00004"}) {
        TableRow row;
        row.cells[0] = id;
        row.cells[1] = "Disc " + std::string(id);
        row.cells[11] = "DVD";
        row.gin = row.oth = "-1";
        table.rows.push_back(row);
    }
    table.counters = {4, 0, 4, 0};
    return table;
}

} // namespace

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
    // The left end in points of every word on page 1, as the PDF reader finds it.
    static std::map<QString, double> WordLefts(const std::string& pdf) {
        QProcess text;
        text.start("pdftotext", {"-bbox", "-f", "1", "-l", "1", QString::fromStdString(pdf), "-"});
        text.waitForFinished();
        const QString html = QString::fromUtf8(text.readAllStandardOutput());
        static const QRegularExpression word(R"re(<word xMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
        std::map<QString, double> lefts;
        for (const QRegularExpressionMatch& match : word.globalMatch(html))
            lefts[match.captured(2)] = match.captured(1).toDouble();
        return lefts;
    }

    static void Draw(QtPrintCanvas& canvas, const std::string& text) {
        canvas.SetFont(kUsualFont, 10);
        canvas.SetFontStyle(kPlain);
        canvas.DrawText(100, 100, text);
    }

private slots:
    // Every rule of the report is seen at 100 dpi across its whole length: thick enough, and not
    // painted over by the shaded band of the disc after it.
    void rulesStayVisibleInThePdfAt100Dpi() {
        test::TempDir dir;
        dir.Write("base.cbf", "[Common]\r\nLastCDID=4\r\n");
        const TIniFile catalogue(dir.File("base.cbf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const std::string pdf = dir.File("report.pdf");
        RuleNotingCanvas canvas(printer, pdf);
        PrinterSettings options;
        options.EnabledColorPrint = true;
        const CatalogueTable table = FourDiscs();
        const FilterCriteria filter;
        const test::FixedClock clock;
        const test::FixedDateFormat dates;
        const ReportSources sources{table, catalogue, filter, options, clock, dates};
        QCOMPARE(PrintCatalogueReport(canvas, {kUsualFont, 10}, sources).outcome, JobOutcome::Printed);
        const QImage page = RenderedFirstPage(dir, pdf);
        if (page.isNull()) QSKIP("pdftoppm cannot render the PDF here");
        QCOMPARE(canvas.rules.size(), size_t(8)); // four around the title block, one after each disc
        const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
        const double scale = 100.0 / printer.resolution();
        for (const QLine& rule : canvas.rules) {
            const int row = qRound((paint.top() + rule.y1()) * scale);
            const int from = qCeil((paint.left() + rule.x1()) * scale) + 2,
                      to = int((paint.left() + rule.x2()) * scale) - 2;
            int dark = 0;
            for (int x = from; x <= to; ++x) {
                int darkest = 255;
                for (int y = row - 1; y <= row + 1; ++y) darkest = std::min(darkest, qGray(page.pixel(x, y)));
                dark += darkest < 160;
            }
            QVERIFY2(dark >= (to - from + 1) * 95 / 100,
                     qPrintable(QString("rule at %1: %2 of %3 dark").arg(rule.y1()).arg(dark).arg(to - from + 1)));
        }
    }

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

    // Pieces of one line in alternating styles and colours, some drawn as one glyph run, each word
    // where the layout put it.
    void interleavedPiecesStandWhereTheyWereDrawn() {
        struct Piece {
            FontStyle style;
            int colour;
            const char* text;
        };
        const std::vector<std::vector<Piece>> lines = {
            {{kPlain, kBlack, "alpha "}, {kItalic, kBlack, "beta "}, {kPlain, kBlack, "gamma "}},
            {{kBold, kBlack, "delta "}, {kBold, 0x0000FF, "epsilon "}, {kBold, kBlack, "zeta "}},
            {{kPlain, kBlack, "eta "},
             {kItalic, kBlack, "theta "},
             {kPlain, kBlack, "iota "},
             {kItalic, kBlack, "kappa "},
             {kPlain, kBlack, "lambda"}},
        };
        test::TempDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const std::string pdf = dir.File("runs.pdf");
        QtPrintCanvas canvas(printer, pdf);
        QVERIFY(canvas.BeginJob("Mirvane CD Base"));
        canvas.SetFont(kUsualFont, 10);
        std::map<QString, int> expected; // word -> left end in device units
        int y = 200;
        for (const auto& line : lines) {
            int x = 300;
            for (const Piece& piece : line) {
                canvas.SetFontStyle(piece.style);
                canvas.SetTextColour(piece.colour);
                canvas.DrawText(x, y, piece.text);
                expected[QString(piece.text).trimmed()] = x;
                x += canvas.TextWidth(piece.text);
            }
            y += 300;
        }
        QVERIFY(canvas.EndJob());
        const std::map<QString, double> found = WordLefts(pdf);
        const double left = printer.pageLayout().paintRectPixels(printer.resolution()).left();
        const double pointsPerUnit = 72.0 / printer.resolution();
        for (const auto& [word, x] : expected) {
            QVERIFY2(found.count(word), qPrintable(word));
            QVERIFY2(
                std::abs(found.at(word) - (left + x) * pointsPerUnit) < 1.5,
                qPrintable(
                    QString("%1 at %2, drawn at %3").arg(word).arg(found.at(word)).arg((left + x) * pointsPerUnit)));
        }
    }
};

QTEST_MAIN(QtPrintCanvasTest)
#include "QtPrintCanvas_test.moc"
