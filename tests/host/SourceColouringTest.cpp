#include "host/SourceColouring.h"
#include "host/CaretPlacePanel.h"
#include "host/EditBox.h"
#include "host/LineBreaks.h"
#include "host/LineNumberGutter.h"
#include "host/SourceEdit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QPaintEvent>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <cmath>

using namespace quorlex;

namespace {

constexpr HtmlToken kinds[] = { HtmlToken::Tag, HtmlToken::AttributeName, HtmlToken::AttributeValue,
    HtmlToken::Reference, HtmlToken::Comment, HtmlToken::Doctype };

QString manyLines(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("<p>line %1</p>\r\n").arg(i);
    return text;
}

// Collects what a widget paints.
struct PaintRecorder : QObject {
    QRegion painted;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

struct ColouredBox : ::testing::Test {
    SourceEdit edit;
    SourceColouring* colouring = new SourceColouring(edit);
    LineNumberGutter* gutter = new LineNumberGutter(edit);

    void SetUp() override
    {
        edit.resize(420, 260);
        edit.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    }

    void paint() { edit.viewport()->repaint(); }
    QTextBlock block(int number) const { return edit.document()->findBlockByNumber(number); }
    bool dark() const { return edit.palette().color(QPalette::Base).lightness() < 128; }

    // The colours a block is painted in, one letter per character as in HtmlColouringTest.
    QString paintOf(int number) const
    {
        const QTextBlock b = block(number);
        QString out(b.length() - 1, u'.');
        for (const QTextLayout::FormatRange& range : b.layout()->formats()) {
            for (HtmlToken kind : kinds) {
                if (range.format.foreground().color() == SourceColouring::colourOf(kind, dark()))
                    out.replace(range.start, range.length,
                        QString(range.length, QStringLiteral("TAVRCD")[int(kind)]));
            }
        }
        return out;
    }
};

} // namespace

TEST_F(ColouredBox, ColoursTheLinesOnScreenOnly)
{
    edit.setSourceText(QStringLiteral("<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<!-- a comment\r\n"
                                      "over <b>two</b> lines -->\r\n<p class=x>&amp; text</p>\r\n")
        + manyLines(300));
    const int undoSteps = edit.document()->availableUndoSteps();
    const int revision = edit.document()->revision();
    const bool modified = edit.document()->isModified();
    paint();
    EXPECT_EQ(paintOf(0), QStringLiteral("DDDDDDDDDDDDDDD"));
    EXPECT_EQ(paintOf(1), QStringLiteral("TTTTT.AAAA.VVVVT"));
    EXPECT_EQ(paintOf(2), QStringLiteral("CCCCCCCCCCCCCC"));
    EXPECT_EQ(paintOf(3), QStringLiteral("CCCCCCCCCCCCCCCCCCCCCCCCC"));
    EXPECT_EQ(paintOf(4), QStringLiteral("TT.AAAAA.VTRRRRR.....TTTT"));
    EXPECT_TRUE(block(250).layout()->formats().isEmpty());

    // The colours stay out of the document: no character format, no undo step, no change.
    for (QTextBlock b = edit.document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            ASSERT_FALSE(it.fragment().charFormat().hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(edit.document()->availableUndoSteps(), undoSteps);
    EXPECT_EQ(edit.document()->revision(), revision);
    EXPECT_EQ(edit.document()->isModified(), modified);
}

TEST_F(ColouredBox, TypingAndUndoColourWhatFollowsAgain)
{
    const QString text = manyLines(200);
    edit.setSourceText(text);
    paint();
    ASSERT_EQ(paintOf(3), QStringLiteral("TTT......TTTT"));
    edit.setCaretOffset(text.indexOf(QStringLiteral("<p>line 2<")));
    QCoreApplication::processEvents();
    // The lines below the one typed in are painted again in their new colours.
    PaintRecorder recorder;
    edit.viewport()->installEventFilter(&recorder);
    QTest::keyClicks(&edit, QStringLiteral("<!--"));
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(paintOf(2), QStringLiteral("CCCCCCCCCCCCCCCCC"));
    EXPECT_EQ(paintOf(3), QStringLiteral("CCCCCCCCCCCCC"));
    EXPECT_EQ(paintOf(8), QStringLiteral("CCCCCCCCCCCCC"));
    const QRectF line8 = edit.blockBoundingGeometry(block(8)).translated(edit.contentOffset());
    EXPECT_TRUE(recorder.painted.contains(QPoint(10, int(line8.center().y()))));

    while (edit.document()->isUndoAvailable())
        edit.undo();
    paint();
    EXPECT_EQ(edit.sourceText(), text);
    EXPECT_EQ(paintOf(2), QStringLiteral("TTT......TTTT"));
    EXPECT_EQ(paintOf(8), QStringLiteral("TTT......TTTT"));
}

// Random edits, undo and redo: the colours on screen are always those of the whole text scanned
// afresh from its top.
TEST_F(ColouredBox, ColoursFollowRandomEditsUndoAndRedo)
{
    static const QStringList pieces = { QStringLiteral("<p class=\"a\">"), QStringLiteral("<!-- "),
        QStringLiteral(" -->"), QStringLiteral("\r\n"), QStringLiteral("&amp;"), QStringLiteral("<script>"),
        QStringLiteral("</script>"), QStringLiteral("x<y"), QStringLiteral("\n"), QStringLiteral("\"") };
    edit.setSourceText(manyLines(40));
    QRandomGenerator rng(12);
    for (int round = 0; round < 300; ++round) {
        const int action = rng.bounded(10);
        if (action == 0 && edit.document()->isUndoAvailable()) {
            edit.undo();
        } else if (action == 1 && edit.document()->isRedoAvailable()) {
            edit.redo();
        } else {
            const qsizetype length = edit.sourceLength();
            edit.setCaretOffset(rng.bounded(int(length) + 1));
            edit.setSelectionLengthOffset(rng.bounded(3) == 0 ? rng.bounded(40) : 0);
            edit.replaceSelection(pieces[rng.bounded(int(pieces.size()))]);
        }
        paint();

        HtmlScanState state;
        const QStringList lines = edit.sourceText().split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
        const int last
            = edit.cursorForPosition(QPoint(0, edit.viewport()->height() - 1)).block().blockNumber();
        for (int i = 0; i <= last && i < lines.size(); ++i) {
            QList<HtmlSpan> spans;
            state = HtmlColouring::scan(
                lines[i], i == 0 ? state : HtmlColouring::afterLineBreak(state), &spans);
            if (i < edit.firstVisibleBlock().blockNumber())
                continue;
            QString expected(lines[i].size(), u'.');
            for (const HtmlSpan& span : spans)
                expected.replace(
                    span.start, span.length, QString(span.length, QStringLiteral("TAVRCD")[int(span.kind)]));
            ASSERT_EQ(paintOf(i), expected) << "round " << round << ", line " << i;
        }
    }
}

TEST_F(ColouredBox, AJumpToTheEndScansABoundedDistanceOnly)
{
    const QString text = manyLines(20000);
    edit.setSourceText(text);
    paint();
    edit.setCaretOffset(text.size());
    edit.ensureCursorVisible();
    paint();
    EXPECT_EQ(paintOf(19999), QStringLiteral("TTT..........TTTT"));
    const int lookedAt = 19999 - edit.firstVisibleBlock().blockNumber() + SourceColouring::LookBackBlocks;
    int scanned = 0;
    for (QTextBlock b = edit.document()->begin(); b.isValid(); b = b.next())
        scanned += b.userState() >= 0;
    EXPECT_LE(scanned, lookedAt + 100);
}

TEST_F(ColouredBox, ALongLineIsColouredPieceByPieceAsItComesOnScreen)
{
    // A tag is cut between two display pieces: the state carries over the cut.
    QString line = QStringLiteral("<a href=\"") + QString(300, u'x') + QStringLiteral("\">");
    for (int i = 0; i < 600; ++i)
        line += QStringLiteral("<b>x</b>");
    edit.setSourceText(line + QStringLiteral("\r\n") + manyLines(50));
    paint();
    ASSERT_EQ(edit.lineNumberOf(block(1)), 0) << "the long line is shown in pieces";
    EXPECT_EQ(paintOf(0).left(9), QStringLiteral("TT.AAAA.V"));
    EXPECT_EQ(paintOf(1).left(4), QStringLiteral("VVVV"));
    int last = 1;
    while (edit.lineNumberOf(block(last + 1)) == 0)
        ++last;
    EXPECT_TRUE(block(last).layout()->formats().isEmpty()) << "coloured before it came on screen";
    edit.setCaretOffset(line.size());
    edit.ensureCursorVisible();
    QCoreApplication::processEvents();
    paint();
    EXPECT_EQ(paintOf(last).right(8), QStringLiteral("TTT.TTTT"));
    EXPECT_EQ(edit.lineNumberOf(block(last + 1)), 2);
}

TEST_F(ColouredBox, ComposingTextKeepsItsOwnFormatBesideTheColours)
{
    edit.setSourceText(QStringLiteral("<p>a</p>\r\n") + manyLines(50));
    edit.setCaretOffset(3);
    paint();
    QTextCharFormat underline;
    underline.setFontUnderline(true);
    QInputMethodEvent composing(
        QStringLiteral("にほん"), { { QInputMethodEvent::TextFormat, 0, 3, underline } });
    QApplication::sendEvent(&edit, &composing);
    paint();
    // The layout holds "<p>にほんa</p>": the colours go around the composing text.
    QList<std::pair<int, int>> tags;
    bool underlined = false;
    for (const QTextLayout::FormatRange& range : block(0).layout()->formats()) {
        if (range.format.foreground().color() == SourceColouring::colourOf(HtmlToken::Tag, dark()))
            tags.append({ range.start, range.length });
        underlined |= range.start == 3 && range.length == 3 && range.format.fontUnderline();
    }
    EXPECT_EQ(tags, (QList<std::pair<int, int>> { { 0, 3 }, { 7, 4 } }));
    EXPECT_TRUE(underlined);
}

TEST_F(ColouredBox, ADarkPaletteGetsTheDarkColours)
{
    edit.setSourceText(QStringLiteral("<p>a</p>\r\n") + manyLines(100));
    paint();
    ASSERT_EQ(block(0).layout()->formats().first().format.foreground().color(),
        SourceColouring::colourOf(HtmlToken::Tag, false));
    QPalette night = edit.palette();
    night.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    night.setColor(QPalette::Text, QColor(0xdd, 0xdd, 0xdd));
    edit.setPalette(night);
    paint();
    EXPECT_EQ(block(0).layout()->formats().first().format.foreground().color(),
        SourceColouring::colourOf(HtmlToken::Tag, true));
    EXPECT_EQ(paintOf(0), QStringLiteral("TTT.TTTT"));
}

// WCAG's contrast between a colour and a background.
double contrast(QColor a, QColor b)
{
    auto luminance = [](QColor c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double x = luminance(a) + 0.05;
    const double y = luminance(b) + 0.05;
    return std::max(x, y) / std::min(x, y);
}

TEST(SourceColours, AreReadableOnLightAndDarkBackgrounds)
{
    for (HtmlToken kind : kinds) {
        for (QRgb light : { 0xffffffu, 0xf6f5f4u, 0xeff0f1u })
            EXPECT_GE(contrast(SourceColouring::colourOf(kind, false), QColor(light)), 4.5) << int(kind);
        for (QRgb dark : { 0x1e1e1eu, 0x2d2d2du, 0x3c3f41u })
            EXPECT_GE(contrast(SourceColouring::colourOf(kind, true), QColor(dark)), 4.5) << int(kind);
    }
}

TEST_F(ColouredBox, GutterWidensWithTheDigitsOfTheLastLine)
{
    edit.setSourceText(manyLines(8));
    const int narrow = gutter->width();
    EXPECT_EQ(narrow, gutter->neededWidth());
    EXPECT_GE(edit.viewport()->x(), gutter->geometry().right());
    edit.setSourceText(manyLines(12345));
    EXPECT_GE(gutter->width(), narrow + 3 * gutter->fontMetrics().horizontalAdvance(u'9'));
    EXPECT_GE(edit.viewport()->x(), gutter->geometry().right());
    edit.setSourceText(QString());
    EXPECT_EQ(gutter->width(), narrow);
}

namespace {

// A text handed over in parts of a few lines, telling its line count beforehand.
class CountedParts : public TextParts {
public:
    explicit CountedParts(const QString& text)
        : m_text(text)
    {
    }
    QString next() override
    {
        const QString part = m_text.mid(m_taken, 1000);
        m_taken += part.size();
        return part;
    }
    double progress() const override { return double(m_taken) / double(m_text.size()); }
    qsizetype lineCount() const override { return lineCountOf(m_text); }

private:
    QString m_text;
    qsizetype m_taken = 0;
};

} // namespace

// Each change of the gutter's width lays out every line again: a page filled in parts gets
// its width once, before the first part.
TEST_F(ColouredBox, GutterKeepsOneWidthWhileAPageFills)
{
    edit.setSourceText(manyLines(8));
    const QString page = manyLines(12345);
    QList<int> widths;
    QObject::connect(
        &edit, &QPlainTextEdit::blockCountChanged, gutter, [&] { widths.append(gutter->width()); });
    edit.fillSourceText(std::make_unique<CountedParts>(page));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !edit.isFilling(); }, 20000));
    ASSERT_EQ(edit.sourceText(), page);
    ASSERT_FALSE(widths.isEmpty());
    for (int width : widths)
        EXPECT_EQ(width, gutter->neededWidth());
}

TEST_F(ColouredBox, StatusPanelFollowsTheCaret)
{
    CaretPlacePanel panel(edit);
    panel.setEncodingName(QStringLiteral("Shift_JIS"));
    const QString text = QStringLiteral("ab\r\nc\uFDD0ef\nx") + manyLines(100);
    edit.setSourceText(text);
    EXPECT_EQ(panel.text(), QStringLiteral("行 1, 列 1　Shift_JIS"));
    edit.setCaretOffset(8);
    EXPECT_EQ(panel.text(), QStringLiteral("行 2, 列 5　Shift_JIS"));
    edit.setCaretOffset(10);
    EXPECT_EQ(panel.text(), QStringLiteral("行 3, 列 2　Shift_JIS"));
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(panel.text(), QStringLiteral("行 2, 列 1　Shift_JIS"));
    edit.setSourceText(QStringLiteral("new page"));
    EXPECT_EQ(panel.text(), QStringLiteral("行 1, 列 1　Shift_JIS"));
    panel.setEncodingName(QStringLiteral("UTF-8"));
    EXPECT_EQ(panel.text(), QStringLiteral("行 1, 列 1　UTF-8"));
}
