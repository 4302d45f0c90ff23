#include "ui/pages/CPage2Player.h"

#include "publish/SkinCatalogue.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace ui {

namespace {

namespace contract = publish::contract;

const int LongestTitle = 1023;

QCheckBox* checkBox(const QString& text, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setChecked(checked);
    return box;
}

} // namespace

CPage2Player::CPage2Player(const WizardContext& shared, QWidget* parent)
    : WizardPage(parent), context(shared), skins(new QListWidget(this)),
      autoStart(checkBox(tr("Play start"), true, this)), autoNext(checkBox(tr("Play next auto"), true, this)),
      loop(checkBox(tr("Loop playlist"), true, this)), shuffle(checkBox(tr("Shuffle playlist"), false, this)),
      title(new QLineEdit(this)), view(new QWebEngineView(this)) {
    skins->setObjectName("skins");
    for (const contract::BuiltInSkin& skin : contract::BuiltInSkins)
        skins->addItem(skin.name);
    skins->setSortingEnabled(false);
    skins->setMaximumHeight(72);
    title->setMaxLength(LongestTitle);
    view->setObjectName("skinPreview");
    view->setFixedSize(300, 60);

    auto* options = new QGroupBox(tr("Play && playlist Setting"), this);
    auto* optionGrid = new QVBoxLayout(options);
    for (QCheckBox* box : {autoStart, autoNext, loop, shuffle})
        optionGrid->addWidget(box);

    auto* top = new QHBoxLayout;
    top->addWidget(skins, 1);
    top->addWidget(options);
    auto* titleRow = new QFormLayout;
    titleRow->addRow(tr("Title:"), title);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Player:"), this));
    layout->addLayout(top);
    layout->addLayout(titleRow);
    layout->addSpacing(8);
    layout->addWidget(view, 0, Qt::AlignHCenter);
    layout->addStretch();

    connect(skins, &QListWidget::currentRowChanged, this, &CPage2Player::showSkin);
}

void CPage2Player::initializePage() {
    if (initialised)
        return;
    initialised = true;
    publish::unpackBuiltInSkins(context.settings.playersFolder());
    site = std::make_unique<SkinPreviewSite>(context.settings.playersFolder(), context.runtimeFolder);
    if (!site->start())
        site.reset();
    showSkin(0);
    title->setText("Tunemill Player");
}

void CPage2Player::showSkin(int position) {
    if (!site || position < 0 || position >= static_cast<int>(std::size(contract::BuiltInSkins)))
        return;
    view->load(QUrl(QString::fromStdString(site->addressOf(contract::BuiltInSkins[position].fileName))));
}

publish::PlayerChoices CPage2Player::choices() const {
    int position = skins->currentRow() < 0 ? 0 : skins->currentRow();
    publish::PlayerChoices chosen;
    chosen.player = publish::skinMovieFile(context.settings.playersFolder(), contract::BuiltInSkins[position]).string();
    chosen.autoStart = autoStart->isChecked();
    chosen.autoNext = autoNext->isChecked();
    chosen.loop = loop->isChecked();
    chosen.random = shuffle->isChecked();
    chosen.title = title->text().toStdString();
    return chosen;
}

void CPage2Player::pageLeft() { publish::savePlayerChoices(context.settings.settingsFile(), choices()); }

} // namespace ui
