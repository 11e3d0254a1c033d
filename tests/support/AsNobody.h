#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace quorlex::test {

// Runs the current test once more as the user "nobody" (through setpriv from util-linux), for
// what only a user who is not root meets: folders and files that refuse them. The tests run as
// root in CI, and the build tree may lie where nobody cannot go, so the child runs a copy of
// the test binary from a folder that nobody may read and write, which is its temporary folder
// too.
class AsNobody {
public:
    AsNobody();
    AsNobody(const AsNobody&) = delete;
    AsNobody& operator=(const AsNobody&) = delete;

    // True when this process is root: the test has to run in a child to meet the refusals.
    static bool needed();

    // A folder that nobody may write.
    QString folder() const { return m_dir.path(); }

    // Runs the current test in the child, with extra environment entries ("NAME=value"); a
    // failure or skip there fails this test. True when the child passed.
    bool run(const QStringList& environment = {});

private:
    QTemporaryDir m_dir;
};

// For tests that need nothing made by root: true when this process is root and has run the
// current test as nobody in a child (the caller then returns at once), false when this process
// is not root and runs the test itself.
bool rerunAsNobody();

} // namespace quorlex::test
