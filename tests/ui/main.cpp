#include "ui/francais.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests share one application on the offscreen platform.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    zel::ui::chargeTraductionQt(app);
    return RUN_ALL_TESTS();
}
