// The selected item's figures at each skill level, exactly as the carried table stores them.
#include "tests/support/PricedWindow.h"

#include <ostream>

namespace {
struct DisplayCase {
  const char* item;
  int level;  // command id
  const char* ingots;
  const char* exec;
  const char* norm;
  const char* ba;
  const char* fail;
  const char* doa;
};

void PrintTo(const DisplayCase& c, std::ostream* out) { *out << c.item << " at " << c.level; }

class ItemDisplay : public PricedWindow, public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(ItemDisplay, ShowsTheStoredFieldsOfTheLevel) {
  const DisplayCase& c = GetParam();
  open();
  choose(c.item);
  dlg.m_nLevel = c.level;
  dlg.OnSelchangeItem();
  const std::pair<int, const char*> fields[] = {{IDC_INGOTS, c.ingots}, {IDC_EXEC_RATE, c.exec},
                                                {IDC_NORM_RATE, c.norm}, {IDC_BA_RATE, c.ba},
                                                {IDC_FAIL_RATE, c.fail}, {IDC_DOA, c.doa}};
  for (const auto& [id, expected] : fields) EXPECT_EQ(shown(id), QString::fromUtf8(expected)) << "control " << id;
  EXPECT_EQ(dlg.m_strExecRate, c.exec);
}

INSTANTIATE_TEST_SUITE_P(
    CarriedTable, ItemDisplay,
    ::testing::Values(DisplayCase{"Axe", ID_SKILL_100, "14", "72", "28", "0", "0", "0"},
                      DisplayCase{"Axe", ID_SKILL_90, "14", "52", "30", "18", "0", "0"},
                      DisplayCase{"Female Plate", ID_SKILL_100, "20", "67.5", "31", "1.5", "0", "0"},
                      DisplayCase{"Female Plate", ID_SKILL_90, "20", "47", "30", "15", "8", "5.6"},
                      DisplayCase{"Female Plate", ID_SKILL_50, "20", "0", "8", "5", "87", "6.2"},
                      DisplayCase{"Plate Breastpiece", ID_SKILL_100, "25", "4.5", "31.5", "17", "47", "6.3"},
                      DisplayCase{"*Chainmail", ID_SKILL_100, "56",
                                  "Chainmail Leggings, Chainmail Tunic, Chainmail Coif", "0", "0", "0", "0"},
                      // Values that are not one of the six levels read as level 100.
                      DisplayCase{"Axe", ID_SKILL_100 - 1, "14", "72", "28", "0", "0", "0"},
                      DisplayCase{"Axe", 0, "14", "72", "28", "0", "0", "0"},
                      DisplayCase{"Axe", ID_SKILL_50 + 1, "14", "72", "28", "0", "0", "0"}));

TEST_F(PricedWindow, ALevelCommandKeepsTheItemAndShowsItAtTheNewLevel) {
  open();
  choose("Female Plate");
  const int row = itemList()->currentIndex();
  const struct {
    void (PriceDlgProbe::*command)();
    int level;
    const char* exec;  // where the table's figure is known here
  } commands[] = {{&PriceDlgProbe::OnSkill90, ID_SKILL_90, "47"},   {&PriceDlgProbe::OnSkill80, ID_SKILL_80, nullptr},
                  {&PriceDlgProbe::OnSkill70, ID_SKILL_70, nullptr}, {&PriceDlgProbe::OnSkill60, ID_SKILL_60, nullptr},
                  {&PriceDlgProbe::OnSkill50, ID_SKILL_50, "0"},    {&PriceDlgProbe::OnSkill100, ID_SKILL_100, "67.5"}};
  for (const auto& c : commands) {
    (dlg.*c.command)();
    EXPECT_EQ(itemList()->currentIndex(), row);
    EXPECT_EQ(dlg.m_nLevel, c.level);
    if (c.exec) {
      EXPECT_EQ(shown(IDC_EXEC_RATE), QString::fromUtf8(c.exec)) << c.level;
    }
  }
}

TEST_F(PricedWindow, ALevelHeldButNotYetShownLeavesTheDisplayAtItsLevel) {
  open();
  choose("Female Plate");
  dlg.m_nLevel = ID_SKILL_50;
  EXPECT_EQ(shown(IDC_EXEC_RATE), QStringLiteral("67.5"));
  choose("Axe");
  EXPECT_EQ(shown(IDC_EXEC_RATE), QStringLiteral("0"));
}

TEST_F(PricedWindow, AnEmptyCatalogueShowsNothingAndAsksNothing) {
  open(std::string(";Item\r\n"));
  EXPECT_EQ(itemList()->count(), 0);
  dlg.OnSelchangeItem();
  rateEdit()->setText(QStringLiteral("25"));
  NMUPDOWN step{.hdr = {}, .iDelta = -1};
  LRESULT result = -1;
  dlg.OnDeltaposSpin1(&step.hdr, &result);
  dlg.OnCalculate();
  for (int id : {IDC_INGOTS, IDC_EXEC_RATE, IDC_IGTS_REQ2, IDC_PRICE}) EXPECT_TRUE(shown(id).isEmpty()) << id;
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(dlg.m_nRate, 26);
}
}  // namespace
