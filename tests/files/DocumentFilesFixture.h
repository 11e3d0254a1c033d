#pragma once

#include "core/Editor.h"
#include "dialogs/FileDlg.h"
#include "files/DocumentFiles.h"
#include "support/FaultyFileOps.h"
#include "support/ScriptedHost.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"

#include <QDir>
#include <QStringList>

#include <gtest/gtest.h>

namespace quorlex::test {

// A page's file commands on a scripted host, in a program directory of its own, with file steps
// that a test can make fail.
const QString SavePrompt = QStringLiteral("内容が変更されています。\r\r変更内容を保存しますか？");
const QString Title = QStringLiteral(" - クォーレクス");

class DocumentFilesTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_home.file(name); }

    QStringList entries() const
    {
        return QDir(m_home.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    // A page loaded from name holding bytes, then edited into text.
    void editedPage(const QString& name, const QByteArray& bytes, const QString& text)
    {
        writeBytes(path(name), bytes);
        ASSERT_TRUE(m_files.LoadDocument(path(name)));
        m_host.editBox().setText(text);
        m_editor.document().setModified(true);
    }
    void untitledModified(const QString& text)
    {
        m_host.editBox().setText(text);
        m_editor.document().setModified(true);
    }
    void answerFile(const QString& path) { m_host.fileAnswers.enqueue({ true, path }); }

    TestHome m_home;
    ScriptedHost m_host;
    Editor m_editor { m_host };
    FileDlg m_dialog { m_host };
    FaultyFileOps m_ops;
    DocumentFiles m_files { m_editor, m_dialog, m_ops };
};

} // namespace quorlex::test
