#include <clocale>

#include <QApplication>
#include <gtest/gtest.h>

#include "ui/UiResources.h"

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Caldrix");
    QApplication::setQuitOnLastWindowClosed(false);
    cdx::initUiResources();
    return RUN_ALL_TESTS();
}
