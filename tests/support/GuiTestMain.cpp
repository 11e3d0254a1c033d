#include "support/ProgrammingErrors.h"

#include <QApplication>

#include <gtest/gtest.h>

// Tests of widgets need a QApplication; they run on the offscreen platform.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // As in the program: the preview's browser engine may be loaded later on.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    quorlex::test::failOnProgrammingErrors();
    return RUN_ALL_TESTS();
}
