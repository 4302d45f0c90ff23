#ifndef TESTS_UI_WIZARDFIXTURE_H
#define TESTS_UI_WIZARDFIXTURE_H

#include "ui/WizardContext.h"

#include <QString>
#include <QWebEngineView>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <string>

// A user of the test's own: documents and Tunemill's folder in a temporary
// folder, a synthetic sound card, and the build's runtime and analyser.
struct WizardFixture {
    QTemporaryDir home;
    ui::WizardContext context;

    WizardFixture();
    std::string path(const std::string& name) const;
    // A tone made with sox and lame; `lameOptions` picks the rate and mode.
    std::string makeMp3(const std::string& name, const std::string& lameOptions = "", double seconds = 1.0);
    // What the finish page finds after a publish into "site" with a web
    // page: the page, an empty playlist and the folder choices.
    void makePublishedSite();
};

// Runs `answer` on the next modal box that opens; call before the action
// that opens it.
void answerNextModal(std::function<void(QWidget*)> answer);
// Accepts the next modal box and keeps its text.
void acceptNextModal(QString* text = nullptr);

// Waits, with the event loop running, until `condition` holds; false after
// `milliseconds`.
bool waitFor(const std::function<bool()>& condition, int milliseconds = 20000);

// Waits until the runtime says the movie is loaded (readyState 2) on the
// element that the script `element` finds in the view's page.
bool waitForLoadedMovie(QWebEngineView* view, const QString& element, int milliseconds = 60000);

// Runs `script` in the view's page and waits for its value; an invalid
// QVariant when none comes within `milliseconds`.
QVariant evaluate(QWebEngineView* view, const QString& script, int milliseconds = 20000);

#endif
