// main() for tests of core code that runs an event loop (worker threads that
// report back to the UI thread): one QCoreApplication for the test program.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
