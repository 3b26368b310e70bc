// The letterhead forms, the school list, the enrolment-documents sheet, the three ways of opening
// a document, and the preview window's paging, saving and printing.
#include "ReportFixture.h"
#include "registers/TFormCadastroEscola.h"
#include "reports/Letterhead.h"
#include "reports/ReportHooks.h"
#include "reports/ReportOpeners.h"
#include "reports/ReportPreview.h"
#include "reports/TFormRelCadastroEscola.h"
#include "reports/TRelDocMatricula.h"
#include "reports/engine/ReportLayout.h"
#include "reports/engine/ReportPainter.h"
#include "seams/Clock.h"
#include "seams/Messages.h"
#include "seams/Shell.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace reports;

namespace {

struct PrintedText {
    QString text;
    double pointSize;
    bool bold;
};

QList<PrintedText> textsWithFonts(const Page &page, BandKind kind)
{
    QList<PrintedText> out;
    for (const PlacedElement &e : page.elements)
        if (e.band == kind && !e.text.isEmpty())
            out.append({e.text, e.font.pointSizeF(), e.font.bold()});
    return out;
}

// Keeps the PDFs for looking at when MIRABELTA_REPORT_OUT names a folder.
void keep(const QString &pdf)
{
    const QString out = qEnvironmentVariable("MIRABELTA_REPORT_OUT");
    if (!out.isEmpty()) {
        const QString target = out + QLatin1Char('/') + QFileInfo(pdf).fileName();
        QFile::remove(target);
        QFile::copy(pdf, target);
    }
}

} // namespace

class TstReportDocuments : public QObject {
    Q_OBJECT
private slots:
    void letterheadForms_data();
    void letterheadForms();
    void letterheadDataIsNotHardWired();
    void dateLineAndSignatureBlock();
    void schoolListFollowsTheRegistersSearch();
    void schoolListOverThreePages();
    void schoolListPdf();
    void enrolmentSheetCarriesFiveStrips();
    void enrolmentSheetPdf();
    void freshModalIsOwnedByTheCaller();
    void keptAndPreparedIsReusedAndPreparedAgain();
    void createdAtStartOnlyShowsThePreview();
    void schoolRegisterPrintsWhatItShows();
    void previewPagesAndFitsThePage();
    void previewSavesPdfAndPrintsThroughTheSeam();
};

void TstReportDocuments::letterheadForms_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<double>>("sizes");

    QTest::newRow("short") << false
                           << QStringList{"PREFEITURA MUNICIPAL DE VARGEDO",
                                          "SECRETARIA MUNICIPAL DE EDUCAÇÃO", "CNPJ/MF: 18.457.302/0001-59"}
                           << QList<double>{18, 12, 12};
    QTest::newRow("full")
        << true
        << QStringList{"PREFEITURA MUNICIPAL DE VARGEDO", "SECRETARIA MUNICIPAL DE EDUCAÇÃO",
                       "ESTADO DE VUZOR IVEVIZ", "Rua Coronel Tibúrcio Neves, 120 - Centro - CEP 39475-000",
                       "CNPJ/MF - 18.457.302/0001-59 -  E-mail: educacao@vargedo.example.org / "
                       "Tel: (38)3741-2200"}
        << QList<double>{18, 12, 12, 8, 8};
}

void TstReportDocuments::letterheadForms()
{
    QFETCH(bool, full);
    QFETCH(QStringList, texts);
    QFETCH(QList<double>, sizes);
    ReportFixture fx;

    ReportDefinition def;
    Band &header = def.addBand(BandKind::PageHeader, letterhead::kHeaderHeight, FrameAll);
    if (full)
        letterhead::addFull(header, def.page, fx.installation());
    else
        letterhead::addShort(header, def.page, fx.installation());
    const Page page = ReportLayout::layout(def).pages.value(0);

    const auto printed = textsWithFonts(page, BandKind::PageHeader);
    QCOMPARE(printed.size(), texts.size());
    for (int i = 0; i < printed.size(); ++i) {
        QCOMPARE(printed[i].text, texts[i]);
        QCOMPARE(printed[i].pointSize, sizes[i]);
        QVERIFY(printed[i].bold);
    }
    // Two square pictures, loaded, inside the band, left and right of the lines.
    QList<PlacedElement> pictures;
    for (const PlacedElement &e : page.elements)
        if (e.kind == ElementKind::Image)
            pictures.append(e);
    QCOMPARE(pictures.size(), 2);
    const QRectF band = page.bands[0].rect;
    for (const PlacedElement &p : pictures) {
        QVERIFY(!p.image.isNull());
        QCOMPARE(p.rect.width(), p.rect.height());
        QVERIFY(band.contains(p.rect));
    }
    for (const PlacedElement &e : page.elements) {
        if (e.kind != ElementKind::Text)
            continue;
        QVERIFY(band.contains(e.rect));
        QVERIFY(e.rect.left() >= pictures[0].rect.right());
        QVERIFY(e.rect.right() <= pictures[1].rect.left());
        // Every line fits its box at its size.
        QVERIFY2(ReportLayout::textWidth(e.font, e.text) <= e.rect.width(), qPrintable(e.text));
    }
}

void TstReportDocuments::letterheadDataIsNotHardWired()
{
    QTemporaryDir dir;
    QFile in(QStringLiteral(MIRABELTA_SOURCE_DIR "/installation/installation.json"));
    QVERIFY(in.open(QIODevice::ReadOnly));
    QJsonObject root = QJsonDocument::fromJson(in.readAll()).object();
    QJsonObject head = root.value(QStringLiteral("letterhead")).toObject();
    head[QStringLiteral("cnpj")] = QStringLiteral("11.222.333/0001-44");
    head[QStringLiteral("email")] = QStringLiteral("outra@example.org");
    head[QStringLiteral("telephone")] = QStringLiteral("(31)1234-5678");
    head[QStringLiteral("address")] = QStringLiteral("Praça Central, 1 - Centro - CEP 30000-000");
    root[QStringLiteral("letterhead")] = head;
    QFile out(dir.filePath(QStringLiteral("installation.json")));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QJsonDocument(root).toJson());
    out.close();
    app::InstallationData data;
    QVERIFY2(data.load(out.fileName()), qPrintable(data.errorString()));

    ReportDefinition def;
    Band &header = def.addBand(BandKind::PageHeader, letterhead::kHeaderHeight);
    letterhead::addFull(header, def.page, data);
    const QStringList texts = ReportLayout::layout(def).pages[0].textsOf(BandKind::PageHeader);
    QVERIFY(texts.contains(QStringLiteral("Praça Central, 1 - Centro - CEP 30000-000")));
    QVERIFY(texts.contains(
        QStringLiteral("CNPJ/MF - 11.222.333/0001-44 -  E-mail: outra@example.org / Tel: (31)1234-5678")));
}

void TstReportDocuments::dateLineAndSignatureBlock()
{
    ReportFixture fx;
    auto *pres = fx.dm().cdspresidente;
    pres->open();
    pres->append();
    pres->setValue(QStringLiteral("CODIGO_PRESIDENTE"), 1);
    pres->setValue(QStringLiteral("NOME_PRESIDENTE"), QStringLiteral("Maria Aparecida Souza"));
    pres->setValue(QStringLiteral("DATA_VIGENTE"), QStringLiteral("2025/2026"));
    pres->post();
    pres->first();
    seams::FixedClock clock(QDate(2026, 2, 3));

    ReportDefinition def;
    Band &body = def.addBand(BandKind::Title, 60);
    letterhead::addDateLine(body, def.page, QPointF(100, 0));
    letterhead::addSignatureBlock(body, def.page, QRectF(20, 20, 150, 16), pres);
    const Page page = ReportLayout::layout(def).pages[0];
    const auto printed = textsWithFonts(page, BandKind::Title);
    QCOMPARE(page.textsOf(BandKind::Title),
             (QStringList{"Vargedo,", "03/02/2026", QString(60, QLatin1Char('_')), "Maria Aparecida Souza",
                          "Presidente da Comissão de Cadastro e Matricula ", "2025/2026"}));
    for (const PrintedText &t : printed)
        QCOMPARE(t.bold,
                 t.text == QLatin1String("Maria Aparecida Souza") || t.text == QLatin1String("2025/2026"));
    // "Vargedo," and the date read as one line, the date after the town.
    QCOMPARE(page.elements[0].rect.top(), page.elements[1].rect.top());
    QVERIFY(page.elements[1].rect.left() >
            page.elements[0].rect.left() + ReportLayout::textWidth(page.elements[0].font, "Vargedo,"));
}

void TstReportDocuments::schoolListFollowsTheRegistersSearch()
{
    ReportFixture fx;
    fx.schools({"E.M. SANTA LUZIA", "CMEI GIRASSOL", "E.M. JOAQUIM NOGUEIRA", "CMEI SEMENTINHA"});
    auto *ds = fx.dm().cds_escola;
    ds->setFilter(QStringLiteral("ESCOLA like 'CMEI%'"));
    ds->setFiltered(true);
    seams::FixedClock clock(QDate(2026, 5, 20));

    TFormRelCadastroEscola rel;
    rel.setInstallation(fx.installation());
    const PageModel &model = rel.prepare();
    QCOMPARE(model.pageCount(), 1);
    const Page &page = model.pages[0];
    QCOMPARE(page.textsOf(BandKind::PageHeader), QStringList{"RELATORIO ESCOLAS"});
    QCOMPARE(page.textsOf(BandKind::Title),
             (QStringList{"ID", "ESCOLA", "CONTATO", "E-MAIL", "ENDEREÇO", "RESPONSAVEL"}));
    QCOMPARE(page.bandsOf(BandKind::Detail).size(), 2);
    QCOMPARE(page.textsOf(BandKind::Detail),
             (QStringList{"2", "CMEI GIRASSOL", "(38)99999-0002", "escola2@vargedo.example.org", "RUA 2, 20",
                          "DIRETOR 2", "4", "CMEI SEMENTINHA", "(38)99999-0004",
                          "escola4@vargedo.example.org", "RUA 4, 40", "DIRETOR 4"}));
    QCOMPARE(page.textsOf(BandKind::Summary), (QStringList{"Registro:", "2"}));
    QCOMPARE(page.pageElementTexts(), QStringList{"20/05/2026"});

    // Red bold 14 pt title; the banner loaded; "Registro:" and its count do not overlap.
    for (const PlacedElement &e : page.elements) {
        if (e.text == QLatin1String("RELATORIO ESCOLAS")) {
            QCOMPARE(e.color, QColor(Qt::red));
            QCOMPARE(e.font.pointSizeF(), 14.0);
            QVERIFY(e.font.bold());
        }
        if (e.kind == ElementKind::Image)
            QVERIFY(!e.image.isNull());
    }
    QRectF registro, total;
    for (const PlacedElement &e : page.elements) {
        if (e.band == BandKind::Summary && e.kind == ElementKind::Text)
            registro = e.rect;
        if (e.band == BandKind::Summary && e.kind == ElementKind::Count)
            total = e.rect;
    }
    QVERIFY(registro.right() <= total.left());

    // Without the data module the list is refused rather than printed with one empty line.
    DM = nullptr;
    QVERIFY_THROWS_EXCEPTION(data::DataError, rel.prepare());
    DM = &fx.dm();
}

void TstReportDocuments::schoolListOverThreePages()
{
    // 190 mm of printable height: the header (35) and captions (6.4) leave room for 21 lines of
    // 6.4 mm above the 10.6 mm footer on the first page, and 22 on the next ones.
    ReportFixture fx;
    fx.schools(ReportFixture::numbered(QStringLiteral("ESCOLA"), 45));
    TFormRelCadastroEscola rel;
    rel.setInstallation(fx.installation());
    const PageModel &model = rel.prepare();
    QCOMPARE(model.pageCount(), 3);
    const QList<int> lines{21, 22, 2};
    for (int p = 0; p < 3; ++p) {
        const Page &page = model.pages[p];
        QCOMPARE(page.bandsOf(BandKind::Detail).size(), lines[p]);
        QCOMPARE(page.textsOf(BandKind::PageHeader), QStringList{"RELATORIO ESCOLAS"});
        QCOMPARE(page.bandsOf(BandKind::Title).size(), p == 0 ? 1 : 0);
        QCOMPARE(page.bandsOf(BandKind::Summary).size(), p == 2 ? 1 : 0);
        QCOMPARE(page.pageElementTexts().size(), 1);
    }
    QCOMPARE(model.pages[2].textsOf(BandKind::Summary), (QStringList{"Registro:", "45"}));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("relatorio_escolas_3.pdf"));
    QString error;
    QVERIFY2(ReportPainter::writePdf(model, pdf, rel.title(), &error), qPrintable(error));
    keep(pdf);
    const QString last =
        ReportFixture::poppler(QStringLiteral("pdftotext"), {"-f", "3", "-l", "3", pdf, "-"}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(last.contains(QStringLiteral("RELATORIO ESCOLAS")));
    QVERIFY(last.contains(QStringLiteral("ESCOLA 45")));
    QVERIFY(!last.contains(QStringLiteral("RESPONSAVEL")));
}

void TstReportDocuments::schoolListPdf()
{
    ReportFixture fx;
    fx.schools({"CMEI ARCO-IRIS", "E.M. SAO JOSE DO PONTAL"});
    seams::FixedClock clock(QDate(2026, 5, 20));
    TFormRelCadastroEscola rel;
    rel.setInstallation(fx.installation());
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("relatorio_escolas.pdf"));
    QString error;
    QVERIFY2(ReportPainter::writePdf(rel.prepare(), pdf, rel.title(), &error), qPrintable(error));
    keep(pdf);

    const QString info = ReportFixture::poppler(QStringLiteral("pdfinfo"), {pdf}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(ReportFixture::pdfPageSize(info), QSize(842, 595)); // landscape A4
    const QString text = ReportFixture::poppler(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    for (const char *expected : {"RELATORIO ESCOLAS", "20/05/2026", "ID", "ESCOLA", "CONTATO", "E-MAIL",
                                 "ENDEREÇO", "RESPONSAVEL", "CMEI ARCO-IRIS", "E.M. SAO JOSE DO PONTAL",
                                 "(38)99999-0002", "escola1@vargedo.example.org", "RUA 2, 20", "DIRETOR 1"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Registro:\\s*2\\b"))), qPrintable(text));
}

void TstReportDocuments::enrolmentSheetCarriesFiveStrips()
{
    ReportFixture fx;
    TRelDocMatricula rel;
    rel.setInstallation(fx.installation());
    const PageModel &model = rel.prepare();
    QCOMPARE(model.pageCount(), 1);
    const Page &page = model.pages[0];
    QCOMPARE(page.bands.size(), 1);
    QCOMPARE(page.bands[0].kind, BandKind::Title);
    QCOMPARE(page.bands[0].frame, int(FrameAll));
    QVERIFY(page.texts().isEmpty());

    QList<QRectF> inBand, onPage;
    for (const PlacedElement &e : page.elements) {
        QCOMPARE(e.kind, ElementKind::Image);
        QVERIFY(!e.image.isNull());
        // The strip keeps its proportions across the printable width.
        QCOMPARE(qRound(e.rect.width() / e.rect.height() * 100),
                 qRound(100.0 * e.image.width() / e.image.height()));
        (e.band ? inBand : onPage).append(e.rect);
    }
    QCOMPARE(inBand.size(), 4);
    QCOMPARE(onPage.size(), 1);
    const QRectF printable(10, 10, 190, 277);
    for (int i = 0; i < 4; ++i) {
        QVERIFY(page.bands[0].rect.contains(inBand[i]));
        if (i > 0)
            QVERIFY(inBand[i].top() >= inBand[i - 1].bottom());
    }
    QVERIFY(onPage[0].top() >= page.bands[0].rect.bottom());
    QVERIFY(printable.contains(onPage[0]));
}

void TstReportDocuments::enrolmentSheetPdf()
{
    // The slips are pictures, so their words are not text of the PDF: what is checked is one
    // portrait page drawing the strip five times.
    ReportFixture fx;
    TRelDocMatricula rel;
    rel.setInstallation(fx.installation());
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("documentos_matricula.pdf"));
    QString error;
    QVERIFY2(ReportPainter::writePdf(rel.prepare(), pdf, rel.title(), &error), qPrintable(error));
    keep(pdf);
    const QString info = ReportFixture::poppler(QStringLiteral("pdfinfo"), {pdf}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QCOMPARE(ReportFixture::pdfPageSize(info), QSize(595, 842));
    const QString text = ReportFixture::poppler(QStringLiteral("pdftotext"), {pdf, "-"}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(text.trimmed(), QString());
    const QString images = ReportFixture::poppler(QStringLiteral("pdfimages"), {"-list", pdf}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QStringList rows = images.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    int strips = 0;
    for (const QString &row : rows)
        if (row.simplified().split(QLatin1Char(' ')).value(3) == QLatin1String("2340"))
            ++strips;
    QCOMPARE(strips, 5);
}

void TstReportDocuments::freshModalIsOwnedByTheCaller()
{
    ReportFixture fx;
    RecordingPreview preview;
    ScopedPreview guard(&preview);
    auto *screen = new QWidget;
    TRelDocMatricula *first = reports::abrirRelDocMatricula(screen);
    // The installation file beside the test program is not there, the source tree's is used.
    Q_UNUSED(first);
    QCOMPARE(preview.shown.size(), 1);
    QCOMPARE(preview.shown[0].mode, PreviewMode::Modal);
    QCOMPARE(preview.shown[0].parent, screen);
    QCOMPARE(preview.shown[0].pages.pageCount(), 1);
    QCOMPARE(first->parent(), screen);
    QCOMPARE(TRelDocMatricula::shared().data(), first);

    TRelDocMatricula *second = reports::abrirRelDocMatricula(screen);
    QVERIFY(second != first);
    QCOMPARE(TRelDocMatricula::shared().data(), second);
    QCOMPARE(preview.shown.size(), 2);
    // Both live until the calling screen goes.
    QPointer<TRelDocMatricula> a = first, b = second;
    delete screen;
    QVERIFY(!a && !b);
    QVERIFY(!TRelDocMatricula::shared());
}

void TstReportDocuments::keptAndPreparedIsReusedAndPreparedAgain()
{
    ReportFixture fx;
    fx.schools({"CMEI GIRASSOL", "E.M. SANTA LUZIA", "CMEI SEMENTINHA"});
    RecordingPreview preview;
    ScopedPreview guard(&preview);

    TFormRelCadastroEscola *first = reports::abrirRelCadastroEscola();
    QCOMPARE(first->parent(), QCoreApplication::instance());
    auto *ds = fx.dm().cds_escola;
    ds->setFilter(QStringLiteral("ESCOLA like 'E.M.%'"));
    ds->setFiltered(true);
    TFormRelCadastroEscola *second = reports::abrirRelCadastroEscola();
    QCOMPARE(second, first);

    QCOMPARE(preview.shown.size(), 2);
    QCOMPARE(preview.shown[0].mode, PreviewMode::Modeless);
    QCOMPARE(preview.shown[0].pages.pages[0].textsOf(BandKind::Summary), (QStringList{"Registro:", "3"}));
    QCOMPARE(preview.shown[1].pages.pages[0].textsOf(BandKind::Summary), (QStringList{"Registro:", "1"}));
    delete first;
    QVERIFY(!TFormRelCadastroEscola::shared());
}

void TstReportDocuments::createdAtStartOnlyShowsThePreview()
{
    ReportFixture fx;
    fx.schools({"CMEI GIRASSOL"});
    RecordingPreview preview;
    ScopedPreview guard(&preview);
    QPointer<TFormRelCadastroEscola> ref;
    TFormRelCadastroEscola *made = createAtStart(ref);
    QCOMPARE(ref.data(), made);
    QCOMPARE(createAtStart(ref), made);
    QVERIFY(preview.shown.isEmpty());
    QVERIFY(!made->isPrepared());
    showCreatedAtStart(*made);
    QCOMPARE(preview.shown.size(), 1);
    QCOMPARE(preview.shown[0].report.data(), made);
    QCOMPARE(preview.shown[0].pages.detailCount, 1);
    delete made;
}

void TstReportDocuments::schoolRegisterPrintsWhatItShows()
{
    ReportFixture fx;
    fx.schools({"E.M. SANTA LUZIA", "CMEI GIRASSOL", "E.M. JOAQUIM NOGUEIRA", "CMEI ARCO-IRIS"});
    RecordingPreview preview;
    ScopedPreview guard(&preview);
    seams::RecordingMessages messages;
    seams::ScopedMessages messagesGuard(&messages);
    reports::ligaTelas();
    QStringList onScreen;
    {
        TFormCadastroEscola screen(fx.dm());
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        auto *busca = screen.findChild<QLineEdit *>(QStringLiteral("Editbusca"));
        auto *imprimir = screen.findChild<QPushButton *>(QStringLiteral("bntimprimir"));
        QVERIFY(busca && imprimir);
        QTest::keyClicks(busca, QStringLiteral("E.M."));
        // What the grid shows, in the screen's own order.
        auto *ds = fx.dm().cds_escola;
        for (int row = 0; row < ds->recordCount(); ++row)
            onScreen << ds->visibleValue(row, ds->fieldIndex(QStringLiteral("ESCOLA"))).toString();
        imprimir->click();
        busca->clear();
        imprimir->click();
        screen.close();
    }
    TFormCadastroEscola::abrirRelatorio = nullptr;
    QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('\n'))));
    QCOMPARE(preview.shown.size(), 2);
    QCOMPARE(preview.shown[0].mode, PreviewMode::Modeless);
    QCOMPARE(preview.shown[0].report.data(), preview.shown[1].report.data());
    QStringList printed;
    for (const PlacedElement &e : preview.shown[0].pages.pages[0].elements)
        if (e.band == BandKind::Detail && e.kind == ElementKind::Field &&
            e.text.contains(QLatin1String("E.M.")))
            printed << e.text;
    QCOMPARE(onScreen.size(), 2);
    QCOMPARE(printed, onScreen);
    QCOMPARE(preview.shown[0].pages.pages[0].textsOf(BandKind::Summary), (QStringList{"Registro:", "2"}));
    QCOMPARE(preview.shown[1].pages.pages[0].textsOf(BandKind::Summary), (QStringList{"Registro:", "4"}));
    delete TFormRelCadastroEscola::shared().data();
}

void TstReportDocuments::previewPagesAndFitsThePage()
{
    ReportFixture fx;
    fx.schools(ReportFixture::numbered(QStringLiteral("ESCOLA"), 45));
    TFormRelCadastroEscola rel;
    rel.setInstallation(fx.installation());
    auto *preview = new ReportPreview(rel.prepare(), rel.title());
    QPointer<ReportPreview> alive = preview;
    preview->show();
    QVERIFY(QTest::qWaitForWindowExposed(preview));
    QVERIFY(!preview->isMaximized());

    auto *label = preview->findChild<QLabel *>(QStringLiteral("lbPagina"));
    auto *first = preview->findChild<QToolButton *>(QStringLiteral("bntPrimeira"));
    auto *prior = preview->findChild<QToolButton *>(QStringLiteral("bntAnterior"));
    auto *next = preview->findChild<QToolButton *>(QStringLiteral("bntProxima"));
    auto *last = preview->findChild<QToolButton *>(QStringLiteral("bntUltima"));
    QVERIFY(label && first && prior && next && last);
    QCOMPARE(label->text(), QStringLiteral("Página 1 de 3"));
    QVERIFY(!first->isEnabled() && !prior->isEnabled() && next->isEnabled());
    next->click();
    QCOMPARE(preview->currentPage(), 1);
    last->click();
    QCOMPARE(label->text(), QStringLiteral("Página 3 de 3"));
    QVERIFY(!next->isEnabled() && !last->isEnabled() && prior->isEnabled());
    first->click();
    QCOMPARE(preview->currentPage(), 0);

    // Zoomed to fit: the whole page is inside the visible area.
    auto *area = preview->findChild<QScrollArea *>(QStringLiteral("areaPagina"));
    auto *image = preview->findChild<QLabel *>(QStringLiteral("imgPagina"));
    QCOMPARE(preview->zoom(), ReportPreview::Zoom::FitPage);
    QVERIFY(image->width() <= area->viewport()->width());
    QVERIFY(image->height() <= area->viewport()->height());
    QVERIFY(image->width() > area->viewport()->width() / 2);
    preview->resize(1200, 900);
    QTRY_VERIFY(image->width() > 900 * 0.6);
    QVERIFY(image->height() <= area->viewport()->height());

    const QString out = qEnvironmentVariable("MIRABELTA_REPORT_OUT");
    if (!out.isEmpty())
        preview->grab().save(out + QStringLiteral("/preview.png"));
    preview->findChild<QToolButton *>(QStringLiteral("bntFechar"))->click();
    QTRY_VERIFY(!alive);
}

void TstReportDocuments::previewSavesPdfAndPrintsThroughTheSeam()
{
    ReportFixture fx;
    fx.schools({"CMEI GIRASSOL", "E.M. SANTA LUZIA"});
    TFormRelCadastroEscola rel;
    rel.setInstallation(fx.installation());
    ReportPreview preview(rel.prepare(), rel.title());
    preview.setAttribute(Qt::WA_DeleteOnClose, false);

    QTemporaryDir dir;
    seams::RecordingShell shell;
    seams::ScopedShell shellGuard(&shell);
    seams::RecordingMessages messages;
    seams::ScopedMessages messagesGuard(&messages);
    RecordingPrint printer;
    ScopedPrint printGuard(&printer);

    // A name without extension is saved as PDF.
    shell.saveAnswers << dir.filePath(QStringLiteral("escolas"));
    preview.findChild<QToolButton *>(QStringLiteral("bntSalvar"))->click();
    QCOMPARE(shell.dialogs.size(), 1);
    QFile saved(dir.filePath(QStringLiteral("escolas.pdf")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.read(5) == "%PDF-");
    QString error;
    const QString text = ReportFixture::poppler(QStringLiteral("pdftotext"), {saved.fileName(), "-"}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(text.contains(QStringLiteral("E.M. SANTA LUZIA")));

    // Cancelled dialog: nothing written, nothing said.
    QVERIFY(!preview.saveDocument());
    QVERIFY(messages.shown.isEmpty());

    // A folder that cannot be written: the error is shown.
    shell.saveAnswers << QStringLiteral("/nonexistent/dir/escolas.pdf");
    QVERIFY(!preview.saveDocument());
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown[0].text.contains(QStringLiteral("/nonexistent/dir/escolas.pdf")));

    preview.findChild<QToolButton *>(QStringLiteral("bntImprimir"))->click();
    QCOMPARE(printer.printed.size(), 1);
    QCOMPARE(printer.printed[0].detailCount, 2);
    QCOMPARE(printer.titles, QStringList{"RELATORIO ESCOLAS"});
    printer.accept = false;
    QVERIFY(!preview.printDocument());
}

QTEST_MAIN(TstReportDocuments)
#include "tst_ReportDocuments.moc"
