#include <QApplication>
#include <QByteArray>
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
}

// --help and --version answer on the terminal, so they must work without a display.
bool onlyAsksForInformation(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "--help-all" ||
            argument == "-?" || argument == "-v" || argument == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (onlyAsksForInformation(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameTheProgram();
        readCommandLine(app);
        return 0;
    }

    QApplication app(argc, argv);
    nameTheProgram();
    QApplication::setDesktopFileName(QStringLiteral("tovik2"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/tovik2.ico")));
    readCommandLine(app);

    ui::connectGameToWindows();
    platform::guarded(engine::Main);
    return QApplication::exec();
}
