#include <gtest/gtest.h>

#include <QCoreApplication>

// Qt loads its SQL drivers as plugins, which needs an application object.
int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
