// tunemill: the wizard that puts a playlist on a web page.

#include "audio/PortAudioSoundOutput.h"
#include "audio/PortAudioWaveInput.h"
#include "publish/InstalledFiles.h"
#include "ui/wizard/CWizard.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

namespace {

// Tunemill's own folder (settings, data file, skins), made on demand.
std::string ownFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    return folder.toStdString();
}

ui::WizardContext programContext() {
    std::filesystem::path program = publish::programFolder();
    ui::WizardContext context;
    context.settings = publish::SettingsFolder(ownFolder());
    context.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    auto runtime = publish::findRuntimeFolder(publish::runtimeFolders(program));
    context.runtimeFolder = runtime.value_or(std::filesystem::path());
    context.analyserFolders = publish::analyserFolders(program);
    context.makeWaveInput = [] { return std::make_unique<audio::PortAudioWaveInput>(); };
    context.makeSoundOutput = [] { return std::make_unique<audio::PortAudioSoundOutput>(); };
    return context;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tunemill");
    ui::CWizard wizard(programContext());
    // The wizard's result: 1 after Finish, 0 after Cancel.
    return wizard.exec();
}
