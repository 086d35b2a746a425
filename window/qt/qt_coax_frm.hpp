// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The RI-DI window: three inputs, the Calculate button and the two results.
#pragma once

#include "error_report.hpp"

#include "ridi/form/window_texts.hpp"

#include <QLocale>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <array>

namespace ridi {

// A push button that the keyboard clicks with Return and Enter as well as Space, once per
// key press, while it has the focus. It is never a default button.
class command_button final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The number options for a user of `locale`: one whose decimals are written with a comma may
// also type one.
number_options options_for(const QLocale& locale);

// The one window. Its controls hold all the state; the calculation reads the inputs and writes
// the results through the form-text interface.
class coax_frm final : public QWidget, public form::window_texts {
    Q_OBJECT
public:
    // The locale decides whether "," is also a decimal point; failures go to `report`.
    explicit coax_frm(error_reporter report = show_error_box, const QLocale& locale = QLocale(),
                      QWidget* parent = nullptr);

    // The factor the layout was scaled by so that every text fits at the font in use.
    double scale_factor() const { return scale_; }
    number_options options() const override { return options_; }

private:
    std::u16string control_text(const form::control& description) override;
    void set_control_text(const form::control& description, std::u16string_view text) override;
    void report_failure(std::u16string_view message) noexcept override;

    void place_controls();
    // The child control `id` of the window, as the T it was made as.
    template <class T> T* control(form::control_id id) const;

    std::array<QWidget*, form::controls.size()> controls_{}; // in the order of form::controls

    error_reporter report_;
    number_options options_;
    double scale_ = 1.0;
};

} // namespace ridi
