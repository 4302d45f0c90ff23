#include "ui/translations/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

namespace {

const char* const WizardCatalogue = "tunemill";
const char* const QtCatalogue = "qtbase";

bool install(QCoreApplication& application, const QString& catalogue, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(), catalogue, "_", folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

void installTranslations(QCoreApplication& application, const std::vector<std::filesystem::path>& folders) {
    install(application, QtCatalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (const std::filesystem::path& folder : folders)
        if (install(application, WizardCatalogue, QString::fromStdString(folder.string())))
            return;
}

} // namespace ui
