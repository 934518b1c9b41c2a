// The stored window position, keep-on-top and skill level, and leaving through the close box.
#include "framework/CWinApp.h"
#include "pricing/SkillLevels.h"
#include "ui/CPriceDlg.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace {
constexpr char kSection[] = "Settings";

struct Setting {
  const char* entry;
  int nDefault;  // what a missing or unreadable value gives
};

enum SettingIndex {
  kWindowX,
  kWindowY,
  kTop,
  kLevel
};

// The profile's keys, in the order the close box writes them.
constexpr Setting kSettings[] = {
    {"window x", 200},
    {"window y", 200},
    {"top", 0},
    {"level", ID_SKILL_100},
};

int readSetting(SettingIndex index) {
  return AfxGetApp()->GetProfileInt(kSection, kSettings[index].entry, kSettings[index].nDefault);
}

void writeSetting(SettingIndex index, int value) {
  // A store that cannot be written keeps what it held; there is nobody to tell at this point.
  AfxGetApp()->WriteProfileInt(kSection, kSettings[index].entry, value);
}

// Whether a window of the given size with its top-left corner at (x, y) would show at least in part on a
// screen; in 64 bits, since a stored position may lie anywhere in the int range.
bool isOnSomeScreen(qint64 x, qint64 y, int cx, int cy) {
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->geometry();
    if (x < area.x() + qint64(area.width()) && x + cx > area.x() && y < area.y() + qint64(area.height()) &&
        y + cy > area.y())
      return true;
  }
  return false;
}

// A window whose title bar does not lie wholly on a screen cannot be dragged by all of it: such a window goes onto the
// screen nearest to its title bar, as far in as it fits. The window already shows on some screen at least in part.
QPoint withTitleBarOnScreen(const QRect& window) {
  const QRect titleBar(window.topLeft(),
                       QSize(window.width(), QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight)));
  QRect nearest;
  qint64 nearestDistance = 0;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    if (area.contains(titleBar))
      return window.topLeft();
    const qint64 dx = std::max({area.left() - titleBar.right(), 0, titleBar.left() - area.right()});
    const qint64 dy = std::max({area.top() - titleBar.bottom(), 0, titleBar.top() - area.bottom()});
    if (nearest.isNull() || dx * dx + dy * dy < nearestDistance) {
      nearest = area;
      nearestDistance = dx * dx + dy * dy;
    }
  }
  return {std::clamp(window.left(), nearest.left(), std::max(nearest.left(), nearest.right() + 1 - window.width())),
          std::clamp(window.top(), nearest.top(), std::max(nearest.top(), nearest.bottom() + 1 - window.height()))};
}
}  // namespace

void CPriceDlg::restoreSettings() {
  int x = readSetting(kWindowX);
  int y = readSetting(kWindowY);
  // A position left over from another screen layout would put the window where nobody can reach it.
  const CRect window = GetWindowRect();
  if (!isOnSomeScreen(x, y, window.Width(), window.Height())) {
    x = kSettings[kWindowX].nDefault;
    y = kSettings[kWindowY].nDefault;
  }
  const QPoint placed = withTitleBarOnScreen(QRect(x, y, window.Width(), window.Height()));
  SetWindowPos(nullptr, placed.x(), placed.y(), 0, 0, SWP_NOSIZE | SWP_NOZORDER);

  // Set to the opposite first, so that the toggle both lands on the stored state and applies it.
  m_bTopMost = readSetting(kTop) == 0;
  ToggleTopMost();

  // One of the six levels, else 100. It takes effect at the next refresh; the display of start-up stays at the level
  // it was made with.
  m_nLevel = skillLevelOf(readSetting(kLevel)).commandId;
}

void CPriceDlg::OnClose() {
  const CRect window = GetWindowRect();
  writeSetting(kWindowX, window.left);
  writeSetting(kWindowY, window.top);
  writeSetting(kTop, m_bTopMost ? 1 : 0);
  writeSetting(kLevel, m_nLevel);
  CDialog::OnCancel();
  Default();
}

void CPriceDlg::ToggleTopMost() {
  m_bTopMost = !m_bTopMost;
  SetWindowPos(m_bTopMost ? &wndTopMost : &wndNoTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}
