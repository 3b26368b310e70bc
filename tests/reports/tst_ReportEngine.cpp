// The layout into pages: which band prints where and how often, what data-bound elements read,
// and what painting writes into a PDF.
#include "ReportFixture.h"
#include "reports/engine/ReportLayout.h"
#include "reports/engine/ReportPainter.h"
#include "seams/Clock.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace reports;

namespace {

// A portrait page with round band heights, so page breaks can be worked out by hand: the
// printable area runs from 10 to 287 mm and the footer takes 270..287; the first page holds
// header (10..60), title (60..80) and nine details (80..260), the next pages ten (60..260).
ReportDefinition listing(data::TableDataset *ds, double summaryHeight = 10)
{
    ReportDefinition def;
    def.dataset = ds;
    Band &header = def.addBand(BandKind::PageHeader, 50, FrameAll);
    header.elements.append(text(QRectF(0, 0, 190, 10), QStringLiteral("CABECALHO")));
    Band &title = def.addBand(BandKind::Title, 20, FrameAll);
    title.elements.append(text(QRectF(0, 0, 60, 10), QStringLiteral("ESCOLA")));
    title.elements.append(text(QRectF(60, 0, 60, 10), QStringLiteral("CONTATO")));
    Band &detail = def.addBand(BandKind::Detail, 20, FrameAll);
    detail.elements.append(count(QRectF(0, 0, 10, 10)));
    detail.elements.append(field(QRectF(10, 0, 100, 10), ds, QStringLiteral("ESCOLA")));
    Band &summary = def.addBand(BandKind::Summary, summaryHeight, FrameTop);
    summary.elements.append(text(QRectF(0, 0, 20, 5), QStringLiteral("Registro:")));
    summary.elements.append(count(QRectF(20, 0, 20, 5)));
    Band &footer = def.addBand(BandKind::PageFooter, 17);
    footer.elements.append(pageNumber(QRectF(150, 0, 40, 5)));
    def.pageElements.append(systemDate(QRectF(150, 2, 40, 5)));
    return def;
}

QStringList detailValues(const PageModel &model)
{
    QStringList out;
    for (const Page &page : model.pages)
        for (const PlacedElement &e : page.elements)
            if (e.band == BandKind::Detail && e.kind == ElementKind::Field)
                out << e.text;
    return out;
}

} // namespace

class TstReportEngine : public QObject {
    Q_OBJECT
private slots:
    void listingPages_data();
    void listingPages();
    void filteredAndSortedRowsInTheirOrder();
    void singleRecordFollowsTheSelectedRow();
    void detailWithoutDatasetOnceAndWithEmptyDatasetNever();
    void unboundOrUnreadableFieldPrintsNothing_data();
    void unboundOrUnreadableFieldPrintsNothing();
    void unknownFieldIsRefused();
    void pdfCarriesEveryPage();
    void pdfToUnwritablePathFails();
    void framesStayVisibleOverPictures();
};

void TstReportEngine::listingPages_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("summaryHeight");
    QTest::addColumn<QList<int>>("detailsPerPage");

    QTest::newRow("no rows") << 0 << 10.0 << QList<int>{0};
    QTest::newRow("one row") << 1 << 10.0 << QList<int>{1};
    QTest::newRow("exactly a page, summary ending on the footer") << 9 << 10.0 << QList<int>{9};
    QTest::newRow("exactly a page, summary on a page of its own") << 9 << 12.0 << QList<int>{9, 0};
    QTest::newRow("a page plus one") << 10 << 10.0 << QList<int>{9, 1};
    QTest::newRow("two full pages") << 19 << 10.0 << QList<int>{9, 10};
    QTest::newRow("three pages") << 20 << 10.0 << QList<int>{9, 10, 1};
}

void TstReportEngine::listingPages()
{
    QFETCH(int, rows);
    QFETCH(double, summaryHeight);
    QFETCH(QList<int>, detailsPerPage);

    ReportFixture fx;
    const QStringList names = ReportFixture::numbered(QStringLiteral("ESCOLA"), rows);
    fx.schools(names);
    seams::FixedClock clock(QDate(2026, 3, 9));

    const PageModel model = ReportLayout::layout(listing(fx.dm().cds_escola, summaryHeight));
    QCOMPARE(model.pageCount(), detailsPerPage.size());
    QCOMPARE(model.detailCount, rows);
    QCOMPARE(detailValues(model), names);

    int printed = 0;
    for (int p = 0; p < model.pageCount(); ++p) {
        const Page &page = model.pages[p];
        const bool last = p == model.pageCount() - 1;

        const auto headers = page.bandsOf(BandKind::PageHeader);
        QCOMPARE(headers.size(), 1);
        QCOMPARE(headers[0].rect.top(), 10.0);
        QCOMPARE(page.textsOf(BandKind::PageHeader), QStringList{QStringLiteral("CABECALHO")});

        const auto titles = page.bandsOf(BandKind::Title);
        QCOMPARE(titles.size(), p == 0 ? 1 : 0);
        QCOMPARE(page.textsOf(BandKind::Title),
                 (p == 0 ? QStringList{QStringLiteral("ESCOLA"), QStringLiteral("CONTATO")} : QStringList{}));

        // count() in a detail is the number of lines printed up to and including that one.
        const auto details = page.bandsOf(BandKind::Detail);
        QCOMPARE(details.size(), detailsPerPage[p]);
        for (const PlacedBand &d : details) {
            ++printed;
            QCOMPARE(d.row, printed - 1);
            QVERIFY(d.rect.bottom() <= 270.0 + 1e-9);
        }

        const auto summaries = page.bandsOf(BandKind::Summary);
        QCOMPARE(summaries.size(), last ? 1 : 0);
        if (last) {
            QCOMPARE(page.textsOf(BandKind::Summary),
                     (QStringList{QStringLiteral("Registro:"), QString::number(rows)}));
            QVERIFY(summaries[0].rect.bottom() <= 270.0 + 1e-9);
            if (!details.isEmpty())
                QCOMPARE(summaries[0].rect.top(), details.last().rect.bottom());
        }

        const auto footers = page.bandsOf(BandKind::PageFooter);
        QCOMPARE(footers.size(), 1);
        QCOMPARE(footers[0].rect.bottom(), 287.0);
        QCOMPARE(page.textsOf(BandKind::PageFooter), QStringList{QString::number(p + 1)});

        // The page element comes after every band of its page, placed from the margins.
        QVERIFY(!page.elements.last().band.has_value());
        QCOMPARE(page.elements.last().text, QStringLiteral("09/03/2026"));
        QCOMPARE(page.elements.last().rect.topLeft(), QPointF(160, 12));
    }
    QCOMPARE(printed, rows);
}

void TstReportEngine::filteredAndSortedRowsInTheirOrder()
{
    ReportFixture fx;
    fx.schools({"E.M. SANTA LUZIA", "CMEI GIRASSOL", "E.M. CORREGO DAS PEDRAS", "E.E. TIRADENTES",
                "E.M. ANTONIO CARLOS BRAGA"});
    auto *ds = fx.dm().cds_escola;
    ds->setFilter(QStringLiteral("ESCOLA like 'E.M.%'"));
    ds->setFiltered(true);
    ds->setIndexFieldNames(QStringLiteral("ESCOLA"));
    ds->moveTo(1);
    const QString current = ds->asString(QStringLiteral("ESCOLA"));

    const PageModel model = ReportLayout::layout(listing(ds));
    QCOMPARE(detailValues(model),
             (QStringList{"E.M. ANTONIO CARLOS BRAGA", "E.M. CORREGO DAS PEDRAS", "E.M. SANTA LUZIA"}));
    QCOMPARE(model.pages.last().textsOf(BandKind::Summary), (QStringList{QStringLiteral("Registro:"), "3"}));
    // What the screen shows is left as it was.
    QCOMPARE(ds->recNo(), 1);
    QCOMPARE(ds->asString(QStringLiteral("ESCOLA")), current);
    QCOMPARE(ds->recordCount(), 3);
}

void TstReportEngine::singleRecordFollowsTheSelectedRow()
{
    ReportFixture fx;
    fx.schools({"CMEI ARCO-IRIS", "E.M. SANTA LUZIA"});
    auto *ds = fx.dm().cds_escola;

    // A document with no dataset of its own: its body reads the current row when it is printed.
    ReportDefinition def;
    Band &body = def.addBand(BandKind::Title, 100, FrameAll);
    body.elements.append(text(QRectF(0, 0, 30, 6), QStringLiteral("ESCOLA:")));
    body.elements.append(field(QRectF(30, 0, 100, 6), ds, QStringLiteral("ESCOLA"), 0, FontStyle::Bold));

    ds->moveTo(1);
    QCOMPARE(ReportLayout::layout(def).pages[0].textsOf(BandKind::Title),
             (QStringList{QStringLiteral("ESCOLA:"), QStringLiteral("E.M. SANTA LUZIA")}));
    ds->moveTo(0);
    QCOMPARE(ReportLayout::layout(def).pages[0].textsOf(BandKind::Title),
             (QStringList{QStringLiteral("ESCOLA:"), QStringLiteral("CMEI ARCO-IRIS")}));

    // With the dataset empty the fixed texts still print, the value stays empty.
    ds->setFilter(QStringLiteral("ESCOLA = 'NENHUMA'"));
    ds->setFiltered(true);
    const PageModel empty = ReportLayout::layout(def);
    QCOMPARE(empty.pageCount(), 1);
    QCOMPARE(empty.pages[0].textsOf(BandKind::Title), QStringList{QStringLiteral("ESCOLA:")});
}

void TstReportEngine::detailWithoutDatasetOnceAndWithEmptyDatasetNever()
{
    ReportFixture fx;
    fx.schools({});
    ReportDefinition def;
    def.addBand(BandKind::Title, 220, FrameAll);
    def.addBand(BandKind::Detail, 8.5, FrameAll);
    def.addBand(BandKind::PageFooter, 8.5).elements.append(pageNumber(QRectF(150, 0, 40, 8.5)));

    // Title and empty framed strip still fit on one page with the footer.
    PageModel model = ReportLayout::layout(def);
    QCOMPARE(model.pageCount(), 1);
    QCOMPARE(model.pages[0].bandsOf(BandKind::Detail).size(), 1);
    QCOMPARE(model.pages[0].bandsOf(BandKind::Detail)[0].frame, int(FrameAll));

    def.dataset = fx.dm().cds_escola;
    model = ReportLayout::layout(def);
    QCOMPARE(model.pageCount(), 1);
    QCOMPARE(model.pages[0].bandsOf(BandKind::Detail).size(), 0);
    QCOMPARE(model.pages[0].textsOf(BandKind::PageFooter), QStringList{"1"});
}

void TstReportEngine::unboundOrUnreadableFieldPrintsNothing_data()
{
    QTest::addColumn<QString>("situation");
    QTest::newRow("bound to no dataset") << "none";
    QTest::newRow("dataset closed") << "closed";
    QTest::newRow("dataset with no visible row") << "empty";
}

void TstReportEngine::unboundOrUnreadableFieldPrintsNothing()
{
    QFETCH(QString, situation);
    ReportFixture fx;
    data::TableDataset *ds = nullptr;
    if (situation != QLatin1String("none")) {
        ds = fx.dm().cds_escola;
        if (situation == QLatin1String("empty"))
            fx.schools({});
    }
    ReportDefinition def;
    Band &body = def.addBand(BandKind::Title, 20);
    body.elements.append(text(QRectF(0, 0, 30, 6), QStringLiteral("ESCOLA:")));
    body.elements.append(field(QRectF(30, 0, 100, 6), ds, QStringLiteral("ESCOLA")));
    const PageModel model = ReportLayout::layout(def);
    QCOMPARE(model.pages[0].textsOf(BandKind::Title), QStringList{QStringLiteral("ESCOLA:")});
}

void TstReportEngine::unknownFieldIsRefused()
{
    ReportFixture fx;
    fx.schools({"CMEI GIRASSOL"});
    ReportDefinition def;
    def.addBand(BandKind::Title, 20)
        .elements.append(field(QRectF(0, 0, 30, 6), fx.dm().cds_escola, QStringLiteral("NOME_ESCOLA")));
    QVERIFY_THROWS_EXCEPTION(data::DataError, ReportLayout::layout(def));
}

void TstReportEngine::pdfCarriesEveryPage()
{
    ReportFixture fx;
    const QStringList names = ReportFixture::numbered(QStringLiteral("ESCOLA"), 20);
    fx.schools(names);
    const PageModel model = ReportLayout::layout(listing(fx.dm().cds_escola));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("lista.pdf"));
    QString error;
    QVERIFY2(ReportPainter::writePdf(model, pdf, QStringLiteral("LISTA"), &error), qPrintable(error));

    const QString info = ReportFixture::poppler(QStringLiteral("pdfinfo"), {pdf}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))), qPrintable(info));
    QCOMPARE(ReportFixture::pdfPageSize(info), QSize(595, 842));

    // Page by page, the lines printed there and the page number.
    const QList<QStringList> perPage{names.mid(0, 9), names.mid(9, 10), names.mid(19)};
    for (int p = 0; p < 3; ++p) {
        const QString text = ReportFixture::poppler(
            QStringLiteral("pdftotext"),
            {"-layout", "-f", QString::number(p + 1), "-l", QString::number(p + 1), pdf, "-"}, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(text.contains(QStringLiteral("CABECALHO")));
        QCOMPARE(text.contains(QStringLiteral("CONTATO")), p == 0);
        QCOMPARE(text.contains(QStringLiteral("Registro:")), p == 2);
        for (const QString &name : names)
            QCOMPARE(text.contains(name), perPage[p].contains(name));
    }
}

void TstReportEngine::pdfToUnwritablePathFails()
{
    ReportDefinition def;
    def.addBand(BandKind::Title, 20).elements.append(text(QRectF(0, 0, 30, 6), QStringLiteral("X")));
    QString error;
    QVERIFY(!ReportPainter::writePdf(ReportLayout::layout(def), QStringLiteral("/nonexistent/dir/x.pdf"), {},
                                     &error));
    QVERIFY(!error.isEmpty());
}

void TstReportEngine::framesStayVisibleOverPictures()
{
    // A white picture filling its framed band, and a page element picture over the page footer.
    QImage white(50, 50, QImage::Format_RGB32);
    white.fill(Qt::white);
    ReportDefinition def;
    def.addBand(BandKind::Title, 50, FrameAll).elements.append(image(QRectF(0, 0, 190, 50), white));
    const PageModel model = ReportLayout::layout(def);
    const double dpi = 254; // 10 dots per millimetre
    const QImage page = ReportPainter::renderPage(model, 0, dpi);
    QCOMPARE(page.size(), QSize(2100, 2970));
    // The band spans 10..200 mm across and 10..60 mm down.
    for (const QPoint &onFrame : {QPoint(100, 350), QPoint(2000, 350), QPoint(1000, 100), QPoint(1000, 600)})
        QVERIFY2(qGray(page.pixel(onFrame)) < 128,
                 qPrintable(QStringLiteral("%1,%2").arg(onFrame.x()).arg(onFrame.y())));
    QCOMPARE(qGray(page.pixel(1000, 350)), 255);
}

QTEST_MAIN(TstReportEngine)
#include "tst_ReportEngine.moc"
