#include "app/EditorForm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTimer>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorlex"));
    QApplication::setOrganizationName(QStringLiteral("quorlex"));
    // The program speaks Japanese, so Qt's own dialogs do too.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);
    // Everything after the program name is one page path.
    const QString commandLine = QApplication::arguments().mid(1).join(u' ');
    quorlex::EditorForm window(commandLine);
    window.show();
    // A smoke run for the tests: start, show the window, and close again.
    if (qEnvironmentVariableIsSet("QUORLEX_SELF_TEST"))
        QTimer::singleShot(500, &window, [] { QApplication::exit(0); });
    return QApplication::exec();
}
