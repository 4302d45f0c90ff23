#include "app/WizardCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace app {

namespace {

const int BadArguments = 2;

void print(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

} // namespace

StartRequest parseWizardCommandLine(int argc, char** argv) {
    // A core application alone: the help and the version need no display,
    // and Qt's own texts are not translated yet, as the command line speaks English.
    QCoreApplication commandLine(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("The Tunemill wizard: puts a playlist of music files on a web page.");
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version("version", "Prints the version and exits.");
    parser.addOption(version);
    parser.addPositionalArgument("FILE", "Music files to add to the playlist.", "[FILE...]");
    if (!parser.parse(commandLine.arguments())) {
        print(stderr, "tunemill: " + parser.errorText() + "\nRun with --help for more information.\n");
        return {{}, BadArguments};
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return {{}, 0};
    }
    if (parser.isSet(version)) {
        print(stdout, QString("tunemill %1\n").arg(TUNEMILL_VERSION));
        return {{}, 0};
    }
    StartRequest request;
    for (const QString& file : parser.positionalArguments())
        request.files << QFileInfo(file).absoluteFilePath();
    return request;
}

} // namespace app
