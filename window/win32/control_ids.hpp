// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Win32 window's control ids, shared with the program that drives it in the tests.
#pragma once

#include "ridi/form/form.hpp"

#include <cstddef>

namespace ridi::win32 {

// A control's id is 100 plus its place in form::controls, so none is IDOK (1) or IDCANCEL (2):
// the dialog keys Enter and Escape send those, and they must not look like the button's click.
inline constexpr int first_control_id = 100;

constexpr int control_id(std::size_t index) noexcept {
    return first_control_id + static_cast<int>(index);
}

// The id of the control `id`.
constexpr int control_id(form::control_id id) noexcept {
    return control_id(static_cast<std::size_t>(id));
}

static_assert(control_id(form::control_id::calc_cmd) != 1 &&
              control_id(form::control_id::calc_cmd) != 2);

} // namespace ridi::win32
