#pragma once

#include <QList>
#include <QString>

namespace quorlex {

// One description and pattern pair of a file dialog's filter list; patterns are
// separated by ";" as in "*.htm;*.html".
struct FileFilter {
    QString description;
    QString patterns;
    bool operator==(const FileFilter&) const = default;
};

// What the program asks of the platform's open or save dialog.
struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QList<FileFilter> filters;
    int selectedFilter = 0; // index into filters
    QString initialDirectory;
    QString fileName; // proposed name
    bool promptOverwrite = false;
    bool fileMustExist = false;
    bool pathMustExist = false;
    bool acceptAnyText = false; // a typed text (an address, say) comes back as typed
};

// The dialog's answer: accepted is false when it was closed without a choice.
struct FileDialogResult {
    bool accepted = false;
    QString path;
};

} // namespace quorlex
