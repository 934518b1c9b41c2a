// What one exceptional piece of a catalogue row costs and how its figures are written, decided once for the
// window and for every other user of the catalogue.
#pragma once

#include "catalogue/ItemCatalogue.h"
#include "framework/CString.h"

#include <functional>

// A suit is a row whose name begins with "*".
bool isSuitName(const CString& name);

// The figure a row is priced by: a suit's stored ingot total, decimals kept, whatever the level; for an
// item row, what `itemIngotsRequired` computes.
double exceptionalIngots(const CString& name, const CString& ingots, const std::function<double()>& itemIngotsRequired);

// The net ingots for one exceptional piece of an item row, from its texts as shown at a level. An Ingots
// text that reads as no ingots (0, empty, not a number) is reported through `invalidIngots` and gives 0.
double itemIngotsRequired(const CString& ingots, const CString& execRate, const CString& normRate,
                          const CString& baRate, const CString& failRate, const CString& doa,
                          const std::function<void()>& invalidIngots);

// Rate × ingots: the price before it is written.
double priceOf(int rate, double ingots);

// Two decimals with "." whatever the locale, as the ingots required are always shown.
CString twoDecimals(double value);

// A suit's list of parts: it stands only in the level-100 exceptional column, so every level shows that one.
const CString& suitParts(const ItemCatalogue& catalogue, int row);
