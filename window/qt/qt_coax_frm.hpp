// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The RI-DI window: three inputs, the Calculate button and the two results.
#pragma once

#include "error_report.hpp"

#include "ridi/calculation.hpp"

#include <QLocale>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <array>
#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;

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
class coax_frm final : public QWidget, public form_texts {
    Q_OBJECT
public:
    // The locale decides whether "," is also a decimal point; failures go to `report`.
    explicit coax_frm(error_reporter report = show_error_box, const QLocale& locale = QLocale(),
                      QWidget* parent = nullptr);

    // The Calculate command: runs the calculation on the window's texts and reports a failure.
    void calc_cmd_Click();
    // The velocity factor of the cable text.
    float Get_Vk();

    // The factor the layout was scaled by so that every text fits at the font in use.
    double scale_factor() const { return scale_; }
    number_options options() const { return options_; }

    std::u16string_view freq_text() override;
    std::u16string_view qtr_num_text() override;
    std::u16string_view cable_text() override;
    std::u16string_view coax_length_caption() override;
    void set_coax_length_caption(std::u16string_view caption) override;
    void set_vf_length_caption(std::u16string_view caption) override;

private:
    std::u16string_view hold(QString text);
    void place_controls();
    // The child control of the window named `name` in the description.
    template <class T> T* control(std::string_view name) const;

    std::array<QLabel*, 5> lbl_lbl_{};
    QLineEdit* freq_txt_ = nullptr;
    QLineEdit* qtr_num_txt_ = nullptr;
    QComboBox* cable_combo_ = nullptr;
    command_button* calc_cmd_ = nullptr;
    QLabel* coax_length_lbl_ = nullptr;
    QLabel* vf_length_lbl_ = nullptr;

    error_reporter report_;
    number_options options_;
    double scale_ = 1.0;
    QString read_; // the text of the last read, which the returned view points into
};

} // namespace ridi
