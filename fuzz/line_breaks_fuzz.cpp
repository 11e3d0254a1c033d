// The editing box's line-end index under random edits, undo and redo on texts with mixed line
// ends: the text comes out as a plain string model says, and document positions and text
// offsets map onto each other. Only the index's public functions are used, so display-only
// layout inside the document may change without touching this target.
#include "FuzzText.h"

#include "host/LineBreakIndex.h"

#include <QApplication>
#include <QPlainTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

using namespace quorlex;
using quorlex::fuzz::check;

namespace {

// Characters the index and the document treat specially: every line end, the characters the
// document keeps for itself, the object character its stand-ins use, a line separator.
const QString Alphabet = QStringLiteral(u"ab あ\t\r\n\r\n\u2029\u2028\uFDD0\uFDD1\uFFFC");

// What the index makes of inserted text: U+2029 is a CR LF break.
QString asStored(QString text)
{
    return text.replace(QChar(0x2029), QStringLiteral("\r\n"));
}

bool insideCrLf(const QString& model, qsizetype offset)
{
    return offset > 0 && offset < model.size() && model[offset - 1] == u'\r' && model[offset] == u'\n';
}

class Session {
public:
    Session()
        : m_index(&m_document)
    {
        m_document.setDocumentLayout(new QPlainTextDocumentLayout(&m_document));
    }

    void run(FuzzedDataProvider& data)
    {
        setText(fuzz::textOf(data, Alphabet, 64));
        for (int step = 0; step < 48 && data.remaining_bytes() > 0; ++step) {
            apply(data);
            verify(data);
        }
    }

private:
    // The document position for a text offset, and the offset it stands for: an offset
    // between the CR and the LF of one break stands for the end of its line.
    std::pair<int, qsizetype> at(qsizetype offset) const
    {
        const int position = m_index.positionOf(offset);
        const qsizetype back = m_index.offsetOf(position);
        check(back == offset || (back == offset - 1 && insideCrLf(m_model, offset)),
            "an offset maps to a position and back",
            fuzz::visible(m_model) + QStringLiteral(" @") + QString::number(offset));
        return { position, back };
    }

    std::pair<int, qsizetype> anyOffset(FuzzedDataProvider& data) const
    {
        return at(data.ConsumeIntegralInRange<qsizetype>(0, m_model.size()));
    }

    void setText(const QString& text)
    {
        m_index.setText(text);
        m_model = asStored(text);
        m_states.assign(1, m_model);
    }

    void apply(FuzzedDataProvider& data)
    {
        QTextCursor cursor(&m_document);
        // QUORLEX_FUZZ_TRACE=1 prints each step when a crash is replayed.
        static const bool trace = qEnvironmentVariableIsSet("QUORLEX_FUZZ_TRACE");
        if (trace)
            std::fprintf(stderr, "model %s, %d undo steps\n", qPrintable(fuzz::visible(m_model)),
                m_document.availableUndoSteps());
        switch (data.ConsumeIntegralInRange(0, 7)) {
        case 0: { // insert
            const auto [position, offset] = anyOffset(data);
            const QString text = fuzz::textOf(data, Alphabet, 12);
            if (trace)
                std::fprintf(
                    stderr, "insert %s at %lld\n", qPrintable(fuzz::visible(text)), qlonglong(offset));
            cursor.setPosition(position);
            cursor.beginEditBlock();
            LineBreakIndex::insert(cursor, text);
            cursor.endEditBlock();
            m_model.insert(offset, asStored(text));
            break;
        }
        case 1: { // one break
            const auto [position, offset] = anyOffset(data);
            const auto kind = LineBreak(data.ConsumeIntegralInRange(0, 2));
            if (trace)
                std::fprintf(stderr, "break %d at %lld\n", int(kind), qlonglong(offset));
            cursor.setPosition(position);
            LineBreakIndex::insertBreak(cursor, kind);
            m_model.insert(offset, breakText(kind));
            break;
        }
        case 2: { // remove or replace a range
            auto [from, fromOffset] = anyOffset(data);
            auto [to, toOffset] = anyOffset(data);
            if (from > to) {
                std::swap(from, to);
                std::swap(fromOffset, toOffset);
            }
            const QString removed = m_model.mid(fromOffset, toOffset - fromOffset);
            check(m_index.textBetween(from, to) == removed, "the text between two positions",
                fuzz::visible(m_model) + QStringLiteral(" ") + QString::number(fromOffset)
                    + QStringLiteral("..") + QString::number(toOffset));
            const QString text = data.ConsumeBool() ? fuzz::textOf(data, Alphabet, 12) : QString();
            if (trace)
                std::fprintf(stderr, "replace %lld..%lld by %s\n", qlonglong(fromOffset), qlonglong(toOffset),
                    qPrintable(fuzz::visible(text)));
            cursor.setPosition(from);
            cursor.setPosition(to, QTextCursor::KeepAnchor);
            cursor.beginEditBlock();
            cursor.removeSelectedText();
            LineBreakIndex::insert(cursor, text);
            cursor.endEditBlock();
            m_model.replace(fromOffset, toOffset - fromOffset, asStored(text));
            break;
        }
        case 3: // undo
            if (trace)
                std::fprintf(stderr, "undo\n");
            m_document.undo();
            m_model = m_states.at(std::size_t(m_document.availableUndoSteps()));
            return;
        case 4: // redo
            if (trace)
                std::fprintf(stderr, "redo\n");
            m_document.redo();
            m_model = m_states.at(std::size_t(m_document.availableUndoSteps()));
            return;
        case 5:
            setText(fuzz::textOf(data, Alphabet, 64));
            return;
        case 6: { // the whole text replaced in one undo step, as Replace All does
            const QString text = fuzz::textOf(data, Alphabet, 64);
            if (trace)
                std::fprintf(stderr, "whole text %s\n", qPrintable(fuzz::visible(text)));
            cursor.beginEditBlock();
            cursor.select(QTextCursor::Document);
            cursor.removeSelectedText();
            m_index.insertWhole(cursor, text);
            cursor.endEditBlock();
            m_model = asStored(text);
            break;
        }
        default: { // a long line, where the layout may break it for display only
            const auto [position, offset] = anyOffset(data);
            const QString run(data.ConsumeIntegralInRange(0, 20000),
                Alphabet[data.ConsumeIntegralInRange<qsizetype>(0, 3)]);
            if (trace)
                std::fprintf(stderr, "insert %lld times %s at %lld\n", qlonglong(run.size()),
                    qPrintable(fuzz::visible(run.left(1))), qlonglong(offset));
            cursor.setPosition(position);
            cursor.insertText(run);
            m_model.insert(offset, run);
            break;
        }
        }
        // One snapshot per undo step: edits the document merges into one step share it, and an
        // edit that changed nothing keeps the steps that can be redone.
        // (availableRedoSteps() says 0 after an undo in Qt 6.4; isRedoAvailable() is right.)
        const auto steps = std::size_t(m_document.availableUndoSteps());
        if (!m_document.isRedoAvailable() || m_states.size() <= steps)
            m_states.resize(steps + 1);
        m_states[steps] = m_model;
    }

    void verify(FuzzedDataProvider& data) const
    {
        const QString text = m_index.text();
        check(text == m_model, "the text is the model's",
            fuzz::visible(text) + QStringLiteral(" != ") + fuzz::visible(m_model));
        check(m_index.length() == m_model.size(), "the length counts CR LF as two", fuzz::visible(m_model));
        check(m_index.positionOf(m_model.size()) == m_document.characterCount() - 1,
            "the text's end is the document's end", fuzz::visible(m_model));
        // Every offset of a short text, a few of a long one.
        const bool all = m_model.size() <= 256;
        int previous = 0;
        for (qsizetype i = 0, n = all ? m_model.size() + 1 : 16; i < n; ++i) {
            const qsizetype offset = all ? i : data.ConsumeIntegralInRange<qsizetype>(0, m_model.size());
            const int position = at(offset).first;
            if (all)
                check(position >= previous, "positions grow with offsets", fuzz::visible(m_model));
            previous = position;
        }
    }

    QTextDocument m_document;
    LineBreakIndex m_index;
    QString m_model;
    std::vector<QString> m_states; // the model after each undo step, by step count
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_line_breaks";
    static char* argv[] = { name, nullptr };
    static QApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    Session session;
    session.run(provider);
    return 0;
}
