#pragma once

namespace sonara {

class Prompter;

// The setup wizard's page flow: which page follows, which controls show and
// what is enabled. The dialog draws from it and runs the searches and adds
// it asks for. User-interface thread.
//
// Pages: 0 before it is shown, 1 the drives to search, 2 the search and add
// (automatic), 3 the removable-media question, 4 its answer (automatic), 5
// the removable drives, 6 inserting media, 7 done.
class WizardPages {
  public:
    // What the dialog does after "Next >".
    enum class Step {
        Show,           // show the new page
        Stay,           // nothing changed
        SearchDrives,   // search the checked drives, add the folders, then searchDone()
        ListRemovable,  // list the removable drives (unchecked) on page 5
        Finish,         // close the wizard with OK
    };

    int page() const { return page_; }
    // The controls of every page up to the current one are visible.
    bool showsDriveList() const { return page_ >= 1; }
    bool showsRemovableQuestion() const { return page_ >= 3; }
    bool showsRemovableList() const { return page_ >= 5; }
    bool showsInsertMedia() const { return page_ >= 6; }

    // A search or an add is running: "< Prev" and the navigation buttons
    // are disabled, and next()/prev() do nothing.
    void setBusy(bool busy) { busy_ = busy; }
    bool busy() const { return busy_; }
    bool navigationEnabled() const { return !busy_; }
    bool prevEnabled() const { return !busy_ && page_ > 1; }

    // The "Search removable drives?" choice; No unless chosen.
    void setSearchRemovable(bool yes) { searchRemovable_ = yes; }
    bool searchRemovable() const { return searchRemovable_; }

    // The wizard is first shown: page 1.
    void start() { page_ = 1; }

    // "Next >" (and Enter). On page 5 a removable drive must be checked,
    // else message 2011 and the page stays.
    Step next(bool anyRemovableChecked, Prompter& prompter);
    // The drive search of page 2 ended: a cancelled one goes back to page 1,
    // otherwise (the folders added) on to the removable question.
    void searchDone(bool cancelled);
    // "< Prev": 1 and 2 to 0, 3 to 1, 4 to 2, 5 to 3, 6 to 5, 7 to 6.
    void prev();

    // "Cancel": asks message 188; true when the wizard is to close with
    // Cancel.
    static bool confirmCancel(Prompter& prompter);
    // After a wizard started from the menu ended with Cancel: message 189.
    static void tellCancelled(Prompter& prompter);

  private:
    int page_ = 0;
    bool busy_ = false;
    bool searchRemovable_ = false;
};

}  // namespace sonara
