#include "gui/mainwnd/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMimeData>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include "audio/engine/PlayerHost.h"
#include "core/app/Prompter.h"
#include "core/library/Library.h"
#include "core/mainwnd/KeyMap.h"
#include "core/mainwnd/MainTemplate.h"
#include "core/mainwnd/MenuPreparation.h"
#include "core/mainwnd/ViewControls.h"
#include "core/mainwnd/ViewMouse.h"
#include "core/mainwnd/ViewTable.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/mainwnd/DesktopActions.h"
#include "gui/mainwnd/FileOpening.h"
#include "gui/mainwnd/LibraryTasks.h"
#include "gui/mainwnd/MainCommands.h"
#include "gui/mainwnd/MainControls.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MiniToolBar.h"
#include "gui/mainwnd/PlayerPanel.h"
#include "gui/mainwnd/SkinPopupMenu.h"

namespace sonara::gui {

namespace {

constexpr int kCaptionTickMs = 200;
// How near the window's edge a press sizes the window instead of moving it.
constexpr int kSizingGrip = 6;

QRect toQRect(const Rect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

KeyFocus focusOf(const MainWindow& window, const QWidget* focused) {
    const MainPanes& panes = const_cast<MainWindow&>(window).panes();
    if (focused == nullptr) {
        return KeyFocus::Other;
    }
    if (focused == panes.libraryList()) {
        return KeyFocus::LibraryList;
    }
    if (focused == panes.playList()) {
        return KeyFocus::PlayList;
    }
    const QWidget* searchText = window.controls().find(ControlId::SearchText);
    if (searchText != nullptr && (focused == searchText || searchText->isAncestorOf(focused))) {
        return KeyFocus::SearchText;
    }
    return KeyFocus::Other;
}

}  // namespace

MainWindow::MainWindow(MainServices& services, SkinHooks skinHooks, QWidget* parent)
    : SkinDialog(services.skin, parent, true),
      services_(services),
      layout_(*this),
      placer_(*this),
      switcher_(*this, services.skin.prefs.values(), startupView(services.skin.prefs.values())) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setObjectName("SonaraMainWindow");
    setBackgroundIndex(skin::kTile);
    setAcceptDrops(true);
    applyWindowIcon();
    caption_ = QString::fromStdString(CaptionTicker::initialCaption());
    setWindowTitle(caption_);
    const Rect client = MainTemplate::clientPixels();
    resize(client.width, client.height);

    panes_ = std::make_unique<MainPanes>(*this, services_, static_cast<CommandTarget&>(*this),
                                         controls_);
    createOwnControls();
    commands_ = std::make_unique<MainCommands>(*this, *panes_);
    tasks_ = std::make_unique<LibraryTasks>(
        *this, services_, [this] { panes_->libraryChanging(); },
        [this] { panes_->libraryChanged(); });
    skinHooks_ = std::move(skinHooks);
    files_ = std::make_unique<FileOpening>(*this, services_, *tasks_, skinHooks_.applySkinPointer);

    layout_.rebuild(clientRect());
    layout_.setWorkSpacePercent(panes_->workSpacePercent());
    captionTimer_.setInterval(kCaptionTickMs);
    connect(&captionTimer_, &QTimer::timeout, this, &MainWindow::tickCaption);
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    panes_->disconnectDisplays();
}

void MainWindow::applyWindowIcon() {
    // The skin's logo starts with its round badge: the badge is the icon.
    const QImage& logo = services_.skin.skin.bitmap(skin::kLogo);
    if (logo.isNull()) {
        return;
    }
    const int side = std::min(logo.width(), logo.height());
    setWindowIcon(QIcon(QPixmap::fromImage(logo.copy(0, 0, side, side))));
}

void MainWindow::createOwnControls() {
    main_controls::createSkinImages(*this, services_.skin, controls_);
    main_controls::createMenuButton(*this, services_.skin, controls_,
                                    [this] { runCommand(Command::MenuButton); });
    MiniToolBar* miniBar = MiniToolBar::create(services_.skin, this, controls_);
    connect(miniBar, &MiniToolBar::action, this,
            [this](MiniToolBarAction action) { commands_->runMiniToolBarAction(action); });
    main_controls::createPlaceholders(*this, controls_);
}

Rect MainWindow::clientRect() const {
    return Rect{0, 0, width(), height()};
}

void MainWindow::open(const std::vector<std::string>& commandLineFiles, bool wizardAllowed) {
    // Centred first, then placed by the view's placement.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect centred = geometry();
        centred.moveCenter(screen->availableGeometry().center());
        setGeometry(centred);
    }
    defaultGeometry_ = geometry();
    switcher_.showInitialView();
    if (isMinimized()) {
        showNormal();
    }
    services_.player.setDisplaysShown(true);
    if (services_.skin.prefs.values().checkAvailStartup != 0) {
        tasks_->checkAvailability(false);
    }
    panes_->fill();
    captionTimer_.start();
    refreshFileDescription();
    if (wizardAllowed && services_.library.count() == 0) {
        QTimer::singleShot(0, this, [this] { runCommand(Command::SetupWizard); });
    }
    opened_ = true;
    if (!commandLineFiles.empty()) {
        openFiles(commandLineFiles);
    }
}

void MainWindow::setView(ViewMode mode) {
    const ViewSwitcher::ProgramPlacing placing(switcher_);
    switcher_.setView(mode);
}

void MainWindow::enterOwnerMode() {
    const ViewSwitcher::ProgramPlacing placing(switcher_);
    switcher_.enterOwnerMode();
}

void MainWindow::applyPlayerChoice() {
    switcher_.applyPlayerChoice(services_.skin.prefs.values().useAsDefaultPlayer != 0);
}

void MainWindow::runCommand(Command command) {
    commands_->run(command);
}

bool MainWindow::chooseSkin() {
    if (!skinHooks_.chooseSkin) {
        return false;
    }
    skinHooks_.chooseSkin();
    return true;
}

void MainWindow::openMenu(const Menu& menu, QPoint globalPos) {
    QWidget* menuButton = controls_.find(ControlId::MenuButton);
    const bool disable = menu.disableMenuButton && menuButton != nullptr;
    if (disable) {
        menuButton->setEnabled(false);
    }
    const std::optional<Command> chosen = SkinPopupMenu::exec(services_.skin, menu, globalPos);
    if (disable) {
        menuButton->setEnabled(true);
    }
    if (chosen) {
        runCommand(*chosen);
    }
}

void MainWindow::openFiles(const std::vector<std::string>& paths) {
    files_->open(paths);
}

void MainWindow::minimiseWindow() {
    showMinimized();
}

void MainWindow::toggleMaximised() {
    if (isMaximized()) {
        resizable_ = true;
        showNormal();
    } else {
        resizable_ = false;
        showMaximized();
    }
}

// --- layout -----------------------------------------------------------------

Rect MainWindow::controlRect(ControlId id) const {
    const QWidget* widget = controls_.find(id);
    if (widget == nullptr) {
        return {};
    }
    const QRect r = widget->geometry();
    return Rect{r.x(), r.y(), r.width(), r.height()};
}

void MainWindow::moveControl(ControlId id, const Rect& rect) {
    if (QWidget* widget = controls_.find(id)) {
        widget->setGeometry(toQRect(rect));
    }
}

void MainWindow::controlResized(ControlId control) {
    layout_.updateRow(control);
    relayout();
}

void MainWindow::showControlsForView() {
    const ViewMode mode = view();
    const ViewControlOptions options =
        ViewControlOptions::fromPreferences(services_.skin.prefs.values());
    controls_.forEach([&](ControlId id, QWidget* widget) {
        const ControlState state = controlState(mode, id, options);
        widget->setVisible(state != ControlState::Hidden);
        if (state != ControlState::Hidden) {
            widget->setEnabled(state == ControlState::Shown);
        }
    });
    panes_->setView(mode, options);
}

void MainWindow::placeForView() {
    const Preferences& values = services_.skin.prefs.values();
    PlacementInputs inputs;
    inputs.ownerMode = ownerMode();
    inputs.stored = services_.skin.prefs.windowPlacement(switcher_.placementKey());
    inputs.alwaysOnTop = viewStaysOnTop(view(), values);
    // The player view's controls are laid out from the left edge, a gap on
    // either side of the seek bar.
    constexpr int kGap = 8;
    inputs.playerControlsWidth = MainTemplate::pixelRect(ControlId::SeekBar).width + 2 * kGap;
    inputs.largeSpectrumShown = values.visualLargeSpectrum != 0;
    inputs.largeSpectrumHeight = MainTemplate::pixelRect(ControlId::LargeSpectrum).height;
    const Rect bar = MainTemplate::pixelRect(ControlId::MiniToolbar);
    if (const QWidget* miniBar = controls_.find(ControlId::MiniToolbar)) {
        inputs.miniToolBar = ScreenSize{miniBar->width(), miniBar->height()};
    } else {
        inputs.miniToolBar = ScreenSize{bar.width, bar.height};
    }
    inputs.screens = WindowPlacer::screenAreas();
    const WindowPlacementPlan plan = planWindowPlacement(view(), inputs);
    // The fixed views are smaller than the skin's minimum: lift it first.
    applyMinimumSize();
    placer_.apply(plan, defaultGeometry_, resizable_);
}

void MainWindow::applyMinimumSize() {
    if (!viewInfo(view()).followsSkinMinimumSize) {
        setMinimumSize(0, 0);
        return;
    }
    setMinimumSize(main_controls::minimumClientSize(services_.skin.skin));
}

void MainWindow::relayout() {
    showControlsForView();
    placeForView();
    layout_.setWorkSpacePercent(panes_->workSpacePercent());
    layout_.applyView(view(), services_.skin.prefs.values().visualSmallSpectrum != 0, clientRect());
    panes_->afterLayout(view());
    if (view() == ViewMode::Player) {
        fitPlayerView();
    }
    if (view() == ViewMode::Toolbar) {
        // Only the mini tool bar shows: it sits at the window's origin.
        if (QWidget* miniBar = controls_.find(ControlId::MiniToolbar)) {
            miniBar->move(0, 0);
        }
    }
    update();
}

void MainWindow::fitPlayerView() {
    // The player view's rules put the seek bar and the volume slider on one
    // row and the large spectrum over the transport buttons; with the skin's
    // controls at their sizes that hides both. The seek bar ends before the
    // volume icon, the spectrum goes below the buttons, and the window grows
    // to hold what it shows.
    constexpr int kGap = 6;
    QWidget* seekBar = controls_.find(ControlId::SeekBar);
    QWidget* icon = controls_.find(ControlId::VolumeIcon);
    QWidget* play = controls_.find(ControlId::PlayButton);
    QWidget* spectrum = controls_.find(ControlId::LargeSpectrum);
    if (seekBar == nullptr || icon == nullptr || play == nullptr || spectrum == nullptr) {
        return;
    }
    if (!icon->isHidden() && seekBar->geometry().intersects(icon->geometry())) {
        QRect bar = seekBar->geometry();
        bar.setRight(icon->x() - kGap);
        seekBar->setGeometry(bar);
    }
    int bottom = play->geometry().bottom() + kGap;
    if (!spectrum->isHidden()) {
        QRect area = spectrum->geometry();
        area.moveTop(bottom);
        spectrum->setGeometry(area);
        bottom = area.bottom() + kGap;
    }
    if (bottom + 1 > height()) {
        resize(width(), bottom + 1);
    }
}

// --- the view port ----------------------------------------------------------

void MainWindow::setSeekBarEnabled(bool enabled) {
    panes_->setSeekBarEnabled(enabled);
}

void MainWindow::saveWindowPlacement(std::string_view key) {
    if (!opened_ || isMinimized()) {
        return;
    }
    if (const Status saved =
            services_.skin.prefs.setWindowPlacement(key, placer_.currentPlacement());
        !saved) {
        // A placement that could not be stored only costs the position at
        // the next start; telling the user on every move would not help.
        qWarning("%s", saved.error().c_str());
    }
}

void MainWindow::rememberColumnFractions(ViewLists lists) {
    if (QTreeView* list = panes_->playList()) {
        playListColumns_.remember(*list);
    }
    if (lists == ViewLists::Both) {
        if (QTreeView* list = panes_->libraryList()) {
            libraryColumns_.remember(*list);
        }
    }
}

void MainWindow::reapplyColumnFractions(ViewLists lists) {
    if (QTreeView* list = panes_->playList()) {
        playListColumns_.reapply(*list);
    }
    if (lists == ViewLists::Both) {
        if (QTreeView* list = panes_->libraryList()) {
            libraryColumns_.reapply(*list);
        }
    }
}

void MainWindow::savePreferences() {
    if (const Status saved = services_.skin.prefs.saveAll(); !saved) {
        services_.prompter.message(saved.error(), Icon::Exclamation);
    }
}

void MainWindow::refreshFileDescription() {
    panes_->refreshFileDescription();
}

bool MainWindow::isPlaying() const {
    return services_.player.isPlaying();
}

void MainWindow::setDisplay(const ViewDisplay& display) {
    panes_->setDisplay(display);
}

// --- caption ----------------------------------------------------------------

void MainWindow::tickCaption() {
    const std::string text = ticker_.tick(services_.playList.nowPlaying().caption(),
                                          services_.skin.prefs.values().scrollToolBarTitle != 0);
    const QString caption = QString::fromStdString(text);
    if (caption != caption_) {
        caption_ = caption;
        setWindowTitle(caption_);
    }
}

// --- events -----------------------------------------------------------------

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) {
        keyboard_.clearHeld();
    }
    return SkinDialog::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
        type != QEvent::ShortcutOverride) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        keyboard_.released(*key);
        return false;
    }
    if (type == QEvent::ShortcutOverride) {
        return false;
    }
    return handleKey(*key);
}

bool MainWindow::handleKey(QKeyEvent& event) {
    const KeyPress press = keyboard_.pressed(event);
    const KeyOutcome outcome = mapKey(press, view(), focusOf(*this, QApplication::focusWidget()));
    switch (outcome.action) {
        case KeyAction::PassOn:
            return false;
        case KeyAction::Swallow:
            return true;
        case KeyAction::Run:
            runCommand(outcome.command);
            return true;
        case KeyAction::SwitchView:
            setView(outcome.view);
            return true;
        case KeyAction::EnterOwnerMode:
            enterOwnerMode();
            return true;
        case KeyAction::OwnerSkip:
            commands_->ownerSkip();
            return true;
    }
    return false;
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    SkinDialog::resizeEvent(event);
    if (!opened_) {
        return;
    }
    switcher_.windowResized();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    SkinDialog::moveEvent(event);
    if (opened_) {
        switcher_.windowMoved();
    }
}

Qt::Edges MainWindow::edgesAt(QPoint pos) const {
    Qt::Edges edges;
    if (!resizable_ || isMaximized()) {
        return edges;
    }
    if (pos.x() < kSizingGrip) {
        edges |= Qt::LeftEdge;
    }
    if (pos.x() >= width() - kSizingGrip) {
        edges |= Qt::RightEdge;
    }
    if (pos.y() < kSizingGrip) {
        edges |= Qt::TopEdge;
    }
    if (pos.y() >= height() - kSizingGrip) {
        edges |= Qt::BottomEdge;
    }
    return edges;
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || windowHandle() == nullptr) {
        SkinDialog::mousePressEvent(event);
        return;
    }
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if (edges && viewInfo(view()).frame != ViewFrame::FixedCoversScreen) {
        windowHandle()->startSystemResize(edges);
        return;
    }
    if (canDragWindow(view(), isMaximized())) {
        windowHandle()->startSystemMove();
    }
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const ViewDoubleClick action = doubleClickAction(view());
    if (action.action == ViewDoubleClick::Action::ToggleMaximised) {
        toggleMaximised();
    } else if (action.action == ViewDoubleClick::Action::SwitchView && action.view) {
        setView(*action.view);
    }
}

MenuContext MainWindow::menuContext() const {
    MenuContext context;
    context.view = view();
    context.builtInPlayer = services_.skin.prefs.values().useAsDefaultPlayer != 0;
    if (!context.builtInPlayer && services_.desktop != nullptr) {
        context.externalPlayer = services_.desktop->outsidePlayerLabels();
    }
    return context;
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (const std::optional<Menu> menu =
            rightClickMenu(RightClickTarget::Background, menuContext())) {
        openMenu(*menu, event->globalPos());
    }
}

void MainWindow::wheelEvent(QWheelEvent* event) {
    // The wheel over the window's background: volume, or seeking with the
    // middle button held.
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0) {
        panes_->player()->wheelTurned(notches, event->buttons().testFlag(Qt::MiddleButton));
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths.push_back(url.toLocalFile().toStdString());
        }
    }
    event->acceptProposedAction();
    files_->drop(paths);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The window manager's close is Exit.
    event->ignore();
    runCommand(Command::Exit);
}

void MainWindow::skinChanged() {
    panes_->skinChanged();
    applyWindowIcon();
    // The tables are captured again from the template's arrangement, with
    // the sizes the skin gives the controls now.
    controls_.forEach([](ControlId id, QWidget* widget) {
        widget->move(ControlMap::templateRect(id).topLeft());
    });
    layout_.rebuild(MainTemplate::clientPixels());
    relayout();
}

}  // namespace sonara::gui
