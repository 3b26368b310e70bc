#pragma once
// What a printed document is made of: the page, its bands and the elements inside them, all
// measured in millimetres. A definition holds no state of a run; ReportLayout turns it into pages.
#include <QColor>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <deque>

namespace data {
class TableDataset;
}

namespace reports {

enum class BandKind { PageHeader, Title, Detail, Summary, PageFooter };

// Sides of a band's frame, combinable.
enum FrameSide { FrameNone = 0, FrameTop = 1, FrameBottom = 2, FrameLeft = 4, FrameRight = 8, FrameAll = 15 };

enum class FontStyle { Regular, Bold, BoldUnderline };

enum class ElementKind {
    Text,       // fixed text, printed as written
    Field,      // a field of a table dataset, with the field's display format
    SystemDate, // today's date, dd/MM/yyyy
    PageNumber, // digits only
    Count,      // detail rows printed so far
    Image,
};

struct Element {
    ElementKind kind = ElementKind::Text;
    // Inside its band (or the printable area, for page elements). A width of 0 or less makes the
    // box as wide as its text.
    QRectF rect;
    QString text;                         // Text
    QPointer<data::TableDataset> dataset; // Field; none prints nothing
    QString field;                        // Field
    double pointSize = 0;                 // 0: the page's base font
    FontStyle style = FontStyle::Regular;
    QColor color = Qt::black;
    QColor background; // invalid: transparent
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QImage image;        // Image
    bool stretch = true; // Image: fill the box, else natural size at its top left
};

struct Band {
    BandKind kind = BandKind::Detail;
    double height = 0;
    int frame = FrameNone;
    QList<Element> elements;
};

struct PageSetup {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    double margin = 10;       // all four sides
    double baseFontSize = 10; // points
    QString fontFamily = QStringLiteral("Liberation Sans");

    QSizeF pageSize() const; // A4 in this orientation
    QSizeF printableSize() const;
};

class ReportDefinition {
public:
    PageSetup page;
    // The dataset whose visible rows the detail band repeats; none prints the detail once.
    QPointer<data::TableDataset> dataset;
    // At most one of each kind. A deque, so a band stays where addBand put it while more are added.
    std::deque<Band> bands;
    QList<Element> pageElements;

    Band &addBand(BandKind kind, double height, int frame = FrameNone);
    const Band *band(BandKind kind) const;
};

// Element builders, so definitions read as lists of what is printed where.
Element text(const QRectF &rect, const QString &text, double pointSize = 0,
             FontStyle style = FontStyle::Regular,
             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
Element field(const QRectF &rect, data::TableDataset *dataset, const QString &field, double pointSize = 0,
              FontStyle style = FontStyle::Regular,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
Element systemDate(const QRectF &rect, double pointSize = 0, FontStyle style = FontStyle::Regular,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
Element pageNumber(const QRectF &rect, double pointSize = 0, FontStyle style = FontStyle::Regular,
                   Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter);
Element count(const QRectF &rect, double pointSize = 0, FontStyle style = FontStyle::Regular,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
Element image(const QRectF &rect, const QImage &picture, bool stretch = true);

} // namespace reports
