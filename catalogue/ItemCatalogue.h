// The item table in memory: one string array per loaded column, element r of each belonging to data row r.
#pragma once

#include "framework/CString.h"

#include <array>

struct ItemCatalogue {
  CStringArray m_arrItem;
  CStringArray m_arrIngots;
  CStringArray m_arrExcRate;
  CStringArray m_arrNormRate;
  CStringArray m_arrBARate;
  CStringArray m_arrFailRate;
  CStringArray m_arrDOA;
  CStringArray m_arrEx90;
  CStringArray m_arrAvg90;
  CStringArray m_arrBel90;
  CStringArray m_arrFail90;
  CStringArray m_arrDOA90;
  CStringArray m_arrEx80;
  CStringArray m_arrAvg80;
  CStringArray m_arrBel80;
  CStringArray m_arrFail80;
  CStringArray m_arrDOA80;
  CStringArray m_arrEx70;
  CStringArray m_arrAvg70;
  CStringArray m_arrBelow70;
  CStringArray m_arrFail70;
  CStringArray m_arrDOA70;
  CStringArray m_arrEx60;
  CStringArray m_arrAvg60;
  CStringArray m_arrBel60;
  CStringArray m_arrFails60;
  CStringArray m_arrDOA60;
  CStringArray m_arrEx50;
  CStringArray m_arrAvg50;
  CStringArray m_arrBel50;
  CStringArray m_arrFail50;
  CStringArray m_arrDOA50;
};

// A loaded column of the table (0-based position in a line) and the array that keeps it.
struct CatalogueColumn {
  int column;
  CStringArray ItemCatalogue::*array;
};

// Every loaded column in ascending order; the columns not listed ("Sell" to "Total2", "Igts Req2") are
// read past and kept nowhere.
inline constexpr std::array<CatalogueColumn, 32> kCatalogueColumns{{
    {0, &ItemCatalogue::m_arrItem},     {1, &ItemCatalogue::m_arrIngots},   {7, &ItemCatalogue::m_arrExcRate},
    {8, &ItemCatalogue::m_arrNormRate}, {9, &ItemCatalogue::m_arrBARate},   {10, &ItemCatalogue::m_arrFailRate},
    {11, &ItemCatalogue::m_arrDOA},     {13, &ItemCatalogue::m_arrEx90},    {14, &ItemCatalogue::m_arrAvg90},
    {15, &ItemCatalogue::m_arrBel90},   {16, &ItemCatalogue::m_arrFail90},  {17, &ItemCatalogue::m_arrDOA90},
    {18, &ItemCatalogue::m_arrEx80},    {19, &ItemCatalogue::m_arrAvg80},   {20, &ItemCatalogue::m_arrBel80},
    {21, &ItemCatalogue::m_arrFail80},  {22, &ItemCatalogue::m_arrDOA80},   {23, &ItemCatalogue::m_arrEx70},
    {24, &ItemCatalogue::m_arrAvg70},   {25, &ItemCatalogue::m_arrBelow70}, {26, &ItemCatalogue::m_arrFail70},
    {27, &ItemCatalogue::m_arrDOA70},   {28, &ItemCatalogue::m_arrEx60},    {29, &ItemCatalogue::m_arrAvg60},
    {30, &ItemCatalogue::m_arrBel60},   {31, &ItemCatalogue::m_arrFails60}, {32, &ItemCatalogue::m_arrDOA60},
    {33, &ItemCatalogue::m_arrEx50},    {34, &ItemCatalogue::m_arrAvg50},   {35, &ItemCatalogue::m_arrBel50},
    {36, &ItemCatalogue::m_arrFail50},  {37, &ItemCatalogue::m_arrDOA50},
}};
