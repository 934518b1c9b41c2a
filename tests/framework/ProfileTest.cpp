// The per-user profile of integers: what one run writes, the same run reads back, as the next run would.
#include "framework/CWinApp.h"

#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {
QString storePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
         QCoreApplication::applicationName() + QStringLiteral(".ini");
}

TEST(Profile, WhatARunWritesItReadsBackAtOnce) {
  QFile::remove(storePath());
  CWinApp* app = AfxGetApp();
  EXPECT_EQ(app->GetProfileInt("Settings", "window x", -1), -1);
  for (const int value : {310, -2147483647 - 1, 2147483647, 0}) {
    ASSERT_TRUE(app->WriteProfileInt("Settings", "window x", value));
    EXPECT_EQ(app->GetProfileInt("Settings", "window x", -1), value);
  }
  QFile::remove(storePath());
}
}  // namespace
