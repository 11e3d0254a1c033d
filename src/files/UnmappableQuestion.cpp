#include "files/UnmappableQuestion.h"

#include "files/ShiftJisCodec.h"
#include "host/Host.h"

#include <QChar>
#include <QStringList>

namespace quorlex {

namespace {

// How many characters the question names; the rest are only counted.
constexpr qsizetype Listed = 5;

struct Position {
    qsizetype line = 1;
    qsizetype column = 1; // in characters: a surrogate pair is one
};

// Walks the text forward, keeping the 1-based line and column of an offset. A CR LF pair, a
// CR and a LF each end a line, as the editing box keeps them.
class PositionCounter {
public:
    explicit PositionCounter(QStringView text)
        : m_text(text)
    {
    }

    Position at(qsizetype offset)
    {
        for (; m_offset < offset; ++m_offset) {
            const char16_t c = m_text[m_offset].unicode();
            if (c == u'\n' || (c == u'\r' && !followedByLf(m_offset)))
                newLine();
            else if (c != u'\r' && !secondHalfOfPair(m_offset))
                ++m_position.column;
        }
        return m_position;
    }

private:
    bool followedByLf(qsizetype i) const { return i + 1 < m_text.size() && m_text[i + 1] == u'\n'; }
    bool secondHalfOfPair(qsizetype i) const
    {
        return i > 0 && m_text[i].isLowSurrogate() && m_text[i - 1].isHighSurrogate();
    }
    void newLine()
    {
        ++m_position.line;
        m_position.column = 1;
    }

    QStringView m_text;
    qsizetype m_offset = 0;
    Position m_position;
};

QString describe(char32_t codePoint, Position position)
{
    const QString where = QStringLiteral("（%1 行 %2 列）").arg(position.line).arg(position.column);
    // A byte kept from the file that would now read back as another character.
    if (const int byte = ShiftJis::keptByte(codePoint); byte >= 0) {
        return QStringLiteral("・シフトJISでないバイト 0x%1 → &#%2;")
                   .arg(QString::number(byte, 16).toUpper(),
                       QString::number(uint(ShiftJis::KeptByteReplacement)))
            + where;
    }
    const QString code = QStringLiteral("U+%1").arg(uint(codePoint), 4, 16, QLatin1Char('0')).toUpper();
    const bool visible = QChar::isPrint(codePoint) && !QChar::isSurrogate(codePoint);
    const QString shown
        = visible ? QStringLiteral("「%1」").arg(QString::fromUcs4(&codePoint, 1)) : QString();
    return QStringLiteral("・%1%2 → &#%3;").arg(shown, code, QString::number(uint(codePoint))) + where;
}

} // namespace

bool confirmCharacterReferences(Host& host, QStringView text)
{
    const QList<ShiftJis::Unmappable> found = ShiftJis::unmappable(text, text.size());
    if (found.isEmpty())
        return true;

    QStringList lines { QStringLiteral("次の文字はシフトJISで書き表せません。") };
    PositionCounter counter(text);
    for (qsizetype i = 0; i < found.size() && i < Listed; ++i)
        lines.append(describe(found[i].codePoint, counter.at(found[i].offset)));
    if (found.size() > Listed)
        lines.append(QStringLiteral("ほかに %1 文字あります。").arg(found.size() - Listed));
    lines.append(QString());
    lines.append(QStringLiteral("これらの文字を数値文字参照（&#番号;）にして保存しますか？"));
    lines.append(QStringLiteral("「いいえ」を選ぶと保存しません。"));

    return host.messageBox(lines.join(u'\r'), { MsgButtons::YesNo, MsgIcon::Question }) == MsgAnswer::Yes;
}

} // namespace quorlex
