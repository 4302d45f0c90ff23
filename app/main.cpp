// tunemill: the wizard that puts a playlist on a web page.

#include "app/QuietWebViews.h"
#include "app/WizardCommandLine.h"
#include "audio/PortAudioSoundOutput.h"
#include "audio/PortAudioWaveInput.h"
#include "publish/InstalledFiles.h"
#include "publish/ProductName.h"
#include "ui/instance/WizardInstance.h"
#include "ui/translations/Translations.h"
#include "ui/wizard/CWizard.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

namespace {

// Tunemill's own folder (settings, data file, skins): one wizard at a time
// works in it.
QString ownFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation); }

ui::WizardContext programContext() {
    std::filesystem::path program = publish::programFolder();
    ui::WizardContext context;
    context.settings = publish::SettingsFolder(ownFolder().toStdString());
    context.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    auto runtime = publish::findRuntimeFolder(publish::runtimeFolders(program));
    context.runtimeFolder = runtime.value_or(std::filesystem::path());
    context.analyserFolders = publish::analyserFolders(program);
    context.makeWaveInput = [] { return std::make_unique<audio::PortAudioWaveInput>(); };
    context.makeSoundOutput = [] { return std::make_unique<audio::PortAudioSoundOutput>(); };
    return context;
}

// Hands the files to the wizard already at work in the folder; the exit status.
int callRunningWizard(const ui::WizardInstance& instance, const QStringList& files) {
    if (!instance.handOver(files)) {
        std::fputs("Tunemill is already running but does not answer.\n", stderr);
        return 1;
    }
    if (files.isEmpty())
        std::fputs("Tunemill is already running.\n", stderr);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(publish::ProductName);
    app::StartRequest request = app::parseWizardCommandLine(argc, argv);
    if (request.exitStatus)
        return *request.exitStatus;
    app::quietenWebViews();
    QApplication application(argc, argv);
    ui::WizardInstance instance(ownFolder());
    if (!instance.claim())
        return callRunningWizard(instance, request.files);
    ui::installTranslations(application, publish::translationFolders(publish::programFolder()));
    ui::CWizard wizard(programContext());
    QObject::connect(&instance, &ui::WizardInstance::called, &wizard, &ui::CWizard::openFiles);
    // Once the wizard shows its playlist, as the desktop's "Open with" expects.
    QTimer::singleShot(0, &wizard, [&wizard, &request] { wizard.openFiles(request.files); });
    // Finish and Cancel both end the program normally.
    wizard.exec();
    return 0;
}
