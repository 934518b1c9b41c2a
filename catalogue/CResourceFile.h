// The loader's memory file over the item table, which lies in the executable's image.
#pragma once

#include "framework/CSharedFile.h"

class CResourceFile : public CSharedFile {
public:
  // The table's bytes stay with the executable image for the whole run: closing the file must neither
  // release nor touch them, which a CSharedFile, owning nothing, already guarantees.
  ~CResourceFile() override = default;
};
