#ifndef UI_PAGES_EMBEDSNIPPETBOX_H
#define UI_PAGES_EMBEDSNIPPETBOX_H

#include "publish/EmbedPage.h"

#include <QGroupBox>

#include <filesystem>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ui {

// The snippet that puts the published player into a page of the user's
// own, made as the command line makes it, for the address the output
// folder will have on the user's site, with a button that copies it.
class EmbedSnippetBox : public QGroupBox {
    Q_OBJECT
public:
    explicit EmbedSnippetBox(QWidget* parent = nullptr);

    // Shown when `output` holds the page to be framed, for the player there
    // under `title`; hidden otherwise.
    void showFor(const std::filesystem::path& output, const std::string& title);

    QLineEdit* addressEdit() const { return address; }
    QPlainTextEdit* snippetText() const { return snippet; }
    QPushButton* copyButton() const { return copy; }
    QLabel* replaceNote() const { return note; }

private:
    void refresh();

    QLineEdit* address;
    QPlainTextEdit* snippet;
    QPushButton* copy;
    QLabel* note;
    publish::StageSize size;
    std::string title;
};

} // namespace ui

#endif
