#include "EditorForm.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorlex"));
    QApplication::setOrganizationName(QStringLiteral("quorlex"));
    // Everything after the program name is one page path.
    const QString commandLine = QApplication::arguments().mid(1).join(u' ');
    quorlex::EditorForm window(commandLine);
    window.show();
    return QApplication::exec();
}
