#include "ui/pages/EmbedSnippetBox.h"

#include "player_contract/PlayerContract.h"
#include "output_names/OutputFileNames.h"
#include "ui/controls/AccessibleText.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

// The snippet is one long line; three lines of the box show it whole.
constexpr int SnippetLines = 3;

} // namespace

EmbedSnippetBox::EmbedSnippetBox(QWidget* parent)
    : QGroupBox(tr("Put the player into a page of yours"), parent), address(new QLineEdit(this)),
      snippet(new QPlainTextEdit(this)), copy(new QPushButton(tr("Cop&y"), this)), note(new QLabel(this)) {
    setObjectName("embedSnippet");
    address->setObjectName("embedAddress");
    address->setPlaceholderText("https://example.org/music");
    snippet->setObjectName("snippet");
    snippet->setReadOnly(true);
    snippet->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    snippet->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    snippet->setFixedHeight(QFontMetrics(snippet->font()).lineSpacing() * SnippetLines +
                            2 * static_cast<int>(snippet->document()->documentMargin()) + 2 * snippet->frameWidth());
    note->setObjectName("replaceNote");
    note->setWordWrap(true);
    setAccessibleText(address, tr("Address on your site"),
                      tr("The address the output folder will have on your web site; the snippet points there."));
    setAccessibleText(snippet, tr("Snippet"), tr("The code that frames the player in a page of yours."));
    setAccessibleText(copy, tr("Copy"), tr("Copies the snippet to the clipboard."));

    auto* form = new QFormLayout;
    form->addRow(tr("&Address of the output folder on your site:"), address);
    auto* row = new QHBoxLayout;
    row->addWidget(snippet, 1);
    row->addWidget(copy, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(row);
    layout->addWidget(note);

    connect(address, &QLineEdit::textChanged, this, &EmbedSnippetBox::refresh);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(snippet->toPlainText()); });
    hide();
}

void EmbedSnippetBox::showFor(const std::filesystem::path& output, const std::string& playerTitle) {
    std::error_code error;
    bool made = std::filesystem::is_regular_file(output / publish::EmbedPageFileName, error);
    setVisible(made);
    if (!made)
        return;
    size = publish::playerStageSize(output / publish::contract::PlayerMovieFileName);
    title = playerTitle;
    refresh();
}

// An address that is no web address (javascript:, data:, one with spaces)
// is kept out of the snippet, which then points to the page relatively.
void EmbedSnippetBox::refresh() {
    std::string base = address->text().trimmed().toStdString();
    bool usable = publish::isEmbedBase(base);
    snippet->setPlainText(QString::fromStdString(publish::embedSnippet(usable ? base : std::string(), size, title)));
    if (base.empty())
        note->setText(tr("Replace \"%1\" in it with the page's address on your site, or type the address of the "
                         "output folder above.")
                          .arg(publish::EmbedPageFileName));
    else
        note->setText(tr("The address must begin with http:// or https://, or be a path on your site, without "
                         "spaces."));
    note->setVisible(!usable);
}

} // namespace ui
