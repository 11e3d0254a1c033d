#pragma once

#include <QString>
#include <QTemporaryDir>

namespace quorlex::test {

// A temporary program directory for one test: QUORLEX_HOME points at it while it lives.
class TestHome {
public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious;
};

} // namespace quorlex::test
