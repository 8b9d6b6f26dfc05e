#include "core/shell/Associations.h"

#include <algorithm>
#include <vector>

#include "core/settings/IniFile.h"
#include "core/shell/MimeAppsList.h"

namespace sonara {

namespace {

constexpr std::string_view kSavedSection = "Sonara_Save";

std::vector<std::string> without(std::vector<std::string> ids, std::string_view id) {
    ids.erase(std::remove(ids.begin(), ids.end(), id), ids.end());
    return ids;
}

std::vector<std::string> first(std::string_view id, const std::vector<std::string>& rest) {
    std::vector<std::string> ids{std::string(id)};
    for (const std::string& other : without(rest, id)) {
        ids.push_back(other);
    }
    return ids;
}

// The user's list and Sonara's memory of the previous owners, written back
// together when a step changed them.
class Edit {
  public:
    explicit Edit(const ShellPaths& paths) : paths_(paths) {}

    Status open() {
        auto list = MimeAppsList::load(paths_.userMimeApps());
        if (!list) {
            return list.status();
        }
        list_ = std::move(list.value());
        return saved_.load(paths_.savedOwners());
    }

    MimeAppsList& list() { return list_; }
    std::string saved(std::string_view type) const {
        return saved_.get(kSavedSection, type).value_or("");
    }
    Status remember(std::string_view type, const std::string& owner) {
        savedChanged_ = true;
        return saved_.set(kSavedSection, type, owner);
    }

    Status commit() {
        if (savedChanged_) {
            if (Status status = saved_.save(paths_.savedOwners()); !status) {
                return status;
            }
        }
        return list_.changed() ? list_.save(paths_.userMimeApps()) : Status::success();
    }

  private:
    const ShellPaths& paths_;
    MimeAppsList list_;
    IniFile saved_;
    bool savedChanged_ = false;
};

Status takeOver(const Associations& associations, Edit& edit, std::string_view type) {
    const std::optional<std::string> owner = associations.defaultFor(type);
    if (owner == kSonaraDesktopId) {
        return Status::success();
    }
    // A type no program claims is taken too: on a Linux desktop that is
    // the usual state, and a user who chose Sonara as the player expects
    // it to open MP3 files. There is no owner to remember then.
    if (owner) {
        if (Status status = edit.remember(type, *owner); !status) {
            return status;
        }
    }
    const std::vector<std::string> ids = edit.list().ids(kDefaultApplications, type);
    edit.list().setIds(kDefaultApplications, type, first(kSonaraDesktopId, ids));
    return Status::success();
}

void giveBackType(Edit& edit, std::string_view type) {
    const std::vector<std::string> ids = edit.list().ids(kDefaultApplications, type);
    // A default the user chose since is theirs to keep.
    if (ids.empty() || ids.front() != kSonaraDesktopId) {
        return;
    }
    const std::string owner = edit.saved(type);
    std::vector<std::string> rest = without(ids, kSonaraDesktopId);
    edit.list().setIds(kDefaultApplications, type, owner.empty() ? rest : first(owner, rest));
}

void addAssociation(Edit& edit, std::string_view type) {
    std::vector<std::string> ids = edit.list().ids(kAddedAssociations, type);
    if (std::find(ids.begin(), ids.end(), kSonaraDesktopId) == ids.end()) {
        ids.emplace_back(kSonaraDesktopId);
        edit.list().setIds(kAddedAssociations, type, ids);
    }
}

void ownType(Edit& edit, std::string_view type) {
    const std::vector<std::string> ids = edit.list().ids(kDefaultApplications, type);
    edit.list().setIds(kDefaultApplications, type, first(kSonaraDesktopId, ids));
}

// Opens the lists, runs `change` and writes what it changed.
template <typename Change>
Status editLists(const ShellPaths& paths, Change change) {
    Edit edit(paths);
    if (Status status = edit.open(); !status) {
        return status;
    }
    if (Status status = change(edit); !status) {
        return status;
    }
    return edit.commit();
}

}  // namespace

std::optional<std::string> Associations::defaultFor(std::string_view type) const {
    for (const std::string& file : paths_.mimeAppsLookup()) {
        auto list = MimeAppsList::load(file);
        if (!list) {
            continue;  // an unreadable system list is as good as none
        }
        const std::vector<std::string> ids = list->ids(kDefaultApplications, type);
        if (!ids.empty()) {
            return ids.front();
        }
    }
    return std::nullopt;
}

bool Associations::isDefaultPlayer() const {
    return defaultFor(kMp3Type) == kSonaraDesktopId;
}

Status Associations::registerTypes(bool associate) {
    return editLists(paths_, [&](Edit& edit) {
        for (const std::string_view type : {kMp3Type, kM3uType}) {
            if (Status status = takeOver(*this, edit, type); !status) {
                return status;
            }
        }
        if (associate) {
            for (const std::string_view type : {kMp3Type, kM3uType, kPlayListType, kSkinType}) {
                addAssociation(edit, type);
            }
            ownType(edit, kPlayListType);
            ownType(edit, kSkinType);
        }
        return Status::success();
    });
}

Status Associations::giveBack() {
    return editLists(paths_, [](Edit& edit) {
        giveBackType(edit, kMp3Type);
        giveBackType(edit, kM3uType);
        return Status::success();
    });
}

Status Associations::registerSkinType() {
    return editLists(paths_, [](Edit& edit) {
        ownType(edit, kSkinType);
        return Status::success();
    });
}

std::string Associations::savedPlayer() const {
    IniFile saved;
    if (!saved.load(paths_.savedOwners())) {
        return {};
    }
    return saved.get(kSavedSection, kMp3Type).value_or("");
}

Status applyAssociationsAtStart(Associations& associations, int useAsDefaultPlayer,
                                int associateMp3) {
    if (Status status = associations.registerSkinType(); !status) {
        return status;
    }
    if (useAsDefaultPlayer == 1 && !associations.isDefaultPlayer()) {
        return associations.registerTypes(associateMp3 == 1);
    }
    return Status::success();
}

Status applyAssociationPreferences(Associations& associations, int useAsDefaultPlayerBefore,
                                   int useAsDefaultPlayer, int associateMp3) {
    if (useAsDefaultPlayer == 1 || associateMp3 == 1) {
        return associations.registerTypes(associateMp3 == 1);
    }
    if (useAsDefaultPlayerBefore == 1) {
        return associations.giveBack();
    }
    return Status::success();
}

}  // namespace sonara
