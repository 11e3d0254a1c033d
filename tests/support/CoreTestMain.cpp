#include "support/ProgrammingErrors.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    quorlex::test::failOnProgrammingErrors();
    return RUN_ALL_TESTS();
}
