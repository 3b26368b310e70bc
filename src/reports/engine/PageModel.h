#pragma once
// A laid-out document: its pages, each with the bands placed on it and every element with its
// final text and box in page millimetres. Painting and the tests both read this.
#include "reports/engine/ReportDefinition.h"

#include <QFont>
#include <QList>
#include <QSizeF>
#include <QStringList>
#include <optional>

namespace reports {

struct PlacedBand {
    BandKind kind = BandKind::Detail;
    QRectF rect; // page millimetres
    int frame = FrameNone;
    int row = -1; // visible row of the report's dataset, for detail bands over one
};

struct PlacedElement {
    ElementKind kind = ElementKind::Text;
    std::optional<BandKind> band; // none: a page element
    int bandIndex = -1;           // into Page::bands
    QRectF rect;                  // page millimetres
    QString text;
    QFont font;
    QColor color = Qt::black;
    QColor background;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QImage image;
    bool stretch = true;
};

struct Page {
    QList<PlacedBand> bands;
    QList<PlacedElement> elements; // in painting order: the bands' elements, then the page elements

    QList<PlacedBand> bandsOf(BandKind kind) const;
    // Texts printed by the bands of one kind, top to bottom, left to right.
    QStringList textsOf(BandKind kind) const;
    QStringList pageElementTexts() const;
    QStringList texts() const; // everything with text, in painting order
};

struct PageModel {
    QSizeF pageSize; // millimetres
    double margin = 10;
    QList<Page> pages;
    int detailCount = 0; // detail bands printed in all

    int pageCount() const { return int(pages.size()); }
};

} // namespace reports
