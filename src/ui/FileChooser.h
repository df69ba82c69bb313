#pragma once

#include <optional>
#include <string>

#include "ui/PageServices.h"

class QWidget;

namespace cdx {

// The file dialog of an alarm group's "Select File" and "Select Wave":
// programs are files the user may execute (binaries and scripts alike), waves
// are *.wav files.
class FileChooser {
public:
    // The chosen file's full path, or none when the dialog was cancelled.
    static std::optional<std::string> ask(QWidget* parent, AlarmFileKind kind, const std::string& current);
};

} // namespace cdx
