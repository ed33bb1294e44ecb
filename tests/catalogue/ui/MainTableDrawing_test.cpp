// Drawing of the catalogue table: lent rows, the new mark, the sort mark of the heading and the
// cutting of texts, checked on rendered pixels.
#include "catalogue/ui/CatalogueTableModel.h"
#include "catalogue/ui/CellPainter.h"
#include "catalogue/ui/MainTableView.h"

#include <QHeaderView>
#include <QImage>
#include <QtTest>

namespace mcb {
namespace {

const QColor kLent(200, 0, 0);
const QColor kNew(0, 0, 220);

TableRow Row(const std::string& id, const std::string& title, const std::string& gin) {
    TableRow row;
    row.cells[0] = id;
    row.cells[1] = title;
    row.cells[2] = "Second";
    row.gin = gin;
    row.oth = "-1";
    return row;
}

bool HasColour(const QImage& image, const QRect& area, const QColor& colour) {
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixelColor(x, y).rgb() == colour.rgb()) return true;
    return false;
}

// The text the delegate draws, cut the same way by removing one character at a time.
QString CutOneByOne(QString text, const QFontMetrics& metrics, int maxWidth) {
    while (!text.isEmpty() && metrics.horizontalAdvance(text) > maxWidth) text.chop(1);
    return text;
}

} // namespace

class MainTableDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        table_.rows = {Row("00001", std::string("Alpha") + kNewMark, "-1"), Row("00002", "Beta", "3")};
        model_ = std::make_unique<CatalogueTableModel>(table_);
        model_->SetHeadings({"ID", "#  Name", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K"});
        view_ = std::make_unique<MainTableView>();
        QFont plain = view_->font();
        plain.setStyleStrategy(QFont::NoAntialias); // exact ink colours in the rendered pixels
        view_->setFont(plain);
        view_->setModel(model_.get());
        view_->colours().lent = kLent;
        view_->colours().newMark = kNew;
        view_->resize(700, 120);
        for (int k = 0; k < kColumnCount; ++k) view_->horizontalHeader()->resizeSection(k, 50);
        view_->horizontalHeader()->resizeSection(1, 200);
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    }

    void cleanup() {
        view_.reset();
        model_.reset();
    }

    QRect Cell(int row, int column) const { return view_->visualRect(model_->index(row, column)); }
    QImage Cells() const { return view_->viewport()->grab().toImage(); }

    void lentRowIsDrawnInTheLentColour() {
        QVERIFY(HasColour(Cells(), Cell(1, 1), kLent));
        QVERIFY(!HasColour(Cells(), Cell(0, 1), kLent));
    }

    void selectedLentRowKeepsTheLentColour() {
        view_->SelectRow(1);
        const QImage image = Cells();
        QVERIFY(HasColour(image, Cell(1, 0), kLent));
        const QColor highlight = view_->palette().color(QPalette::Active, QPalette::Highlight);
        QCOMPARE(image.pixelColor(Cell(1, 0).right() - 1, Cell(1, 0).bottom() - 1).rgb(), highlight.rgb());
    }

    void lentColourSwitchedOff() {
        view_->colours().dolgColor = false;
        QVERIFY(!HasColour(Cells(), Cell(1, 1), kLent));
        QVERIFY(HasColour(Cells(), Cell(1, 1), view_->palette().color(QPalette::Active, QPalette::Text)));
    }

    void newMarkFollowsTheTitleInTheNewColour() {
        const QRect cell = Cell(0, 1);
        const int titleEnd = cell.left() + 1 + QFontMetrics(view_->font()).horizontalAdvance("Alpha");
        const QImage image = Cells();
        QVERIFY(!HasColour(image, QRect(cell.left(), cell.top(), titleEnd - cell.left(), cell.height()), kNew));
        QVERIFY(HasColour(image, QRect(titleEnd, cell.top(), cell.right() - titleEnd, cell.height()), kNew));
        QVERIFY(HasColour(image, QRect(cell.left(), cell.top(), titleEnd - cell.left(), cell.height()),
                          view_->palette().color(QPalette::Active, QPalette::Text)));
    }

    void newMarkIsCutFirstWhenTheColumnIsNarrow() {
        const int titleWidth = QFontMetrics(view_->font()).horizontalAdvance("Alpha");
        view_->horizontalHeader()->resizeSection(1, titleWidth + 3);
        QVERIFY(!HasColour(Cells(), Cell(0, 1), kNew));
        QVERIFY(HasColour(Cells(), Cell(0, 1), view_->palette().color(QPalette::Active, QPalette::Text)));
    }

    void sortHeadingShowsTheArrow() {
        const QImage image = view_->horizontalHeader()->grab().toImage();
        const QColor highlight = view_->palette().color(QPalette::Active, QPalette::Highlight);
        const int left = view_->horizontalHeader()->sectionViewportPosition(1);
        const QPoint arrow[] = {{4, 1}, {5, 1}, {4, 11}, {5, 11}, {2, 10}, {6, 10}, {3, 11}};
        for (const QPoint& p : arrow) QCOMPARE(image.pixelColor(left + p.x(), p.y()).rgb(), highlight.rgb());
        for (const QPoint& p : {QPoint(4, 0), QPoint(1, 10), QPoint(4, 12), QPoint(2, 11)})
            QVERIFY(image.pixelColor(left + p.x(), p.y()).rgb() != highlight.rgb());
        // Other headings carry no arrow.
        const int other = view_->horizontalHeader()->sectionViewportPosition(2);
        QVERIFY(image.pixelColor(other + 4, 5).rgb() != highlight.rgb());
    }

    void cuttingMatchesRemovingOneCharacterAtATime() {
        const QFontMetrics metrics(view_->font());
        const QString texts[] = {"", "W", "Война и мир", "iiiiiiiiiiWWWWWWWWWW", QString(300, QLatin1Char('m'))};
        for (const QString& text : texts)
            for (const int width : {-5, 0, 3, 17, 60, 5000})
                QCOMPARE(CutToWidth(text, metrics, width), CutOneByOne(text, metrics, width));
    }

    // A cell asks for its text at every paint: of a title of megabytes only what a cell can show.
    void hugeTitleCostsOnlyWhatACellShows() {
        table_.rows[1].cells[1] = std::string(16 << 20, 'w');
        model_->Refresh([] {});
        const QString shown = model_->data(model_->index(1, 1)).toString();
        QCOMPARE(shown, QString(1024, QLatin1Char('w')));
        QVERIFY(!view_->grab().isNull());
        QCOMPARE(table_.rows[1].cells[1].size(), std::size_t(16 << 20));
    }

    void storedColoursHaveRedInTheLowestByte() {
        QCOMPARE(ColourFromStored(16383), QColor(255, 63, 0));
        QCOMPARE(ColourFromStored(65280), QColor(0, 255, 0));
        QCOMPARE(ColourFromStored(0x7f123456), QColor(0x56, 0x34, 0x12));
    }

private:
    CatalogueTable table_;
    std::unique_ptr<CatalogueTableModel> model_;
    std::unique_ptr<MainTableView> view_;
};

} // namespace mcb

QTEST_MAIN(mcb::MainTableDrawingTest)
#include "MainTableDrawing_test.moc"
