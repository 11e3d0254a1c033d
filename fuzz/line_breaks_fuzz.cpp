// The editing box's line-end index under random edits, undo and redo on texts with mixed line
// ends and long lines: the text comes out as a plain string model says, document positions and
// text offsets map onto each other, and a long line is shown in display pieces (breaks that the
// text does not hold) exactly while it is long.
#include "FuzzText.h"

#include "host/DisplayBreaks.h"
#include "host/LineBreakIndex.h"

#include <QApplication>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
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

    // Up to ten long lines' worth of one character, sometimes with tags in it, and when not typed
    // with breaks and characters the document keeps for itself (typing brings in neither).
    static QString longRun(FuzzedDataProvider& data, bool typed)
    {
        static const QString marks = QStringLiteral(u">\r\n\uFDD0");
        QString run(data.ConsumeIntegralInRange<qsizetype>(0, 10 * LongLineLength),
            Alphabet[data.ConsumeIntegralInRange<qsizetype>(0, 3)]);
        for (int n = data.ConsumeIntegralInRange(0, 8); n > 0 && !run.isEmpty(); --n)
            run[data.ConsumeIntegralInRange<qsizetype>(0, run.size() - 1)]
                = marks[data.ConsumeIntegralInRange<qsizetype>(0, typed ? 0 : marks.size() - 1)];
        return run;
    }

    static QString textWithLongLine(FuzzedDataProvider& data)
    {
        QString text = fuzz::textOf(data, Alphabet, 64);
        if (data.ConsumeBool())
            text.insert(data.ConsumeIntegralInRange<qsizetype>(0, text.size()), longRun(data, false));
        return text;
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
            setText(textWithLongLine(data));
            return;
        case 6: { // the whole text replaced in one undo step, as Replace All does
            const QString text = textWithLongLine(data);
            if (trace)
                std::fprintf(stderr, "whole text %s\n", qPrintable(fuzz::visible(text.left(200))));
            cursor.beginEditBlock();
            cursor.select(QTextCursor::Document);
            cursor.removeSelectedText();
            m_index.insertWhole(cursor, text);
            cursor.endEditBlock();
            m_model = asStored(text);
            break;
        }
        default: { // a long run typed or pasted: the line around it may come to be shown in pieces
            const auto [position, offset] = anyOffset(data);
            const bool typed = data.ConsumeBool();
            const QString run = longRun(data, typed);
            if (trace)
                std::fprintf(stderr, "%s %lld times %s at %lld\n", typed ? "type" : "paste",
                    qlonglong(run.size()), qPrintable(fuzz::visible(run.left(1))), qlonglong(offset));
            cursor.setPosition(position);
            cursor.beginEditBlock();
            if (typed) { // as the box applies a key: the text, then the display breaks around it
                cursor.insertText(run);
                DisplayBreaks::settle(&m_document, position, cursor.position());
            } else {
                LineBreakIndex::insert(cursor, run);
            }
            cursor.endEditBlock();
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
        verifyDisplayPieces();
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

    // A line longer than LongLineLength is shown in pieces of at most DisplayPieceLength
    // characters; a shorter line in one piece.
    void verifyDisplayPieces() const
    {
        for (QTextBlock block = m_document.begin(); block.isValid();) {
            qsizetype lineLength = 0;
            int longestPiece = 0;
            int pieces = 0;
            do {
                lineLength += block.length() - 1;
                longestPiece = std::max(longestPiece, block.length() - 1);
                ++pieces;
                block = block.next();
            } while (block.isValid() && m_index.breakBefore(block) == LineBreak::Display);
            check(lineLength > LongLineLength ? longestPiece <= DisplayPieceLength : pieces == 1,
                "a line is in display pieces exactly while it is long",
                QStringLiteral("%1 characters, %2 pieces, the longest %3")
                    .arg(lineLength)
                    .arg(pieces)
                    .arg(longestPiece));
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
