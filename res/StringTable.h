// The string table: under each command's id, its menu text, a line feed and a short form.
#pragma once

#include <span>

struct StringResource {
  int id;
  const char* text;
};

std::span<const StringResource> stringTable();
