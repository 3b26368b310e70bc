#include "reports/TFormRelCadastroEscola.h"

#include "app/TDM.h"
#include "reports/Letterhead.h"
#include "reports/ReportOpeners.h"

using namespace reports;

namespace {
struct Column {
    const char *caption;
    const char *field;
    double width;
};
// Widths in millimetres; together they fill the landscape page between the margins.
const Column kColumns[] = {
    {"ID", "ID_ESCOLA", 12}, {"ESCOLA", "ESCOLA", 64},     {"CONTATO", "CONTATO", 27},
    {"E-MAIL", "EMAIL", 52}, {"ENDEREÇO", "ENDERECO", 72}, {"RESPONSAVEL", "RESPONSAVEL", 50},
};
constexpr double kLineHeight = 6.4;
constexpr double kInset = 1;
} // namespace

TFormRelCadastroEscola::TFormRelCadastroEscola(QObject *parent) : Report(parent) {}

QPointer<TFormRelCadastroEscola> &TFormRelCadastroEscola::shared()
{
    static QPointer<TFormRelCadastroEscola> object;
    return object;
}

ReportDefinition TFormRelCadastroEscola::definition() const
{
    // Without the data module the detail band would print once as if the list had no dataset.
    if (!DM)
        throw data::DataError(QStringLiteral("RELATORIO ESCOLAS: módulo de dados não criado"));
    data::TableDataset *escola = DM->cds_escola;
    ReportDefinition def;
    def.page.orientation = QPageLayout::Landscape;
    def.page.baseFontSize = 8;
    def.dataset = escola;
    const double width = def.page.printableSize().width();

    Band &header = def.addBand(BandKind::PageHeader, 35);
    const double bannerWidth = 230;
    header.elements.append(letterhead::banner(installation(), letterhead::BannerSize::Small,
                                              QRectF((width - bannerWidth) / 2, 0, bannerWidth, 0)));
    Element caption = text(QRectF(0, 27, width, 7), title(), 14, FontStyle::Bold, Qt::AlignCenter);
    caption.color = Qt::red;
    header.elements.append(caption);

    Band &captions = def.addBand(BandKind::Title, kLineHeight, FrameAll);
    Band &detail = def.addBand(BandKind::Detail, kLineHeight);
    double x = 0;
    for (const Column &c : kColumns) {
        const QRectF box(x + kInset, 0, c.width - 2 * kInset, kLineHeight);
        captions.elements.append(text(box, QString::fromUtf8(c.caption), 8));
        detail.elements.append(field(box, escola, QString::fromLatin1(c.field), 8));
        x += c.width;
    }

    Band &summary = def.addBand(BandKind::Summary, 7, FrameTop);
    summary.elements.append(text(QRectF(kInset, 0, 0, 7), QStringLiteral("Registro:"), 10));
    summary.elements.append(count(QRectF(kInset + 17, 0, 30, 7), 10));

    def.addBand(BandKind::PageFooter, 10.6);

    // Today's date at the right of the header area, on every page.
    def.pageElements.append(
        systemDate(QRectF(width - 40, 27, 40, 7), 10, FontStyle::Regular, Qt::AlignRight | Qt::AlignVCenter));
    return def;
}

namespace reports {
TFormRelCadastroEscola *abrirRelCadastroEscola()
{
    return openKeptPrepared(TFormRelCadastroEscola::shared());
}
} // namespace reports
