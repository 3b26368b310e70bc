#pragma once
// The secretariat's letterhead in its three forms, the date line and the president's signature
// block, as elements added to a band of a document's definition.
#include "app/InstallationData.h"
#include "reports/engine/ReportDefinition.h"

namespace reports::letterhead {

// Height of the page header band of single-record documents.
constexpr double kHeaderHeight = 39;
// Side of the square boxes the two pictures are stretched into: a little under 30 mm, so the
// 18 pt town-hall line and the contact line fit between them on a portrait page.
constexpr double kPictureSide = 28;
constexpr double kPictureInset = 1;

// The two square pictures and three lines: town hall, secretariat, CNPJ.
void addShort(Band &band, const PageSetup &page, const app::InstallationData &data);

// The two square pictures and five lines: town hall, secretariat, state, street address, contacts.
// Some documents bring their own pair of pictures.
void addFull(Band &band, const PageSetup &page, const app::InstallationData &data,
             app::InstallationData::Picture left = app::InstallationData::Picture::CoatOfArms,
             app::InstallationData::Picture right = app::InstallationData::Picture::SecretariatLogo);

enum class BannerSize { Large, Small };
// One wide picture holding the whole letterhead, stretched into `rect` (its proportions kept when
// `rect` has no height).
Element banner(const app::InstallationData &data, BannerSize size, QRectF rect);

// The contact line of the full form.
QString contactLine(const app::InstallationData::Letterhead &data);

// "Vargedo," and today's date, starting at `at`.
void addDateLine(Band &band, const PageSetup &page, QPointF at, double pointSize = 10);

// A signature line; under it the president's name, centred and bold; under that the board's
// caption and term, from the current row of the presidents' dataset. Takes 16 mm of height.
void addSignatureBlock(Band &band, const PageSetup &page, const QRectF &area, data::TableDataset *presidente);

} // namespace reports::letterhead
