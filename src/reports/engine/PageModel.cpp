#include "reports/engine/PageModel.h"

#include <algorithm>

namespace reports {

QList<PlacedBand> Page::bandsOf(BandKind kind) const
{
    QList<PlacedBand> out;
    for (const PlacedBand &b : bands)
        if (b.kind == kind)
            out.append(b);
    return out;
}

QStringList Page::textsOf(BandKind kind) const
{
    QList<const PlacedElement *> found;
    for (const PlacedElement &e : elements)
        if (e.band == kind && !e.text.isEmpty())
            found.append(&e);
    std::stable_sort(found.begin(), found.end(), [](const PlacedElement *a, const PlacedElement *b) {
        if (!qFuzzyCompare(a->rect.top(), b->rect.top()))
            return a->rect.top() < b->rect.top();
        return a->rect.left() < b->rect.left();
    });
    QStringList out;
    for (const PlacedElement *e : found)
        out.append(e->text);
    return out;
}

QStringList Page::pageElementTexts() const
{
    QStringList out;
    for (const PlacedElement &e : elements)
        if (!e.band && !e.text.isEmpty())
            out.append(e.text);
    return out;
}

QStringList Page::texts() const
{
    QStringList out;
    for (const PlacedElement &e : elements)
        if (!e.text.isEmpty())
            out.append(e.text);
    return out;
}

} // namespace reports
