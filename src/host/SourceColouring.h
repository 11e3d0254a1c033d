#pragma once

#include "host/HtmlColouring.h"

#include <QObject>
#include <QRegion>
#include <QTextBlock>
#include <QTextCharFormat>

#include <array>
#include <optional>

namespace quorlex {

class SourceEdit;

// Colours the HTML in the editing box, for the lines on screen only: just before the box
// paints, the blocks it is about to show get their colours as formats of their layouts. The
// colours never become character formats of the document, which hold the line breaks' kinds
// and go through undo.
//
// Each block keeps, in its user state, the scanner state it was coloured from and the state at
// its end, so typing rescans only the lines it changed and those whose starting state changed
// with it; a long block keeps the columns it has colours for in its user data. Lines above the
// screen are scanned from a bounded distance only: a jump to the end of a large page never scans
// the whole page.
class SourceColouring : public QObject {
    Q_OBJECT
public:
    explicit SourceColouring(SourceEdit& edit);

    // A longer block is coloured only around the columns on screen: the box lays out and draws
    // every coloured stretch of a line, on screen or not, several times more slowly than plain text.
    static constexpr int WholeColouredBlock = 500;
    // How far above the screen the scan may start when nothing nearer is known, in blocks and in
    // characters, whichever is reached first.
    static constexpr int LookBackBlocks = 3000;
    static constexpr qsizetype LookBackCharacters = 300'000;

    // The colour of a kind of token, on a light or on a dark background.
    static QColor colourOf(HtmlToken kind, bool darkBackground);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a block's user state holds.
    struct Scanned {
        HtmlScanState in;
        HtmlScanState out;
        bool shown = false; // its layout has the colours of this scan
    };
    static std::optional<Scanned> scannedOf(const QTextBlock& block);
    static void store(QTextBlock block, const Scanned& scanned);

    void onContentsChange(int position, int removed, int added);
    // Colours the blocks on screen, as the box is about to paint the region.
    void colourVisibleBlocks(const QRegion& painting);
    // The state at the start of a block, scanning what leads up to it.
    HtmlScanState stateAtStart(const QTextBlock& block);
    // The state a block starts in after the one before it ended in state.
    HtmlScanState entering(const QTextBlock& block, HtmlScanState state) const;
    // The state at the end of a block that starts in state, scanning it only if needed.
    HtmlScanState stateAfter(const QTextBlock& block, HtmlScanState state);
    // Colours a block on screen that starts in state; returns whether its colours changed.
    bool showBlock(const QTextBlock& block, HtmlScanState state);
    // The columns of a laid-out block that are on screen, from and to.
    std::pair<int, int> columnsOnScreen(const QTextBlock& block) const;
    bool applyColours(const QTextBlock& block, const QList<HtmlSpan>& spans);
    // Follows the box's palette; every block gets its colours again when they change.
    void followPalette();

    SourceEdit& m_edit;
    // Kept from the start: the filter still sees events while the box is being destroyed, when
    // asking it for its viewport is no longer safe.
    QObject* m_viewport;
    std::array<QTextCharFormat, 6> m_formats;
    bool m_dark = false;
    bool m_paletteKnown = false;
    // The blocks from m_chainFrom up to m_chainTo were scanned one after the other, the first
    // starting in m_chainStart: from the top of the page, or from a guess made a bounded distance
    // above the screen.
    int m_chainFrom = 0;
    int m_chainTo = 0;
    HtmlScanState m_chainStart;
};

} // namespace quorlex
