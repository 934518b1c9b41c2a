// Reading the item table into the catalogue, with the failure messages the user sees.
#pragma once

#include "catalogue/ItemCatalogue.h"

// Appends every data row of the table the program carries (resource IDR_ITEM_TABLE of type RT_HTML in
// the module of AfxGetResourceHandle) to catalogue. A failure shows its message, and the rows read
// before it stay; all 32 arrays always keep equal lengths. An absent or empty table adds nothing.
void loadItemTable(ItemCatalogue& catalogue);
