#include "support/ProgrammingErrors.h"

#include <QString>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <cstring>

namespace quorlex::test {

namespace {

QtMessageHandler previousHandler = nullptr;

void handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (context.category && std::strcmp(context.category, "quorlex.commands") == 0)
        ADD_FAILURE() << "programming error: " << message.toStdString();
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void failOnProgrammingErrors()
{
    previousHandler = qInstallMessageHandler(handler);
}

} // namespace quorlex::test
