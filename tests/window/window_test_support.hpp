// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: finding controls, a window with a recording error reporter, and
// the texts the core gives for the same inputs.
#pragma once

#include "qt_coax_frm.hpp"

#include "ridi/calculation.hpp"
#include "ridi/form/form.hpp"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <memory>
#include <string_view>

namespace window_support {

// A shown, active window whose failures are recorded instead of shown in a box.
struct shown_window {
    QStringList errors;
    std::unique_ptr<ridi::coax_frm> frm;

    explicit shown_window(const QLocale& locale = QLocale::c()) {
        frm = std::make_unique<ridi::coax_frm>(
            [this](QWidget&, const QString& message) { errors << message; }, locale);
        frm->show();
        frm->activateWindow();
        if (!QTest::qWaitForWindowActive(frm.get())) {
            qWarning("the window did not become active");
        }
    }

    // The window's child control `id`, found by its name as the toolkit knows it.
    template <class T> T* get(ridi::form::control_id id) const {
        const std::string_view name = ridi::form::get(id).name;
        T* control = frm->findChild<T*>(QLatin1String(name.data(), qsizetype(name.size())));
        if (control == nullptr) {
            qFatal("no control %.*s", int(name.size()), name.data());
        }
        return control;
    }
    QLineEdit* freq() const { return get<QLineEdit>(ridi::form::control_id::freq_txt); }
    QLineEdit* qtr_num() const { return get<QLineEdit>(ridi::form::control_id::qtr_num_txt); }
    QComboBox* cable() const { return get<QComboBox>(ridi::form::control_id::cable_combo); }
    QPushButton* calc() const { return get<QPushButton>(ridi::form::control_id::calc_cmd); }
    QString coax_length() const {
        return get<QLabel>(ridi::form::control_id::coax_length_lbl)->text();
    }
    QString vf_length() const { return get<QLabel>(ridi::form::control_id::vf_length_lbl)->text(); }
};

// The message the core gives for these texts, or an empty text when they calculate.
inline QString core_message(const QString& freq, const QString& qtr_num, const QString& cable,
                            ridi::number_options options = {}) {
    ridi::form_strings form;
    form.freq = freq.toStdU16String();
    form.qtr_num = qtr_num.toStdU16String();
    form.cable = cable.toStdU16String();
    try {
        ridi::calc_cmd_Click(form, options);
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

// The name of the control `id`, as the toolkit knows it.
inline QString name_of(ridi::form::control_id id) {
    const std::string_view name = ridi::form::get(id).name;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

} // namespace window_support

Q_DECLARE_METATYPE(ridi::form::control_id)
