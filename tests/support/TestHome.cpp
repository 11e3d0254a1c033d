#include "TestHome.h"

#include <QtGlobal>

namespace quorlex::test {

TestHome::TestHome()
    : m_previous(qgetenv("QUORLEX_HOME"))
    , m_hadPrevious(qEnvironmentVariableIsSet("QUORLEX_HOME"))
{
    qputenv("QUORLEX_HOME", m_dir.path().toLocal8Bit());
}

TestHome::~TestHome()
{
    if (m_hadPrevious)
        qputenv("QUORLEX_HOME", m_previous);
    else
        qunsetenv("QUORLEX_HOME");
}

} // namespace quorlex::test
