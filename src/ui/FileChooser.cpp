#include "ui/FileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "ui/ExecutableFilter.h"

namespace cdx {

std::optional<std::string> FileChooser::ask(QWidget* parent, AlarmFileKind kind, const std::string& current)
{
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QFileInfo stored(QString::fromStdString(current));
    dialog.setDirectory(!current.empty() && stored.dir().exists() ? stored.dir() : QDir::home());
    if (kind == AlarmFileKind::Program) {
        dialog.setWindowTitle("Select File");
        // Only Qt's own dialog can hide the files that are not executable.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setProxyModel(new ExecutableFilter(&dialog));
        dialog.setNameFilter("Programs and scripts (*)");
    } else {
        dialog.setWindowTitle("Select Wave");
        dialog.setNameFilter("Wave (*.wav *.WAV)");
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    // A name typed into the dialog passes no filter.
    if (kind == AlarmFileKind::Program && !QFileInfo(chosen).isExecutable()) {
        QMessageBox::warning(parent, "Select File",
                             QString("%1 is not a program you may run; the alarm keeps its file.").arg(chosen));
        return std::nullopt;
    }
    return QDir::toNativeSeparators(chosen).toStdString();
}

} // namespace cdx
