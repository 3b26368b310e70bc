#include "reports/Letterhead.h"

#include "reports/engine/ReportLayout.h"

namespace reports::letterhead {

namespace {

using Picture = app::InstallationData::Picture;

QImage picture(const app::InstallationData &data, Picture which)
{
    return QImage(data.picturePath(which));
}

void addPictures(Band &band, const PageSetup &page, const app::InstallationData &data, Picture left,
                 Picture right)
{
    const double width = page.printableSize().width();
    const double top = (kHeaderHeight - kPictureSide) / 2;
    band.elements.append(image(QRectF(kPictureInset, top, kPictureSide, kPictureSide), picture(data, left)));
    band.elements.append(image(QRectF(width - kPictureInset - kPictureSide, top, kPictureSide, kPictureSide),
                               picture(data, right)));
}

struct Line {
    QString text;
    double pointSize;
    double height;
};

// The lines between the pictures, centred as a block in the band's height.
void addCentredLines(Band &band, const PageSetup &page, const QList<Line> &lines)
{
    const double width = page.printableSize().width();
    const double left = kPictureInset + kPictureSide + 1.5;
    double total = 0;
    for (const Line &l : lines)
        total += l.height;
    double y = (kHeaderHeight - total) / 2;
    for (const Line &l : lines) {
        band.elements.append(text(QRectF(left, y, width - 2 * left, l.height), l.text, l.pointSize,
                                  FontStyle::Bold, Qt::AlignCenter));
        y += l.height;
    }
}

} // namespace

void addShort(Band &band, const PageSetup &page, const app::InstallationData &data)
{
    addPictures(band, page, data, Picture::CoatOfArms, Picture::SecretariatLogo);
    addCentredLines(band, page,
                    {{QStringLiteral("PREFEITURA MUNICIPAL DE VARGEDO"), 18, 9},
                     {QStringLiteral("SECRETARIA MUNICIPAL DE EDUCAÇÃO"), 12, 6.5},
                     {QStringLiteral("CNPJ/MF: ") + data.letterhead().cnpj, 12, 6.5}});
}

void addFull(Band &band, const PageSetup &page, const app::InstallationData &data, Picture left,
             Picture right)
{
    addPictures(band, page, data, left, right);
    addCentredLines(band, page,
                    {{QStringLiteral("PREFEITURA MUNICIPAL DE VARGEDO"), 18, 8.5},
                     {QStringLiteral("SECRETARIA MUNICIPAL DE EDUCAÇÃO"), 12, 6},
                     {QStringLiteral("ESTADO DE VUZOR IVEVIZ"), 12, 6},
                     {data.letterhead().address, 8, 4.5},
                     {contactLine(data.letterhead()), 8, 4.5}});
}

QString contactLine(const app::InstallationData::Letterhead &data)
{
    return QStringLiteral("CNPJ/MF - ") + data.cnpj + QStringLiteral(" -  E-mail: ") + data.email +
           QStringLiteral(" / Tel: ") + data.telephone;
}

Element banner(const app::InstallationData &data, BannerSize size, QRectF rect)
{
    const QImage img = picture(data, size == BannerSize::Large ? Picture::BannerLarge : Picture::BannerSmall);
    if (rect.height() <= 0 && !img.isNull())
        rect.setHeight(rect.width() * img.height() / img.width());
    return image(rect, img);
}

void addDateLine(Band &band, const PageSetup &page, QPointF at, double pointSize)
{
    const QString town = QStringLiteral("Vargedo,");
    const double height = pointSize * 0.6;
    const double width =
        ReportLayout::textWidth(ReportLayout::font(page, pointSize, FontStyle::Regular), town);
    band.elements.append(text(QRectF(at.x(), at.y(), width + 0.5, height), town, pointSize));
    band.elements.append(systemDate(QRectF(at.x() + width + 1.5, at.y(), 30, height), pointSize));
}

void addSignatureBlock(Band &band, const PageSetup &page, const QRectF &area, data::TableDataset *presidente)
{
    const double x = area.left(), w = area.width(), y = area.top();
    band.elements.append(
        text(QRectF(x, y, w, 5), QString(60, QLatin1Char('_')), 10, FontStyle::Regular, Qt::AlignCenter));
    band.elements.append(field(QRectF(x, y + 5.5, w, 5), presidente, QStringLiteral("NOME_PRESIDENTE"), 10,
                               FontStyle::Bold, Qt::AlignCenter));
    // The caption and the term read as one centred line; the term's length is only known when
    // printing, so the pair is centred on the caption plus a typical term.
    const QString caption = QStringLiteral("Presidente da Comissão de Cadastro e Matricula ");
    const double captionWidth =
        ReportLayout::textWidth(ReportLayout::font(page, 10, FontStyle::Regular), caption);
    const double termWidth = 30;
    const double left = x + (w - captionWidth - termWidth) / 2;
    band.elements.append(text(QRectF(left, y + 11, captionWidth + 0.5, 5), caption, 10));
    band.elements.append(field(QRectF(left + captionWidth + 0.5, y + 11, termWidth + 20, 5), presidente,
                               QStringLiteral("DATA_VIGENTE"), 10, FontStyle::Bold));
}

} // namespace reports::letterhead
