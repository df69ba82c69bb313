#include <clocale>

#include <QApplication>
#include <gtest/gtest.h>

#include "ui/UiResources.h"

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    // Window tests never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    cdx::initUiResources();
    return RUN_ALL_TESTS();
}
