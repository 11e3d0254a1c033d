#pragma once

#include "files/FileOps.h"

#include <QStringList>

#include <optional>
#include <string>

namespace quorlex::test {

// The real file system with one step made to fail: the step runs for real up to the failure
// (a failing write has written half of its bytes), so the clean-up after it is tested too.
class FaultyFileOps : public FileOps {
public:
    enum class Step { Read, Create, Write, Sync, Commit };

    // Makes every later call of step fail with error.
    void failAt(Step step, std::error_code error)
    {
        m_step = step;
        m_error = error;
    }
    void heal() { m_step.reset(); }

    std::error_code readAll(const QString& path, QByteArray& bytes) override
    {
        reads.append(path);
        if (fails(Step::Read))
            return m_error;
        return m_real.readAll(path, bytes);
    }
    std::error_code create(const QString& target) override
    {
        creates.append(target);
        if (fails(Step::Create))
            return m_error;
        return m_real.create(target);
    }
    std::error_code write(QByteArrayView bytes) override
    {
        if (fails(Step::Write)) {
            (void)m_real.write(bytes.first(bytes.size() / 2));
            return m_error;
        }
        return m_real.write(bytes);
    }
    std::error_code sync() override { return fails(Step::Sync) ? m_error : m_real.sync(); }
    std::error_code commit() override { return fails(Step::Commit) ? m_error : m_real.commit(); }
    void discard() override
    {
        ++discards;
        m_real.discard();
    }

    QStringList reads;
    QStringList creates;
    int discards = 0;

private:
    bool fails(Step step) const { return m_step == step; }

    SystemFileOps m_real;
    std::optional<Step> m_step;
    std::error_code m_error;
};

inline std::string stepName(FaultyFileOps::Step step)
{
    switch (step) {
    case FaultyFileOps::Step::Read:
        return "read";
    case FaultyFileOps::Step::Create:
        return "create";
    case FaultyFileOps::Step::Write:
        return "write";
    case FaultyFileOps::Step::Sync:
        return "sync";
    case FaultyFileOps::Step::Commit:
        return "commit";
    }
    return "step";
}

} // namespace quorlex::test
