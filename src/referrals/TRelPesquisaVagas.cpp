#include "referrals/TRelPesquisaVagas.h"

#include "app/TDM.h"
#include "reports/Letterhead.h"
#include "reports/ReportOpeners.h"

using namespace reports;

namespace {
struct Column {
    const char *caption;
    const char *field;
    double width;
    Qt::Alignment alignment;
};
// Widths in millimetres; together they fill the landscape page between the margins.
const Column kColumns[] = {
    {"Escola", "ESCOLA", 110, Qt::AlignLeft},
    {"Turno", "TURNO", 35, Qt::AlignLeft},
    {"Serie", "SERIE", 80, Qt::AlignLeft},
    {"Vagas", "QTD_VAGAS", 22, Qt::AlignHCenter},
    {"Quantitativo", "Q_MAT_1", 30, Qt::AlignHCenter},
};
constexpr double kLineHeight = 6.4;
constexpr double kInset = 1;
const QColor kCaptionBackground(0xD3, 0xD3, 0xD3);
} // namespace

TRelPesquisaVagas::TRelPesquisaVagas(QObject *parent) : Report(parent) {}

QPointer<TRelPesquisaVagas> &TRelPesquisaVagas::shared()
{
    static QPointer<TRelPesquisaVagas> object;
    return object;
}

ReportDefinition TRelPesquisaVagas::definition() const
{
    data::TableDataset *vagas = DM ? DM->cdsvagas : nullptr;
    ReportDefinition def;
    def.page.orientation = QPageLayout::Landscape;
    def.dataset = vagas;
    const double width = def.page.printableSize().width();

    Band &header = def.addBand(BandKind::PageHeader, 35);
    const double bannerWidth = 230;
    header.elements.append(letterhead::banner(installation(), letterhead::BannerSize::Small,
                                              QRectF((width - bannerWidth) / 2, 0, bannerWidth, 0)));
    Element caption = text(QRectF(0, 27, width, 7), title(), 14, FontStyle::Bold, Qt::AlignCenter);
    caption.color = Qt::red;
    header.elements.append(caption);

    Band &captions = def.addBand(BandKind::Title, kLineHeight, FrameAll);
    Band &detail = def.addBand(BandKind::Detail, kLineHeight, FrameAll);
    double x = 0;
    for (const Column &c : kColumns) {
        const QRectF box(x + kInset, 0, c.width - 2 * kInset, kLineHeight);
        Element head =
            text(box, QString::fromUtf8(c.caption), 9, FontStyle::Bold, c.alignment | Qt::AlignVCenter);
        head.background = kCaptionBackground;
        captions.elements.append(head);
        detail.elements.append(field(box, vagas, QString::fromLatin1(c.field), 7, FontStyle::Regular,
                                     c.alignment | Qt::AlignVCenter));
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
TRelPesquisaVagas *abrirRelPesquisaVagas(QWidget *caller)
{
    return openFreshModal(caller, TRelPesquisaVagas::shared());
}
} // namespace reports
