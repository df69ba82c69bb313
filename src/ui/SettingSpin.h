#pragma once

#include <functional>

#include <QWidget>

#include "settings/SettingsEditor.h"

class QLabel;

namespace cdx {

class SpinArrows;

// An arrow pair with the label that restates its setting: a click steps the
// setting by the editor's rule and rewrites the label; a refused click
// changes nothing.
class SettingSpin : public QWidget {
    Q_OBJECT
public:
    // spinName, labelName: the controls' object names. Without a label name
    // the spin has no label of its own (its owner shows the value).
    SettingSpin(SettingsEditor& editor, SpinSetting setting, const QString& spinName, const QString& labelName,
                QWidget* parent = nullptr);

    SpinArrows& arrows() { return *m_arrows; }
    QLabel* label() { return m_label; }
    SpinSetting setting() const { return m_setting; }

    // Runs after every click, with whether the value changed.
    void setOnClicked(std::function<void(bool changed)> handler) { m_onClicked = std::move(handler); }
    // Shows the setting's current value.
    void refreshLabel();

private:
    void click(SpinDirection direction);

    SettingsEditor& m_editor;
    SpinSetting m_setting;
    SpinArrows* m_arrows = nullptr;
    QLabel* m_label = nullptr;
    std::function<void(bool)> m_onClicked;
};

} // namespace cdx
