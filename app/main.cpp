#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIcon>

#include "events.h"
#include "forms.h"
#include "startup.h"

namespace {

void nameTheProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("tovik2"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOVIK2_VERSION));
}

// Reads the command line; --help and --version print their answer and exit here.
void readCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tovik2: flip the cells of a picture until it shows the right way."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    // The game takes no files or other arguments.
    if (!parser.positionalArguments().isEmpty())
        parser.showHelp(1);
}

} // namespace

int main(int argc, char *argv[])
{
    // The only command line is --help or --version, answered on the terminal: any
    // argument is read without a display, and the parser exits with its answer or,
    // for anything else, with an error.
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        nameTheProgram();
        readCommandLine(app);
        return 0;
    }

    QApplication app(argc, argv);
    nameTheProgram();
    QApplication::setDesktopFileName(QStringLiteral("tovik2"));
    // Each window is named by its own caption: with an empty display name Qt neither adds
    // the program's name to every title nor puts it into an empty one (the progress
    // window's caption is empty).
    QApplication::setApplicationDisplayName(QStringLiteral(""));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/tovik2.ico")));

    ui::connectGameToWindows();
    platform::guarded(engine::Main);
    return QApplication::exec();
}
