// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/form/form.hpp"

#include <algorithm>
#include <string>

namespace ridi::form {

std::vector<const control*> tab_order() {
    std::vector<const control*> order;
    for (const control& c : controls) {
        if (takes_tab_focus(c.kind)) {
            order.push_back(&c);
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const control* a, const control* b) {
        return a->tab_index < b->tab_index;
    });
    return order;
}

const control& first_focus() {
    return *tab_order().front();
}

std::vector<const control*> z_order() {
    // A caption ranks with the control it names, just before it.
    const auto rank = [](const control* c) {
        const control* named = named_by(*c);
        return std::pair{(named != nullptr ? named : c)->tab_index, named != nullptr ? 0 : 1};
    };
    std::vector<const control*> order;
    order.reserve(controls.size());
    for (const control& c : controls) {
        order.push_back(&c);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](const control* a, const control* b) { return rank(a) < rank(b); });
    return order;
}

const control* caption_of(control_id id) noexcept {
    const auto* found = std::find_if(controls.begin(), controls.end(),
                                     [id](const control& c) { return c.caption_for == id; });
    return found == controls.end() ? nullptr : &*found;
}

std::span<const cable> cable_list() noexcept {
    return cable_catalogue();
}

int starting_cable_index() noexcept {
    const std::span<const cable> list = cable_list();
    const auto found = std::find_if(list.begin(), list.end(),
                                    [](const cable& c) { return c.name == starting_cable; });
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

std::optional<char16_t> access_key(std::u16string_view caption) noexcept {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&') {
                return caption[i + 1];
            }
            ++i;
        }
    }
    return std::nullopt;
}

std::u16string shown_caption(std::u16string_view caption) {
    std::u16string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        shown += caption[i];
    }
    return shown;
}

} // namespace ridi::form
