// Dialog templates 102 (the main window) and 100 (the About box), in template order, which is also tab order.
#include "pricing/SkillLevels.h"
#include "res/Templates.h"
#include "res/resource.h"

#include <cstdlib>

namespace {
using enum ControlKind;

constexpr DialogControl kPriceControls[] = {
    // id, kind, text, shown, x, y, cx, cy, styles[, accessible name[, caption for]]
    {IDC_ITEM, ComboBox, "", true, 17, 3, 82, 130, WS_TABSTOP},
    {IDC_RATE, Edit, "", true, 120, 3, 40, 14, WS_BORDER | WS_TABSTOP},
    {IDC_SPIN1, UpDown, "Spin1", true, 162, 3, 10, 14, 0},
    {IDC_CALCULATE, PushButton, "Calculate", false, 127, 32, 24, 14, WS_TABSTOP},
    {IDOK, PushButton, "OK", false, 127, 25, 24, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDCANCEL, PushButton, "Cancel", false, 151, 15, 24, 14, WS_TABSTOP},
    {-1, Static, "Item", true, 1, 5, 14, 8, 0, nullptr, IDC_ITEM},
    {-1, Static, "Ingots", true, 147, 28, 25, 8, 0, nullptr, IDC_INGOTS},
    {-1, Static, "Rate", true, 102, 5, 16, 8, 0, nullptr, IDC_RATE},
    {-1, Static, "Price", true, 21, 18, 17, 8, 0, nullptr, IDC_PRICE},
    {IDC_EXEC_RATE_LABEL, Static, kRateCaptions[kExecRateField], true, 0, 54, 34, 8, 0, nullptr, IDC_EXEC_RATE},
    {IDC_NORM_RATE_LABEL, Static, kRateCaptions[kNormRateField], true, 37, 54, 35, 8, 0, nullptr, IDC_NORM_RATE},
    {IDC_BA_RATE_LABEL, Static, kRateCaptions[kBARateField], true, 74, 54, 28, 8, 0, nullptr, IDC_BA_RATE},
    {IDC_FAIL_RATE_LABEL, Static, kRateCaptions[kFailRateField], true, 111, 54, 29, 8, 0, nullptr, IDC_FAIL_RATE},
    {IDC_DOA_LABEL, Static, kRateCaptions[kDOAField], true, 147, 54, 16, 8, 0, nullptr, IDC_DOA},
    {-1, Static, "Ingots Required for Exceptional", true, 52, 17, 100, 8, 0, nullptr, IDC_IGTS_REQ2},
    {IDC_LOAD, PushButton, "Load", false, 127, 40, 24, 14, WS_TABSTOP},
    {IDC_INGOTS, Static, "Ingots", true, 147, 38, 34, 12, SS_SUNKEN},
    {IDC_PRICE, Static, "Price", true, 0, 28, 57, 17, SS_SUNKEN | SS_CENTER | SS_CENTERIMAGE},
    {IDC_EXEC_RATE, Static, kRateCaptions[kExecRateField], true, 0, 63, 34, 12, SS_SUNKEN},
    {IDC_NORM_RATE, Static, kRateCaptions[kNormRateField], true, 37, 63, 34, 12, SS_SUNKEN},
    {IDC_BA_RATE, Static, kRateCaptions[kBARateField], true, 74, 63, 34, 12, SS_SUNKEN},
    {IDC_FAIL_RATE, Static, kRateCaptions[kFailRateField], true, 111, 63, 34, 12, SS_SUNKEN},
    {IDC_DOA, Static, kRateCaptions[kDOAField], true, 147, 63, 34, 12, SS_SUNKEN},
    {IDC_IGTS_REQ2, Static, "Igts Req2", true, 70, 28, 57, 17, SS_SUNKEN | SS_CENTER | SS_CENTERIMAGE},
    {IDC_TOP, CheckBox, "", false, 57, 27, 11, 10, BS_LEFTTEXT | WS_TABSTOP},
    {-1, Static, "Top", false, 55, 38, 14, 8, 0, nullptr, IDC_TOP},
    {IDC_ABOUT, PushButton, "?", true, 165, 3, 14, 15, WS_TABSTOP, "About"},
    {IDC_SET_CONTENTS, Static, "Set Contents", false, 27, 48, 42, 8, SS_SUNKEN},
};

constexpr DialogControl kAboutControls[] = {
    {-1, Icon, "128", true, 11, 17, 20, 20, 0},  // text: the icon resource
    {-1, Static, "Quenchmark Version 2.0", true, 40, 10, 101, 8, 0},
    {-1, Static, "Written by Brasswick", true, 40, 25, 119, 8, 0},
    {IDOK, PushButton, "OK", false, 141, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    {-1, Static, "For updates and other utilities, visit the Brasswick web site at:", true, 8, 41, 215, 11,
     SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN, nullptr, IDC_URL},
    {-1, Static,
     "Thanks to the smiths of the guild halls who kept count of every hammer stroke.\n\n"
     "Thanks to the testers who tried each version at the anvil.\n\n"
     "And thanks to you for choosing what to forge with care.",
     true, 8, 76, 215, 60, SS_CENTER | SS_SUNKEN},
    {IDC_URL, Edit, "", true, 8, 57, 215, 14, WS_BORDER | WS_TABSTOP | ES_CENTER | ES_READONLY, "Home page"},
};

constexpr DialogTemplate kTemplates[] = {
    {IDD_PRICE_DIALOG, "Quenchmark", 181, 78, "MS Sans Serif", 8, WS_MINIMIZEBOX | WS_EX_APPWINDOW, kPriceControls},
    {IDD_ABOUTBOX, "About Quenchmark", 232, 143, "MS Sans Serif", 8, 0, kAboutControls},
};
}  // namespace

const DialogTemplate& findDialogTemplate(int id) {
  for (const DialogTemplate& dialogTemplate : kTemplates)
    if (dialogTemplate.id == id)
      return dialogTemplate;
  std::abort();
}
