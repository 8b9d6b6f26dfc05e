#include "gui/dialogs/tools/ReportDialog.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/app/DataFileSaver.h"
#include "core/app/DataPaths.h"
#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/library/Library.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "core/tools/report/LibraryReport.h"
#include "gui/dialogs/tools/ToolDialogParts.h"
#include "gui/mainwnd/LibraryListModel.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinGroupBox.h"

namespace sonara::gui {

namespace {

constexpr int kMaxFileNameLength = 255;

// A stored choice outside its group's range shows the first choice, as the
// report treats it.
int choiceIn(int value, int count) {
    return value >= 0 && value < count ? value : 0;
}

}  // namespace

ReportDialog::ReportDialog(MainWindow& window)
    : SkinDialog(window.services().skin, &window), window_(window) {
    SkinContext& context = window.services().skin;
    setWindowTitle(tr("Generate Library Report"));
    const std::string proposed =
        ensureExportName(context.prefs, window.services().paths.programFolder);
    const Preferences& values = context.prefs.values();

    auto* includeBox = new SkinGroupBox(context, tr("Include"), this);
    include_ = addGroup(includeBox, {tr("Current List"), tr("Entire Library")},
                        choiceIn(values.exportWhat, 2));
    auto* usingBox = new SkinGroupBox(context, tr("Report Using"), this);
    contents_ = addGroup(usingBox, {tr("Library Name"), tr("Path Name"), tr("Both")},
                         choiceIn(values.exportContents, 3));
    auto* columnsBox = new SkinGroupBox(context, tr("Number of Columns"), this);
    columns_ = addGroup(columnsBox, {tr("1"), tr("2"), tr("3")}, choiceIn(values.numColumns, 3));
    auto* delimiterBox = new SkinGroupBox(context, tr("Deliminate Columns With"), this);
    delimiter_ = addGroup(delimiterBox, {tr("Comma"), tr("Space"), tr("Tab")},
                          choiceIn(values.deliminator, 3));

    auto* label = new QLabel(tr("Destination File:"), this);
    destination_ = new QLineEdit(QString::fromStdString(proposed), this);
    destination_->setMaxLength(kMaxFileNameLength);
    destination_->setMinimumWidth(300);
    label->setBuddy(destination_);
    auto* browseButton = makeCaptionButton(context, tr("Browse"), skin::kRowBrowse, this);
    auto* goButton = makeCaptionButton(context, tr("Go"), skin::kRowOk, this);
    goButton->setDefault(true);
    auto* cancel = makeCaptionButton(context, tr("Cancel"), skin::kRowCancel, this);
    chooseFile_ = [this](const QString& current) {
        return QFileDialog::getSaveFileName(this, QString(), current, tr("Text File (*.txt)"));
    };
    connect(browseButton, &QAbstractButton::clicked, this, &ReportDialog::browse);
    connect(goButton, &QAbstractButton::clicked, this, &ReportDialog::go);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);

    auto* groups = new QGridLayout;
    groups->setSpacing(4);
    groups->addWidget(includeBox, 0, 0);
    groups->addWidget(usingBox, 0, 1);
    groups->addWidget(columnsBox, 1, 0);
    groups->addWidget(delimiterBox, 1, 1);
    auto* fileRow = new QHBoxLayout;
    fileRow->setSpacing(4);
    fileRow->addWidget(destination_, 1);
    fileRow->addWidget(browseButton);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addStretch(1);
    buttons->addWidget(goButton);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(4);
    layout->addLayout(groups);
    layout->addWidget(label);
    layout->addLayout(fileRow);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

QButtonGroup* ReportDialog::addGroup(QWidget* box, const QStringList& choices, int checked) {
    auto* group = new QButtonGroup(box);
    auto* column = new QVBoxLayout(box);
    column->setSpacing(4);
    for (int i = 0; i < choices.size(); ++i) {
        auto* choice = new QRadioButton(choices[i], box);
        group->addButton(choice, i);
        column->addWidget(choice);
    }
    column->addStretch(1);
    group->button(checked)->setChecked(true);
    return group;
}

void ReportDialog::browse() {
    QString chosen = chooseFile_(destination_->text());
    if (chosen.isEmpty()) {
        return;
    }
    // The browser's default extension.
    if (QFileInfo(chosen).suffix().isEmpty()) {
        chosen += ".txt";
    }
    destination_->setText(chosen.left(kMaxFileNameLength));
    // The browser asked before picking an existing file.
    confirmed_ = destination_->text();
}

std::string ReportDialog::checkedDestination() {
    Prompter& prompter = window_.services().prompter;
    const QString typed = destination_->text().trimmed();
    if (typed.isEmpty()) {
        prompter.message(stringText(TextId::EnterValidFileName), Icon::Stop);
        return {};
    }
    // A bare name goes to the program folder, never to wherever the program
    // was started from.
    const QString programFolder = QString::fromStdString(window_.services().paths.programFolder);
    const std::string path =
        QDir::cleanPath(QDir(programFolder).absoluteFilePath(typed)).toStdString();
    if (files::isDirectory(path)) {
        prompter.message(formatText(TextId::ReportDestinationIsFolder, path), Icon::Stop);
        return {};
    }
    if (files::exists(path) && typed != confirmed_ &&
        prompter.ask(formatText(TextId::ReportReplaceQuestion, path), Buttons::YesNo) !=
            Answer::Yes) {
        return {};
    }
    return path;
}

std::vector<const LibraryRecord*> ReportDialog::reportedRecords() const {
    std::vector<const LibraryRecord*> records;
    if (include_->checkedId() == 0) {
        const LibraryListModel& rows = window_.panes().library()->model();
        records.reserve(size_t(rows.rowCount()));
        for (int row = 0; row < rows.rowCount(); ++row) {
            if (const LibraryRecord* record = rows.recordAt(row)) {
                records.push_back(record);
            }
        }
        return records;
    }
    const Library& library = window_.services().library;
    records.reserve(library.count());
    for (size_t i = 0; i < library.count(); ++i) {
        records.push_back(library.at(i));
    }
    return records;
}

void ReportDialog::go() {
    const std::string path = checkedDestination();
    if (path.empty()) {
        return;
    }
    MainServices& services = window_.services();
    Preferences& values = services.skin.prefs.values();
    values.exportWhat = include_->checkedId();
    values.exportContents = contents_->checkedId();
    values.numColumns = columns_->checkedId();
    values.deliminator = delimiter_->checkedId();
    values.exportFileName = path;
    reportSave(services.skin.prefs.saveAll(), services.prompter);

    const ReportLookup lookup{services.pathCache, services.sources,
                              services.skin.prefs.normaliseOptions()};
    const ReportOptions options{values.exportContents, values.numColumns, values.deliminator};
    if (writeReport(reportedRecords(), options, lookup, path, services.prompter)) {
        accept();
    }
}

}  // namespace sonara::gui
