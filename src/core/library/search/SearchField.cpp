#include "core/library/search/SearchField.h"

namespace sonara {

std::optional<SearchField> searchFieldFromCode(int code) {
    if (code < 0 || code > 4) {
        return std::nullopt;
    }
    return SearchField(code);
}

namespace {

constexpr SearchField kItemFields[] = {SearchField::All, SearchField::Artist, SearchField::Album,
                                       SearchField::Title, SearchField::Genre};

}  // namespace

SearchField searchFieldOfItem(int item) {
    return item >= 0 && item < 5 ? kItemFields[item] : SearchField::All;
}

int itemOfSearchField(SearchField field) {
    for (int item = 0; item < 5; ++item) {
        if (kItemFields[item] == field) {
            return item;
        }
    }
    return 0;
}

std::optional<ListerField> listerFieldFor(SearchField field) {
    switch (field) {
        case SearchField::All:
        case SearchField::Artist:
            return ListerField::Artist;
        case SearchField::Album:
            return ListerField::Album;
        case SearchField::Title:
            return ListerField::Title;
        case SearchField::Genre:
            break;
    }
    return std::nullopt;
}

DisplayField displayFieldOf(ListerField field) {
    switch (field) {
        case ListerField::Artist:
            return DisplayField::Artist;
        case ListerField::Album:
            return DisplayField::Album;
        case ListerField::Title:
            break;
    }
    return DisplayField::Title;
}

}  // namespace sonara
