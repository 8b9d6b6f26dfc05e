#pragma once

#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/mainwnd/CaptionTicker.h"
#include "core/mainwnd/LayoutEngine.h"
#include "core/mainwnd/LayoutTarget.h"
#include "core/mainwnd/MenuItem.h"
#include "core/mainwnd/MenuPreparation.h"
#include "core/mainwnd/ViewSwitcher.h"
#include "gui/mainwnd/ColumnFractions.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/mainwnd/MainKeyboard.h"
#include "gui/mainwnd/MainServices.h"
#include "gui/mainwnd/WindowPlacer.h"
#include "gui/skin/SkinDialog.h"

namespace sonara::gui {

class FileOpening;
class LibraryTasks;
class MainCommands;
class MainPanes;

// The main window: the library, the play list and the player in one
// skinned, frameless window with eight views. It places the panes' controls
// through the layout engine, switches views, drags and sizes itself, and
// turns keys, drops and the menu button into commands, which MainCommands
// runs. Everything it shows belongs to the application (MainServices): the
// window may be closed and made again while the music plays on.
// User-interface thread only.
class MainWindow final : public SkinDialog,
                         private LayoutTarget,
                         private ViewPort,
                         private CommandTarget {
    Q_OBJECT
  public:
    // What the application does for the window with what it owns (the
    // skin switcher): make an opened ".snx" file's skin current, and let the
    // user pick a skin.
    struct SkinHooks {
        std::function<void(const std::string&)> applySkinPointer;
        std::function<void()> chooseSkin;
    };

    explicit MainWindow(MainServices& services, SkinHooks skinHooks = {},
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Places the window for its start-up view, fills the lists and opens the
    // command-line files; call once, right after construction. Over an empty
    // library the setup wizard follows unless `wizardAllowed` is false (the
    // window was opened for another start's files).
    void open(const std::vector<std::string>& commandLineFiles, bool wizardAllowed = true);

    ViewMode view() const { return switcher_.view(); }
    bool ownerMode() const { return switcher_.ownerMode(); }
    void setView(ViewMode mode);
    void enterOwnerMode();
    // After "UseAsDefaultPlayer" changed: the view's twin for the new player
    // choice, or the view laid out again.
    void applyPlayerChoice();

    // Buttons, keys and menu items all end here.
    void runCommand(Command command) override;
    // Opens the skinned pop-up at `globalPos`; runs the chosen command.
    void openMenu(const Menu& menu, QPoint globalPos);
    // What the menus depend on now: the view and the player in use.
    MenuContext menuContext() const;
    // Files from the command line, a drop or File Open, by their kind.
    void openFiles(const std::vector<std::string>& paths);

    // The mini tool bar's minimise, maximise and restore.
    void minimiseWindow();
    void toggleMaximised();

    MainServices& services() { return services_; }
    // "Skins...": false when the application gave no way to choose.
    bool chooseSkin();
    const ControlMap& controls() const { return controls_; }
    MainPanes& panes() { return *panes_; }
    LibraryTasks& libraryTasks() { return *tasks_; }
    MainCommands& commands() { return *commands_; }
    const LayoutEngine& layoutEngine() const { return layout_; }
    bool isResizable() const { return resizable_; }
    const QString& caption() const { return caption_; }

    // Relayout the current view; after a skin control changed its size too.
    void relayout() override;
    void controlResized(ControlId control);

  signals:
    // Exit was chosen: the application shuts down.
    void exitRequested();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void skinChanged() override;

  public slots:
    // The main window never closes on Esc: Exit ends the program.
    void reject() override {}

  private:
    // LayoutTarget
    Rect controlRect(ControlId id) const override;
    void moveControl(ControlId id, const Rect& rect) override;
    // ViewPort
    void setSeekBarEnabled(bool enabled) override;
    void saveWindowPlacement(std::string_view key) override;
    void rememberColumnFractions(ViewLists lists) override;
    void reapplyColumnFractions(ViewLists lists) override;
    void savePreferences() override;
    void refreshFileDescription() override;
    bool isPlaying() const override;
    void setDisplay(const ViewDisplay& display) override;

    void createOwnControls();
    void applyWindowIcon();
    void showControlsForView();
    void placeForView();
    Rect clientRect() const;
    void tickCaption();
    bool handleKey(QKeyEvent& event);
    // The window edges under `pos` that a press there would size.
    Qt::Edges edgesAt(QPoint pos) const;
    void applyMinimumSize();
    void fitPlayerView();

    MainServices& services_;
    ControlMap controls_;
    std::unique_ptr<MainPanes> panes_;
    std::unique_ptr<MainCommands> commands_;
    std::unique_ptr<LibraryTasks> tasks_;
    std::unique_ptr<FileOpening> files_;
    LayoutEngine layout_;
    WindowPlacer placer_;
    ViewSwitcher switcher_;
    MainKeyboard keyboard_;
    CaptionTicker ticker_;
    QTimer captionTimer_;
    QString caption_;
    ColumnFractions libraryColumns_;
    ColumnFractions playListColumns_;
    SkinHooks skinHooks_;
    QRect defaultGeometry_;
    bool resizable_ = true;
    bool opened_ = false;
};

}  // namespace sonara::gui
