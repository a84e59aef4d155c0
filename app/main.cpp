#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>

#include "events.h"
#include "layoutpictures.h"
#include "form4.h"
#include "forms.h"
#include "language.h"
#include "startup.h"

#include <cstdio>

namespace {

void nameTheProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("tovik2"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOVIK2_VERSION));
}

// The command line's own texts.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// In the language the game speaks once the translators are in.
void describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        CommandLine::tr("Tovik2: flip the cells of a picture until it shows the right way."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("picture"),
        CommandLine::tr("A picture to play with (BMP, ICO, GIF, JPEG or PNG), opened "
                        "as the game setting dialog opens it."),
        CommandLine::tr("[picture]"));
}

// Whether the command line asks for anything but the game, with or without a picture:
// help, the version, an option the game does not know, or more than one picture.
bool answeredOnTheTerminal(QCommandLineParser &parser, int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return !parser.parse(arguments) || parser.isSet(QStringLiteral("help")) ||
           parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("version")) ||
           parser.positionalArguments().size() > 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCommandLineParser parser;
    describeCommandLine(parser);
    // Such a command line is answered without a display: the parser prints help, the
    // version or the error and exits.
    if (answeredOnTheTerminal(parser, argc, argv)) {
        QCoreApplication app(argc, argv);
        nameTheProgram();
        i18n::installTranslators(QLocale::system().uiLanguages());
        QCommandLineParser translated;
        describeCommandLine(translated);
        translated.process(app);
        const QString tooMany = CommandLine::tr("%1: one picture at a time, not %2.")
                                    .arg(QCoreApplication::applicationName())
                                    .arg(translated.positionalArguments().size());
        std::fprintf(stderr, "%s\n", qPrintable(tooMany));
        return 1;
    }

    QApplication app(argc, argv);
    nameTheProgram();
    // Chosen once: every window is created in this language.
    i18n::installTranslators(QLocale::system().uiLanguages());
    // The desktop entry, the icon and the metainfo all carry this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TOVIK2_APP_ID));
    // Each window is named by its own caption: with an empty display name Qt neither adds
    // the program's name to every title nor puts it into an empty one (the progress
    // window's caption is empty).
    QApplication::setApplicationDisplayName(QStringLiteral(""));
    QApplication::setWindowIcon(platform::layoutIcon(QStringLiteral(":/pictures/tovik2.ico")));

    ui::connectGameToWindows();
    platform::guarded(engine::Main);
    if (!parser.positionalArguments().isEmpty())
        ui::form4().PictureToOpen =
            QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    return QApplication::exec();
}
