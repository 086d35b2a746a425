// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What every front-end's window does the same way over its own controls: the form texts the
// calculation reads and writes, found by control name; the Calculate command, whose failure
// the window reports; and the velocity factor of the cable text. A front-end supplies only the
// toolkit's calls: read a control's text, write it, and show a failure's message.
#pragma once

#include "ridi/calculation.hpp"
#include "ridi/form/form.hpp"

#include <string>
#include <string_view>

namespace ridi::form {

class window_texts : public form_texts {
public:
    // The Calculate command: runs the calculation on the window's texts; a failure's message
    // goes to report_failure and the window carries on.
    void calc_cmd_Click();
    // The velocity factor of the cable text.
    float Get_Vk();

    std::u16string_view freq_text() final;
    std::u16string_view qtr_num_text() final;
    std::u16string_view cable_text() final;
    std::u16string_view coax_length_caption() final;
    void set_coax_length_caption(std::u16string_view caption) final;
    void set_vf_length_caption(std::u16string_view caption) final;

    // How the window reads numbers (the user's decimal comma).
    virtual number_options options() const = 0;

protected:
    window_texts() = default;

    // The text the control `description` shows now; a failure throws.
    virtual std::u16string control_text(const control& description) = 0;
    // Makes the control `description` show `text`; a failure throws.
    virtual void set_control_text(const control& description, std::u16string_view text) = 0;
    // Tells the user `message`, the failure of a command, in the window's own way. Must not
    // throw.
    virtual void report_failure(std::u16string_view message) noexcept = 0;

private:
    std::u16string_view read(control_id id);

    std::u16string read_; // the text of the last read, which the returned view points into
};

// The message for a failure that is not the calculation's own (an exception of no known kind).
inline constexpr std::u16string_view internal_failure =
    u"The window met an internal error; the last results are kept.";

} // namespace ridi::form
