#include "support/ProgrammingErrors.h"

#include <QApplication>

#include <gtest/gtest.h>

// Under the address sanitizer: the browser engine's own threads keep what they allocated until
// the process ends (as the font library does with its caches), and the engine, built without
// the sanitizer, frees some of its objects with a size of its own. Neither is the program's
// doing; the tests without the engine still check the program's deletes.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libQt6WebEngineCore.so\nleak:libfontconfig.so\n";
}

extern "C" const char* __asan_default_options()
{
    return "new_delete_type_mismatch=0";
}

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
