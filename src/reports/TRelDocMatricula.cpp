#include "reports/TRelDocMatricula.h"

#include "reports/ReportOpeners.h"

using namespace reports;

namespace {
// Four strips inside the framed band and a fifth under it, each centred in a slot of this height.
constexpr double kSlot = 55;
constexpr int kStripsInBand = 4;
} // namespace

TRelDocMatricula::TRelDocMatricula(QObject *parent) : Report(parent) {}

QPointer<TRelDocMatricula> &TRelDocMatricula::shared()
{
    static QPointer<TRelDocMatricula> object;
    return object;
}

ReportDefinition TRelDocMatricula::definition() const
{
    ReportDefinition def;
    const QImage strip(installation().picturePath(app::InstallationData::Picture::EnrolmentDocuments));
    // Clear of the band's frame on both sides.
    const double inset = 2;
    const double width = def.page.printableSize().width() - 2 * inset;
    const double height = strip.isNull() ? kSlot - 10 : width * strip.height() / strip.width();
    const double gap = (kSlot - height) / 2;

    Band &band = def.addBand(BandKind::Title, kSlot * kStripsInBand, FrameAll);
    for (int i = 0; i < kStripsInBand; ++i)
        band.elements.append(image(QRectF(inset, i * kSlot + gap, width, height), strip));
    def.pageElements.append(image(QRectF(inset, kStripsInBand * kSlot + gap, width, height), strip));
    return def;
}

namespace reports {
TRelDocMatricula *abrirRelDocMatricula(QWidget *parent)
{
    return openFreshModal(parent, TRelDocMatricula::shared());
}
} // namespace reports
