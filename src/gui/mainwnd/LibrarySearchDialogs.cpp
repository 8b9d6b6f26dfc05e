#include "gui/mainwnd/LibrarySearchDialogs.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/search/ListingProgress.h"
#include "core/library/search/ValueLister.h"
#include "gui/dialogs/editors/GenrePickerDialog.h"
#include "gui/mainwnd/LibraryChoiceDialog.h"

namespace sonara::gui {

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

}  // namespace

// "Please wait..." with a bar and "Cancel", shown while it is open.
class LibrarySearchDialogs::Progress final : public ListingProgress {
  public:
    explicit Progress(QWidget* parent) : parent_(parent) {}

    void open(int range) override {
        dialog_ = std::make_unique<QProgressDialog>(text(stringText(TextId::PleaseWait)),
                                                    QObject::tr("Cancel"), 0, range, parent_);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(0);
        dialog_->setValue(0);
    }
    bool step() override {
        if (!dialog_) {
            return true;
        }
        dialog_->setValue(dialog_->value() + 1);
        QCoreApplication::processEvents();
        return !dialog_->wasCanceled();
    }
    void close() override { dialog_.reset(); }

  private:
    QWidget* parent_;
    std::unique_ptr<QProgressDialog> dialog_;
};

LibrarySearchDialogs::LibrarySearchDialogs(SkinContext& context, Prompter& prompter,
                                           QWidget* parent)
    : context_(context),
      prompter_(prompter),
      parent_(parent),
      progress_(std::make_unique<Progress>(parent)) {}

LibrarySearchDialogs::~LibrarySearchDialogs() = default;

int LibrarySearchDialogs::run(LibraryChoiceDialog& dialog) {
    return runner_ ? runner_(dialog) : dialog.exec();
}

bool LibrarySearchDialogs::pickGenres(GenrePicker& picker) {
    // OK without a genre says so and leaves the picker open.
    GenrePickerDialog dialog(context_, picker, prompter_, parent_);
    return (genreRunner_ ? genreRunner_(dialog) : dialog.exec()) == QDialog::Accepted;
}

std::optional<size_t> LibrarySearchDialogs::selectValue(ListerField field,
                                                        const std::vector<ListedValue>& values) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(values.size()));
    for (const ListedValue& value : values) {
        items << text(value.text);
    }
    LibraryChoiceDialog dialog(context_, text(selectorTitle(field)), text(selectorCaption(field)),
                               items, false, parent_);
    if (run(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    const std::vector<int> rows = dialog.selectedRows();
    if (rows.empty()) {
        return std::nullopt;
    }
    return static_cast<size_t>(rows.front());
}

ListingProgress& LibrarySearchDialogs::listingProgress() {
    return *progress_;
}

}  // namespace sonara::gui
