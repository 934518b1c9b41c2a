// Menu resources as tables: each a row of pop-ups, each pop-up a list of entries, as the layer builds them.
#pragma once

#include <span>

struct MenuEntry {
  int id;            // the command the entry sends; 0 for a separator
  const char* text;  // nullptr for a separator
};

struct MenuPopup {
  const char* title;
  std::span<const MenuEntry> entries;
};

struct MenuTemplate {
  int id;
  std::span<const MenuPopup> popups;
};

// The menu resource with this id; nullptr when the program has none.
const MenuTemplate* findMenuTemplate(int id);
