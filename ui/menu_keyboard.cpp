// SPDX-License-Identifier: GPL-3.0-or-later
// MenuKeyboard's keys: Alt alone, mnemonic letters, moving along the path of open menus,
// choosing and closing.
#include "ui/menu_keyboard.h"

#include <cctype>

namespace {

// The next item from `from` in `direction` that is not a separator, wrapping round; from -1
// the first (or last). -1 when the list has none.
int nextItem(const std::vector<MenuItem>& items, int from, int direction) {
    const int count = static_cast<int>(items.size());
    int i = from < 0 ? (direction > 0 ? -1 : count) : from;
    for (int tries = 0; tries < count; ++tries) {
        i = ((i + direction) % count + count) % count;
        if (!items[static_cast<std::size_t>(i)].separator) {
            return i;
        }
    }
    return -1;
}

int itemWithMnemonic(const std::vector<MenuItem>& items, char letter) {
    const char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].separator && wanted != 0 && menuMnemonic(items[i].text).letter == wanted) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool opensSubmenu(const MenuItem& item) {
    return !item.children.empty() && item.enabled;
}

}  // namespace

MenuKeyboard::Outcome MenuKeyboard::keyDown(const std::vector<MenuItem>& bar, Key key, char letter,
                                            bool alt) {
    Outcome outcome;
    if (key == Key::Alt) {
        // Auto-repeat of a held Alt must not make it "alone" again after another key.
        if (!altHeld_) {
            altHeld_ = true;
            altAlone_ = true;
        }
        outcome.taken = true;
    } else {
        altAlone_ = false;
        if (active()) {
            outcome = navigate(bar, key, letter, alt || altHeld_);
        } else if (key == Key::F10) {
            path_ = {0};
            outcome.taken = true;
        } else if (alt || altHeld_) {
            outcome.taken = true;
            const int title = key == Key::Letter ? itemWithMnemonic(bar, letter) : -1;
            if (title >= 0) {
                openTitle(bar, title);
            }
        }
    }
    if (outcome.taken) {
        keyboardDriven_ = true;
    }
    tookLastKey_ = outcome.taken;
    return outcome;
}

void MenuKeyboard::altUp() {
    if (!altHeld_) {
        return;
    }
    altHeld_ = false;
    if (altAlone_) {
        altAlone_ = false;
        keyboardDriven_ = true;
        if (active()) {
            path_.clear();
        } else {
            path_ = {0};
        }
    }
}

void MenuKeyboard::mouseUsed() {
    keyboardDriven_ = false;
    altAlone_ = false;
}

void MenuKeyboard::followPointer(const std::vector<int>& openMenus) {
    if (keyboardDriven_) {
        return;
    }
    path_ = openMenus;
    if (!path_.empty()) {
        path_.push_back(-1);
    }
}

void MenuKeyboard::reset() {
    path_.clear();
    altHeld_ = false;
    altAlone_ = false;
}

MenuKeyboard::Outcome MenuKeyboard::navigate(const std::vector<MenuItem>& bar, Key key, char letter,
                                             bool alt) {
    Outcome outcome;
    outcome.taken = true;
    const int title = path_[0];
    if (key == Key::F10) {
        path_.clear();
        return outcome;
    }
    // With Alt a letter names a title, even while another menu is open.
    if (key == Key::Letter && alt) {
        if (const int found = itemWithMnemonic(bar, letter); found >= 0) {
            openTitle(bar, found);
            return outcome;
        }
    }
    if (path_.size() == 1) {
        switch (key) {
            case Key::Left:
            case Key::Right:
                path_[0] = nextItem(bar, title, key == Key::Right ? 1 : -1);
                break;
            case Key::Down:
            case Key::Enter:
                openTitle(bar, title);
                break;
            case Key::Up:
                openTitle(bar, title, true);
                break;
            case Key::Escape:
                path_.clear();
                break;
            case Key::Letter:
                if (const int found = itemWithMnemonic(bar, letter); found >= 0) {
                    openTitle(bar, found);
                }
                break;
            default:
                break;
        }
        return outcome;
    }

    const std::vector<MenuItem>& items = deepestList(bar);
    const int current = path_.back();
    const bool inSubmenu = path_.size() > 2;
    switch (key) {
        case Key::Up:
        case Key::Down:
            path_.back() = nextItem(items, current, key == Key::Down ? 1 : -1);
            break;
        case Key::Right:
            if (current >= 0 && opensSubmenu(items[static_cast<std::size_t>(current)])) {
                return activate(items, current);
            }
            openTitle(bar, nextItem(bar, title, 1));
            break;
        case Key::Left:
            if (inSubmenu) {
                path_.pop_back();
            } else {
                openTitle(bar, nextItem(bar, title, -1));
            }
            break;
        case Key::Enter:
            return activate(items, current);
        case Key::Letter:
            if (const int found = itemWithMnemonic(items, letter); found >= 0) {
                path_.back() = found;
                return activate(items, found);
            }
            break;
        case Key::Escape:
            if (inSubmenu) {
                path_.pop_back();
            } else {
                path_.clear();
            }
            break;
        default:
            break;
    }
    return outcome;
}

void MenuKeyboard::openTitle(const std::vector<MenuItem>& bar, int title, bool last) {
    if (title < 0 || title >= static_cast<int>(bar.size())) {
        path_.clear();
        return;
    }
    const std::vector<MenuItem>& items = bar[static_cast<std::size_t>(title)].children;
    path_ = {title, nextItem(items, -1, last ? -1 : 1)};
}

MenuKeyboard::Outcome MenuKeyboard::activate(const std::vector<MenuItem>& items, int index) {
    Outcome outcome;
    outcome.taken = true;
    if (index < 0) {
        return outcome;
    }
    const MenuItem& item = items[static_cast<std::size_t>(index)];
    if (opensSubmenu(item)) {
        path_.push_back(nextItem(item.children, -1, 1));
    } else if (item.enabled && item.children.empty() && !item.separator) {
        path_.clear();
        outcome.command = item.commandId;
    }
    return outcome;
}

const std::vector<MenuItem>& MenuKeyboard::deepestList(const std::vector<MenuItem>& bar) const {
    static const std::vector<MenuItem> none;
    const std::vector<MenuItem>* items = &bar;
    for (std::size_t level = 0; level + 1 < path_.size(); ++level) {
        const int open = path_[level];
        if (open < 0 || open >= static_cast<int>(items->size())) {
            return none;
        }
        items = &(*items)[static_cast<std::size_t>(open)].children;
    }
    return *items;
}
