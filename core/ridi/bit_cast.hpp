// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// std::bit_cast, also where the C++ library lacks it (emscripten's libc++): the compiler's
// built-in, which std::bit_cast is made of everywhere.
#pragma once

#include <type_traits>
#include <version>
#if defined(__cpp_lib_bit_cast)
#include <bit>
#endif

namespace ridi {

template <class To, class From>
requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
         std::is_trivially_copyable_v<From>) constexpr To bit_cast(const From& from) noexcept {
#if defined(__cpp_lib_bit_cast)
    return std::bit_cast<To>(from);
#else
    return __builtin_bit_cast(To, from);
#endif
}

} // namespace ridi
