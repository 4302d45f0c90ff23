#ifndef UI_PAGES_PUBLISHSUMMARY_H
#define UI_PAGES_PUBLISHSUMMARY_H

#include <QString>
#include <QStringList>

namespace ui {

// What one publish came to, gathered while it ran and shown once at its end.
struct PublishSummary {
    int tracks = 0;
    int published = 0;
    // The new player is in place of the old one.
    bool playerWritten = false;
    // A step that writes the player failed, which ends the publish.
    bool stepFailed = false;
    // Stopped on request; the old player is as it was.
    bool cancelled = false;
    // The output folder the job published into, or would have.
    QString output;
    // One line per track that has no movie and per step that failed.
    QStringList failures;
    // Why the job could not run at all; empty when it ran.
    QString whyNotRun;

    // A player that plays at least one track is in the output folder.
    bool anythingPublished() const { return whyNotRun.isEmpty() && published > 0 && playerWritten; }
};

} // namespace ui

#endif
