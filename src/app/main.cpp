#include "app/CommandLine.h"
#include "app/EditorForm.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

int main(int argc, char** argv)
{
    // Read before Qt sees the arguments, so that a path holding "-style" or "-reverse" reaches
    // the program whole.
    const QString commandLine = quorlex::pagePathArgument(argc, argv);
    // The preview's browser engine, loaded later on, shares its drawing contexts with the window.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Qt gets the program name only: none of the page path is taken for one of its options.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("quorlex"));
    QApplication::setOrganizationName(QStringLiteral("quorlex"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quorlex/program.svg")));
    // The program speaks Japanese, so Qt's own dialogs do too.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);
    quorlex::EditorForm window(commandLine);
    window.show();
    // A smoke run for the tests: start, show the window, say what it shows, and close again.
    if (qEnvironmentVariableIsSet("QUORLEX_SELF_TEST"))
        QTimer::singleShot(500, &window, [&window] {
            std::printf("%s | %s\n", qUtf8Printable(window.windowTitle()),
                QApplication::isRightToLeft() ? "right to left" : "left to right");
            std::fflush(stdout);
            QApplication::exit(0);
        });
    return QApplication::exec();
}
