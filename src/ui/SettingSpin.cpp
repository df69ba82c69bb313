#include "ui/SettingSpin.h"

#include <QHBoxLayout>
#include <QLabel>

#include "ui/SpinArrows.h"

namespace cdx {

SettingSpin::SettingSpin(SettingsEditor& editor, SpinSetting setting, const QString& spinName, const QString& labelName,
                         QWidget* parent)
    : QWidget(parent), m_editor(editor), m_setting(setting),
      m_arrows(new SpinArrows(spinName,
                              QString::fromUtf8(SettingsEditor::settingName(setting).data(),
                                                static_cast<qsizetype>(SettingsEditor::settingName(setting).size())),
                              this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_arrows);
    if (!labelName.isEmpty()) {
        m_label = new QLabel(this);
        m_label->setObjectName(labelName);
        layout->addWidget(m_label, 1);
    } else {
        layout->addStretch(1);
    }
    connect(m_arrows, &SpinArrows::upClicked, this, [this] { click(SpinDirection::Up); });
    connect(m_arrows, &SpinArrows::downClicked, this, [this] { click(SpinDirection::Down); });
    refreshLabel();
}

void SettingSpin::refreshLabel()
{
    if (m_label != nullptr) {
        m_label->setText(QString::fromStdString(m_editor.label(m_setting)));
        m_arrows->setAccessibleDescription(m_label->text());
    }
}

void SettingSpin::click(SpinDirection direction)
{
    const bool changed = m_editor.step(m_setting, direction);
    if (changed) {
        refreshLabel();
    }
    if (m_onClicked) {
        m_onClicked(changed);
    }
}

} // namespace cdx
