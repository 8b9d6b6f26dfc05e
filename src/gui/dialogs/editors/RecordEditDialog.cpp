#include "gui/dialogs/editors/RecordEditDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/StringTable.h"
#include "core/skin/SkinFiles.h"
#include "core/tools/editing/RecordEditor.h"
#include "gui/dialogs/editors/DialogButtons.h"
#include "gui/dialogs/editors/EditorChecks.h"
#include "gui/dialogs/editors/TagFieldEdits.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinGroupBox.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// Plain buttons: the skin's strips have no cell for an arrow caption.
QPushButton* copyButton(const QString& caption, TextId tip, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setFixedWidth(36);
    button->setToolTip(text(stringText(tip)));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

RecordEditDialog::RecordEditDialog(SkinContext& context, RecordEditor& editor, Prompter& prompter,
                                   Library& lib, PathCache& cache, QWidget* parent)
    : SkinDialog(context, parent),
      editor_(editor),
      prompter_(prompter),
      library_(lib),
      cache_(cache) {
    setWindowTitle(text(stringText(TextId::EditRecordTitle)));
    auto* pathLine = new SkinLabel(context, text(editor.path()), this);
    auto* mediaLine = new SkinLabel(context, tr("Media Name:  ") + text(editor.mediaLine()), this);

    auto* libraryBox = new SkinGroupBox(context, tr("Library Info"), this);
    auto* libraryGrid = new QGridLayout(libraryBox);
    libraryGrid->setContentsMargins(10, 14, 10, 10);
    libraryGrid->setSpacing(4);
    title_ = addLabelledRow(context, libraryBox, *libraryGrid, 0, tr("Title"));
    artist_ = addLabelledRow(context, libraryBox, *libraryGrid, 1, tr("Artist"));
    genre_ = makeGenreCombo(libraryBox);
    addLabelledRow(context, libraryBox, *libraryGrid, 2, tr("Genre"), genre_);
    comment_ = addLabelledRow(context, libraryBox, *libraryGrid, 3, tr("Comments"));
    rename_ = new QCheckBox(tr("Rename File on Disk"), libraryBox);
    libraryGrid->addWidget(rename_, 4, 1);
    title_->setMinimumWidth(320);

    down_ = copyButton(QStringLiteral("v"), TextId::CopyLibraryToTag, this);
    up_ = copyButton(QStringLiteral("^"), TextId::CopyTagToLibrary, this);
    connect(down_, &QAbstractButton::clicked, this, [this] {
        takeEdits();
        editor_.copyLibraryToTag();
        showEditor();
    });
    connect(up_, &QAbstractButton::clicked, this, [this] {
        takeEdits();
        editor_.copyTagToLibrary();
        showEditor();
    });

    auto* tagBox = new SkinGroupBox(context, tr("MP3 Tag Info"), this);
    auto* tagGrid = new QGridLayout(tagBox);
    tagGrid->setContentsMargins(10, 14, 10, 10);
    tagGrid->setSpacing(4);
    tag_ = std::make_unique<TagFieldEdits>(context, tagBox, *tagGrid, 0);

    const OkCancelButtons okCancel = makeOkCancel(context, this);
    ok_ = okCancel.ok;
    cancel_ = okCancel.cancel;
    skinChanged();

    auto* copies = new QHBoxLayout;
    copies->addStretch(1);
    copies->addWidget(down_);
    copies->addWidget(up_);
    copies->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(4);
    layout->addWidget(pathLine);
    layout->addWidget(mediaLine);
    layout->addWidget(libraryBox);
    layout->addLayout(copies);
    layout->addWidget(tagBox);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    setTabOrder(title_, artist_);
    setTabOrder(artist_, genre_);
    setTabOrder(genre_, comment_);
    setTabOrder(comment_, rename_);
    setTabOrder(rename_, down_);
    setTabOrder(down_, up_);
    setTabOrder(up_, tag_->title);
    showEditor();
    title_->setFocus();
}

RecordEditDialog::~RecordEditDialog() = default;

void RecordEditDialog::takeEdits() {
    editor_.library.title = title_->text().toStdString();
    editor_.library.artist = artist_->text().toStdString();
    editor_.library.genre = genre_->currentText().toStdString();
    editor_.library.comment = comment_->text().toStdString();
    editor_.tag = tag_->fields();
    editor_.renameOnDisk = rename_->isChecked();
}

void RecordEditDialog::showEditor() {
    title_->setText(text(editor_.library.title));
    artist_->setText(text(editor_.library.artist));
    genre_->setCurrentText(text(editor_.library.genre));
    comment_->setText(text(editor_.library.comment));
    rename_->setChecked(editor_.renameOnDisk);
    tag_->show(editor_.tag);
}

bool RecordEditDialog::validate() {
    takeEdits();
    if (!tagInputAccepted(editor_.tag, *tag_->comment, prompter_)) {
        return false;
    }
    return editor_.accept(prompter_, library_, cache_) == RecordEditor::Close::Closed;
}

void RecordEditDialog::skinChanged() {
    skinOkCancel({ok_, cancel_});
}

}  // namespace sonara::gui
