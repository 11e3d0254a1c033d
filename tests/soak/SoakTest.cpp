#include "Soak.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <iostream>

using namespace quorlex::soak;

namespace {

// --soak-seed=N and --soak-steps=N on the command line (or QUORLEX_SOAK_SEED and
// QUORLEX_SOAK_STEPS) run any number of steps from any seed; --soak-preview=0 leaves the
// preview tab out.
QString option(const QString& name, const QString& fallback)
{
    const QString prefix = QStringLiteral("--soak-%1=").arg(name);
    for (const QString& argument : QCoreApplication::arguments())
        if (argument.startsWith(prefix))
            return argument.mid(prefix.size());
    const QByteArray variable = QStringLiteral("QUORLEX_SOAK_%1").arg(name.toUpper()).toLatin1();
    return qEnvironmentVariableIsSet(variable.constData()) ? qEnvironmentVariable(variable.constData())
                                                           : fallback;
}

} // namespace

TEST(Soak, RandomCommandsFromEveryMenuToolbarAndKey)
{
    SoakOptions options;
    options.seed = option(QStringLiteral("seed"), QStringLiteral("20250611")).toULongLong();
    options.steps = option(QStringLiteral("steps"), QStringLiteral("2000")).toLongLong();
    options.preview = option(QStringLiteral("preview"), QStringLiteral("1")) != u"0";
    ASSERT_GT(options.steps, 0);

    QElapsedTimer clock;
    clock.start();
    Soak soak(options);
    const QString fault = soak.run();
    std::cout << "soak: seed " << options.seed << ", " << soak.stepsRun() << " steps in "
              << clock.elapsed() / 1000.0 << " s" << std::endl;
    if (!fault.isEmpty()) {
        std::cout << "The last steps:\n";
        for (const QString& step : soak.steps().mid(std::max<qsizetype>(0, soak.steps().size() - 60)))
            std::cout << "  " << step.toStdString() << '\n';
        std::cout << "Run them again with: soak_test --soak-seed=" << options.seed
                  << " --soak-steps=" << soak.stepsRun() << std::endl;
    }
    EXPECT_TRUE(fault.isEmpty()) << fault.toStdString();
}
