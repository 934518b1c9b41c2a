// The system default locale's items, read afresh from the system configuration and ICU on every query.
#include "framework/LocaleInfo.h"

#include "framework/LocaleNumberItems.h"
#include "framework/SystemLocale.h"

#include <cstring>

namespace {
const std::string* itemText(const LocaleNumberItems& items, LCTYPE type) {
  switch (type) {
    case LOCALE_ILZERO: return &items.leadingZero;
    case LOCALE_SGROUPING: return &items.grouping;
    case LOCALE_SDECIMAL: return &items.decimalSeparator;
    case LOCALE_STHOUSAND: return &items.thousandSeparator;
    case LOCALE_INEGNUMBER: return &items.negativeOrder;
    default: return nullptr;
  }
}
}  // namespace

int GetLocaleInfoA(LCID locale, LCTYPE type, char* buffer, int size) {
  if (locale != LOCALE_SYSTEM_DEFAULT || size < 0 || (size > 0 && !buffer)) return 0;
  const LocaleNumberItems items = localeNumberItems(icuLocaleIdFor(systemLocaleName()));
  const std::string* text = itemText(items, type);
  if (!text) return 0;
  const int needed = static_cast<int>(text->size()) + 1;
  if (size == 0) return needed;
  if (size < needed) return 0;
  std::memcpy(buffer, text->c_str(), static_cast<std::size_t>(needed));
  return needed;
}
