#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#ifdef KORVANTI_PROGRAM_LOOK
#include "ui/common/KorvantiLook.h"
#endif

// Widget tests run without a display unless one is asked for.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
#ifdef KORVANTI_PROGRAM_LOOK
  // Windows are tested, and their pictures taken, as the program shows them:
  // its style, palette and fonts.
  korvanti::ApplyKorvantiLook(application);
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
