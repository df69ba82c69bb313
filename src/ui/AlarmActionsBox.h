#pragma once

#include <QString>
#include <QWidget>

#include "ui/PageServices.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace cdx {

struct AlarmActionSettings;

// The boxes of one alarm's settings group: "Enable Alarm", run a program,
// play a wave (each with its chooser and the chosen file's name), "Show Msg"
// and "PC Speaker", which is usable only while "Show Msg" is checked.
class AlarmActionsBox : public QWidget {
    Q_OBJECT
public:
    // The controls' object names, and what the run and play boxes say.
    struct Names {
        QString enable;
        QString run;
        QString runLabel;
        QString wave;
        QString waveLabel;
        QString showMessage;
        QString pcSpeaker;
        QString runCaption = "On Alarm run:";
        QString waveCaption = "On Alarm play:";
        QString prefix; // distinguishes the chooser buttons of the groups
    };

    AlarmActionsBox(const Names& names, bool& alarmEnabled, AlarmActionSettings& actions, const PageServices& services,
                    QWidget* parent = nullptr);

    QCheckBox& enableBox() { return *m_enable; }
    QCheckBox& runBox() { return *m_run; }
    QCheckBox& waveBox() { return *m_wave; }
    QCheckBox& showMessageBox() { return *m_showMessage; }
    QCheckBox& pcSpeakerBox() { return *m_pcSpeaker; }
    QPushButton& selectFileButton() { return *m_selectFile; }
    QPushButton& selectWaveButton() { return *m_selectWave; }
    QLabel& runLabel() { return *m_runLabel; }
    QLabel& waveLabel() { return *m_waveLabel; }

    // Shows what the settings hold; "PC Speaker" follows "Show Msg" as its
    // click would make it.
    void load();

private:
    void choose(AlarmFileKind kind);

    bool& m_alarmEnabled;
    AlarmActionSettings& m_actions;
    const PageServices& m_services;
    QCheckBox* m_enable = nullptr;
    QCheckBox* m_run = nullptr;
    QPushButton* m_selectFile = nullptr;
    QLabel* m_runLabel = nullptr;
    QCheckBox* m_wave = nullptr;
    QPushButton* m_selectWave = nullptr;
    QLabel* m_waveLabel = nullptr;
    QCheckBox* m_showMessage = nullptr;
    QCheckBox* m_pcSpeaker = nullptr;
};

} // namespace cdx
