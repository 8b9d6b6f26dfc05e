#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "gui/skin/SkinDialog.h"

class QButtonGroup;
class QLineEdit;

namespace sonara {
class LibraryRecord;
}

namespace sonara::gui {

class MainWindow;

// "Generate Library Report": which songs, how each is named, how many to a
// line and with what between them, and the destination file; "Go" stores
// the choices and writes the report. An existing file is replaced only
// after a question (the file browser's counts as one). A Cancel during the
// write leaves no file and keeps the dialog open. Borrows the window.
// User-interface thread.
class ReportDialog : public SkinDialog {
    Q_OBJECT
  public:
    // Asks for a destination: the chosen file, or an empty text.
    using FileChooser = std::function<QString(const QString& current)>;

    explicit ReportDialog(MainWindow& window);

    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    void browse();
    // "Go": closes the dialog once the report is written.
    void go();

    QLineEdit* destination() const { return destination_; }
    // Include, Report Using, Number of Columns, Deliminate Columns With.
    QButtonGroup* include() const { return include_; }
    QButtonGroup* contents() const { return contents_; }
    QButtonGroup* columns() const { return columns_; }
    QButtonGroup* delimiter() const { return delimiter_; }

  private:
    QButtonGroup* addGroup(QWidget* box, const QStringList& choices, int checked);
    // The file to write, or an empty text after a refusal already told.
    std::string checkedDestination();
    std::vector<const LibraryRecord*> reportedRecords() const;

    MainWindow& window_;
    FileChooser chooseFile_;
    QLineEdit* destination_;
    QButtonGroup* include_;
    QButtonGroup* contents_;
    QButtonGroup* columns_;
    QButtonGroup* delimiter_;
    // The destination the file browser already asked to replace.
    QString confirmed_;
};

}  // namespace sonara::gui
