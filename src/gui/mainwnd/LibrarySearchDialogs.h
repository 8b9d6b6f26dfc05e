#pragma once

#include <functional>
#include <memory>

#include "core/library/search/SearchDialogs.h"
#include "gui/skin/SkinContext.h"

class QWidget;

namespace sonara {
class Prompter;
}

namespace sonara::gui {

class GenrePickerDialog;
class LibraryChoiceDialog;

// The library search's dialogs on screen: the genre picker and the
// selectors as skinned lists, the long listing's "Please wait..." as a
// progress dialog. Borrows the context, the prompter and the parent window.
// User-interface thread only.
class LibrarySearchDialogs final : public SearchDialogs {
  public:
    LibrarySearchDialogs(SkinContext& context, Prompter& prompter, QWidget* parent);
    ~LibrarySearchDialogs() override;

    bool pickGenres(GenrePicker& picker) override;
    std::optional<size_t> selectValue(ListerField field,
                                      const std::vector<ListedValue>& values) override;
    ListingProgress& listingProgress() override;

    // Runs a dialog modally: QDialog::exec() unless a test answers instead.
    using Runner = std::function<int(LibraryChoiceDialog&)>;
    void setRunner(Runner runner) { runner_ = std::move(runner); }
    using GenreRunner = std::function<int(GenrePickerDialog&)>;
    void setGenreRunner(GenreRunner runner) { genreRunner_ = std::move(runner); }

  private:
    class Progress;

    int run(LibraryChoiceDialog& dialog);

    SkinContext& context_;
    Prompter& prompter_;
    QWidget* parent_;
    Runner runner_;
    GenreRunner genreRunner_;
    std::unique_ptr<Progress> progress_;
};

}  // namespace sonara::gui
