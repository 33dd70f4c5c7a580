#pragma once

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace solvara::testing {

// Finds controls as a person does: a field by the label naming it, a button by its text (both
// without the mnemonic marks).
inline QString withoutMnemonic(QString text) { return text.remove(QLatin1Char('&')); }

template <class Field = QLineEdit>
Field* fieldLabelled(const QWidget& window, const QString& label) {
    for (const QLabel* candidate : window.findChildren<QLabel*>()) {
        if (withoutMnemonic(candidate->text()) == label)
            return qobject_cast<Field*>(candidate->buddy());
    }
    return nullptr;
}

template <class Button = QAbstractButton>
Button* buttonNamed(const QWidget& window, const QString& text) {
    for (Button* button : window.findChildren<Button*>()) {
        if (withoutMnemonic(button->text()) == text) return button;
    }
    return nullptr;
}

template <class Widget>
Widget* namedForScreenReaders(const QWidget& window, const QString& name) {
    for (Widget* widget : window.findChildren<Widget*>()) {
        if (widget->accessibleName() == name) return widget;
    }
    return nullptr;
}

// Saves what the window shows as a picture into SOLVARA_GUI_SNAPSHOT_DIR, when that is set, for a
// person to look at.
inline void saveSnapshot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("SOLVARA_GUI_SNAPSHOT_DIR");
    if (folder.isEmpty() || !QDir().mkpath(folder)) return;
    window.adjustSize();
    window.grab().save(folder + QLatin1Char('/') + name);
}

}  // namespace solvara::testing
