// The loader's memory file over the item table, which lies in the executable's image.
#pragma once

#include "framework/CArchive.h"

// The table's bytes stay with the executable image for the whole run: closing the file must neither release
// nor touch them, which a CSharedFile, owning nothing, already guarantees.
class CResourceFile : public CSharedFile {};
