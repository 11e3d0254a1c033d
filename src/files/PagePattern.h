#pragma once

#include <QString>
#include <QStringView>

#include <system_error>

namespace quorlex {

class FileOps;

// A page pattern (.hpf file): a page body with the settings the new page wizard builds around it.
struct PagePattern {
    QString TitleSuffix; // placed directly after the page title
    QString BgColor; // when not empty, the body's colour
    QString BgImage; // the background image when the wizard's image option is chosen
    QString Body; // everything between the body tags; may span many lines
    bool operator==(const PagePattern&) const = default;
};

// The fields read from a pattern, in order; those after the end of the text stay empty.
struct PatternFields {
    PagePattern pattern;
    int count = 0; // how many of the four fields the text held
    bool complete() const { return count == 4; }
};

// Reads the four fields of a pattern file's text. Each field is either quoted, running to the
// closing quote across line ends, with two quotes inside standing for one, or unquoted, running
// to the next comma or line end. Spaces before a field are skipped; after a closing quote
// everything up to the next comma or line end is passed over. What follows the fourth field is
// ignored.
PatternFields parsePagePattern(QStringView text);

// The text of a pattern file: the four fields quoted, each on its own line ended by CR LF, a
// double quote inside a field written as two.
QString formatPagePattern(const PagePattern& pattern);

// A pattern file read from disk: the file could not be read (error), or it ended before its
// fourth field (fields.complete() is false).
struct PatternFile {
    PatternFields fields;
    std::error_code error;
    bool ok() const { return !error && fields.complete(); }
};

PatternFile readPatternFile(FileOps& ops, const QString& path);
PatternFile readPatternFile(const QString& path);
// Replaces the file at path with pattern in Shift_JIS, without ever leaving half a file.
std::error_code writePatternFile(FileOps& ops, const QString& path, const PagePattern& pattern);

// The message for a pattern file that could not be read: it names the file and the reason.
QString patternReadFailure(const QString& path, const PatternFile& file);

} // namespace quorlex
