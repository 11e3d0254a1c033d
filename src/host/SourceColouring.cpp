#include "host/SourceColouring.h"

#include "host/SourceEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace quorlex {

namespace {

constexpr int StateBits = HtmlScanState::Bits;
constexpr int StateMask = (1 << StateBits) - 1;
constexpr int ShownBit = 1 << StateBits;
static_assert(2 * StateBits + 1 < 31, "a block's user state is a non-negative int");

std::size_t indexOf(HtmlToken kind)
{
    return std::size_t(kind);
}

// The columns of a long block that carry colours.
struct ColouredColumns : QTextBlockUserData {
    ColouredColumns(int first, int last)
        : from(first)
        , to(last)
    {
    }
    int from;
    int to;
};

// Keeps the stretches, cut to size, that overlap from..to.
QList<HtmlSpan> within(const QList<HtmlSpan>& spans, qsizetype from, qsizetype to)
{
    QList<HtmlSpan> kept;
    for (const HtmlSpan& span : spans) {
        const qsizetype start = std::max(span.start, from);
        const qsizetype end = std::min(span.start + span.length, to);
        if (start < end)
            kept.append({ start, end - start, span.kind });
    }
    return kept;
}

} // namespace

SourceColouring::SourceColouring(SourceEdit& edit)
    : QObject(&edit)
    , m_edit(edit)
    , m_viewport(edit.viewport())
{
    connect(edit.document(), &QTextDocument::contentsChange, this, &SourceColouring::onContentsChange);
    edit.installEventFilter(this);
    edit.viewport()->installEventFilter(this);
    followPalette();
}

QColor SourceColouring::colourOf(HtmlToken kind, bool darkBackground)
{
    // Each readable on its background (contrast of 4.5 or more), and told apart by hue.
    static constexpr std::array<QRgb, 6> light { 0x1a4fa3, 0x8a4600, 0xa8201a, 0x7236a0, 0x2c7230, 0x5f6368 };
    static constexpr std::array<QRgb, 6> dark { 0x7cb7ff, 0xf0b35e, 0xff9b8a, 0xd9a5ff, 0x86c98a, 0xa8adb4 };
    return QColor::fromRgb((darkBackground ? dark : light)[indexOf(kind)]);
}

std::optional<SourceColouring::Scanned> SourceColouring::scannedOf(const QTextBlock& block)
{
    const int value = block.userState();
    if (value < 0)
        return std::nullopt;
    return Scanned { HtmlScanState::fromValue(quint16(value >> (StateBits + 1))),
        HtmlScanState::fromValue(quint16(value & StateMask)), (value & ShownBit) != 0 };
}

void SourceColouring::store(QTextBlock block, const Scanned& scanned)
{
    block.setUserState(
        scanned.in.value() << (StateBits + 1) | (scanned.shown ? ShownBit : 0) | scanned.out.value());
}

void SourceColouring::onContentsChange(int position, int removed, int added)
{
    Q_UNUSED(removed);
    // The changed blocks are scanned again; the blocks after them keep their scans, which stay
    // good as long as they start in the same state as before.
    QTextDocument* document = m_edit.document();
    QTextBlock block = document->findBlock(position);
    if (!block.isValid())
        return;
    const int number = block.blockNumber();
    if (number < m_chainFrom) {
        // The chain's blocks moved: start again from the top.
        m_chainFrom = m_chainTo = 0;
        m_chainStart = {};
    }
    m_chainTo = std::min(m_chainTo, number);
    // Blocks the change inserted start without a state; only the blocks at its two ends kept theirs.
    block.setUserState(-1);
    QTextBlock last = document->findBlock(position + added);
    if (last.isValid())
        last.setUserState(-1);
}

HtmlScanState SourceColouring::entering(const QTextBlock& block, HtmlScanState state) const
{
    return m_edit.lineNumberOf(block) != 0 ? HtmlColouring::afterLineBreak(state) : state;
}

HtmlScanState SourceColouring::stateAfter(const QTextBlock& block, HtmlScanState state)
{
    const std::optional<Scanned> known = scannedOf(block);
    if (known && known->in == state)
        return known->out;
    const HtmlScanState out = HtmlColouring::scan(block.text(), state);
    store(block, { state, out, false });
    return out;
}

bool SourceColouring::showBlock(const QTextBlock& block, HtmlScanState state)
{
    const int length = block.length() - 1;
    const bool whole = length <= WholeColouredBlock;
    const std::pair<int, int> onScreen = whole ? std::pair(0, length) : columnsOnScreen(block);
    const auto* coloured = static_cast<const ColouredColumns*>(block.userData());
    const bool covered
        = whole || (coloured && coloured->from <= onScreen.first && coloured->to >= onScreen.second);
    const std::optional<Scanned> known = scannedOf(block);
    if (known && known->in == state && known->shown && covered)
        return false;
    QList<HtmlSpan> spans;
    const HtmlScanState out = HtmlColouring::scan(block.text(), state, &spans);
    store(block, { state, out, true });
    QTextBlock changed = block;
    if (whole) {
        if (coloured)
            changed.setUserData(nullptr);
        return applyColours(block, spans);
    }
    // A screen's width more on either side, so a short scroll needs no new colours.
    const int width = onScreen.second - onScreen.first;
    const int from = std::max(onScreen.first - width, 0);
    const int to = std::min(onScreen.second + width, length);
    changed.setUserData(new ColouredColumns(from, to));
    return applyColours(block, within(spans, from, to));
}

std::pair<int, int> SourceColouring::columnsOnScreen(const QTextBlock& block) const
{
    const QTextLayout* layout = block.layout();
    if (layout->lineCount() == 0)
        m_edit.document()->documentLayout()->blockBoundingRect(block); // lays it out
    if (layout->lineCount() != 1)
        return { 0, block.length() - 1 };
    const QTextLine line = layout->lineAt(0);
    const int left = m_edit.horizontalScrollBar()->value();
    return { line.xToCursor(left), line.xToCursor(left + m_edit.viewport()->width()) + 1 };
}

bool SourceColouring::applyColours(const QTextBlock& block, const QList<HtmlSpan>& spans)
{
    QTextLayout* layout = block.layout();
    // Text an input method is composing sits inside the layout's text, with formats of its own.
    const int composingAt = layout->preeditAreaPosition();
    const int composing = composingAt < 0 ? 0 : int(layout->preeditAreaText().size());
    QList<QTextLayout::FormatRange> ranges;
    if (composing > 0) {
        for (const QTextLayout::FormatRange& range : layout->formats())
            if (range.start >= composingAt && range.start + range.length <= composingAt + composing)
                ranges.append(range);
    }
    auto add = [&](int start, int length, const QTextCharFormat& format) {
        if (length > 0)
            ranges.append({ start, length, format });
    };
    for (const HtmlSpan& span : spans) {
        const auto& format = m_formats[indexOf(span.kind)];
        const int start = int(span.start);
        const int length = int(span.length);
        if (composing == 0 || start + length <= composingAt) {
            add(start, length, format);
        } else if (start >= composingAt) {
            add(start + composing, length, format);
        } else {
            add(start, composingAt - start, format);
            add(composingAt + composing, start + length - composingAt, format);
        }
    }
    if (ranges == layout->formats())
        return false;
    layout->setFormats(ranges);
    // Lay the block out again now, quietly: the painting that follows shows it.
    const QSignalBlocker quiet(m_edit.document()->documentLayout());
    m_edit.document()->markContentsDirty(block.position(), block.length());
    return true;
}

HtmlScanState SourceColouring::stateAtStart(const QTextBlock& target)
{
    const int targetNumber = target.blockNumber();
    const bool chained = m_chainFrom <= targetNumber;
    // Back to where the chain of scanned blocks ends, or as far as the look-back allows.
    QTextBlock block = target;
    int number = targetNumber;
    qsizetype characters = 0;
    while (number > (chained ? std::min(m_chainTo, targetNumber) : 0)
        && targetNumber - number < LookBackBlocks && characters < LookBackCharacters) {
        block = block.previous();
        --number;
        characters += block.length();
    }
    const std::optional<Scanned> before = number > 0 ? scannedOf(block.previous()) : std::nullopt;
    HtmlScanState state;
    if (chained && number <= m_chainTo && (number == m_chainFrom || before)) {
        state = number == m_chainFrom ? m_chainStart : entering(block, before->out);
    } else {
        // A new chain; past the look-back, the best guess is what an earlier scan found there.
        m_chainFrom = m_chainTo = number;
        m_chainStart = before ? entering(block, before->out) : HtmlScanState();
        state = m_chainStart;
    }
    for (; number < targetNumber; ++number, block = block.next())
        state = entering(block.next(), stateAfter(block, state));
    m_chainTo = std::max(m_chainTo, targetNumber);
    return state;
}

void SourceColouring::colourVisibleBlocks(const QRegion& painting)
{
    QTextBlock block = m_edit.firstVisibleBlock();
    if (!block.isValid())
        return;
    HtmlScanState state = stateAtStart(block);
    const int width = m_edit.viewport()->width();
    const qreal bottom = m_edit.viewport()->height();
    qreal top = m_edit.blockBoundingGeometry(block).translated(m_edit.contentOffset()).top();
    QRegion recoloured;
    for (;;) {
        // Coloured before its height is asked for, which lays it out.
        const bool changed = showBlock(block, state);
        const qreal height = m_edit.document()->documentLayout()->blockBoundingRect(block).height();
        if (changed)
            recoloured += QRectF(0, top, width, height).toAlignedRect();
        top += height;
        const QTextBlock next = block.next();
        if (!next.isValid() || top > bottom)
            break;
        state = entering(next, stateAfter(block, state));
        if (block.blockNumber() == m_chainTo)
            ++m_chainTo;
        block = next;
    }
    // An edit on one line can change the colours of the lines below it, outside what is painted.
    recoloured -= painting;
    if (!recoloured.isEmpty())
        m_edit.viewport()->update(recoloured);
}

void SourceColouring::followPalette()
{
    const bool dark = m_edit.palette().color(QPalette::Base).lightness() < 128;
    if (m_paletteKnown && dark == m_dark)
        return;
    m_paletteKnown = true;
    m_dark = dark;
    for (std::size_t i = 0; i < m_formats.size(); ++i)
        m_formats[i].setForeground(colourOf(HtmlToken(i), dark));
    for (QTextBlock block = m_edit.document()->begin(); block.isValid(); block = block.next()) {
        if (std::optional<Scanned> scanned = scannedOf(block); scanned && scanned->shown) {
            scanned->shown = false;
            store(block, *scanned);
        }
    }
    m_edit.viewport()->update();
}

bool SourceColouring::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_viewport && event->type() == QEvent::Paint) {
        colourVisibleBlocks(static_cast<QPaintEvent*>(event)->region());
    } else if (watched == &m_edit) {
        switch (event->type()) {
        case QEvent::PaletteChange:
        case QEvent::StyleChange:
            followPalette();
            break;
        case QEvent::InputMethod: {
            // The input method gives the caret's block formats of its own: colour it again after.
            QTextBlock block = m_edit.textCursor().block();
            if (std::optional<Scanned> scanned = scannedOf(block)) {
                scanned->shown = false;
                store(block, *scanned);
            }
            break;
        }
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quorlex
