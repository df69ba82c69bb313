#include "ui/HistoryWindow.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPixmap>
#include <QVBoxLayout>

#include "ui/HistoryPlot.h"

namespace cdx {

HistoryWindow::HistoryWindow(Parts parts, QWidget* parent) : QWidget(parent), m_parts(std::move(parts))
{
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(QStringLiteral("Caldrix History"));
    setAttribute(Qt::WA_QuitOnClose, false);
    m_view.history = &m_parts.history;

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* spanLabel = new QLabel(QStringLiteral("&Span:"), this);
    m_spanChoice = new QComboBox(this);
    m_spanChoice->setObjectName(QStringLiteral("SpanChoice"));
    m_spanChoice->setAccessibleName(QStringLiteral("Time span"));
    m_spanChoice->addItems({QStringLiteral("10 minutes"), QStringLiteral("1 hour"), QStringLiteral("24 hours")});
    m_spanChoice->setCurrentIndex(static_cast<int>(HistorySpan::Hour));
    spanLabel->setBuddy(m_spanChoice);
    m_save = new QPushButton(QStringLiteral("Save &Picture"), this);
    m_save->setObjectName(QStringLiteral("SavePicture"));
    m_save->setAccessibleName(QStringLiteral("Save Picture"));
    top->addWidget(spanLabel);
    top->addWidget(m_spanChoice);
    top->addStretch(1);
    top->addWidget(m_save);
    layout->addLayout(top);

    for (HistoryGroup group : kAllHistoryGroups) {
        auto* plot = new HistoryPlot(group, m_view, this);
        m_plots[static_cast<std::size_t>(group)] = plot;
        layout->addWidget(plot, 1);
        connect(plot, &HistoryPlot::markerMoved, this, [this](const QString& text) { m_markerLabel->setText(text); });
    }
    m_markerLabel = new QLabel(this);
    m_markerLabel->setObjectName(QStringLiteral("MarkerText"));
    m_markerLabel->setAccessibleName(QStringLiteral("Marker"));
    m_markerLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_markerLabel);

    setTabOrder(m_spanChoice, m_save);
    setTabOrder(m_save, m_plots[0]);
    setTabOrder(m_plots[0], m_plots[1]);
    setTabOrder(m_plots[1], m_plots[2]);

    connect(m_spanChoice, &QComboBox::currentIndexChanged, this,
            [this](int index) { setSpan(static_cast<HistorySpan>(index)); });
    connect(m_save, &QPushButton::clicked, this, &HistoryWindow::saveClicked);
    resize(760, 640);
}

void HistoryWindow::open()
{
    refresh();
    show();
    raise();
    activateWindow();
}

void HistoryWindow::refresh()
{
    m_view.endSeconds = m_parts.nowSeconds();
    m_view.display = m_parts.display();
    m_view.names = m_parts.names();
    m_view.marks = m_parts.marks();
    m_view.hasOpenMinute = m_parts.history.openMinute(m_view.openMinute);
    for (HistoryPlot* plot : m_plots) {
        plot->refresh();
    }
}

void HistoryWindow::setSpan(HistorySpan span)
{
    m_view.span = span;
    if (m_spanChoice->currentIndex() != static_cast<int>(span)) {
        m_spanChoice->setCurrentIndex(static_cast<int>(span));
    }
    for (HistoryPlot* plot : m_plots) {
        plot->setMarker(std::nullopt);
    }
    refresh();
}

bool HistoryWindow::savePicture(const QString& path)
{
    return grab().save(path, "PNG");
}

void HistoryWindow::saveClicked()
{
    const QString path =
        m_parts.choosePictureFile
            ? m_parts.choosePictureFile()
            : QFileDialog::getSaveFileName(this, QStringLiteral("Save Picture"), QStringLiteral("caldrix-history.png"),
                                           QStringLiteral("PNG pictures (*.png)"));
    if (path.isEmpty()) {
        return;
    }
    if (!savePicture(path)) {
        QMessageBox::warning(this, QStringLiteral("Caldrix History"),
                             QStringLiteral("The picture could not be written to %1.").arg(path));
    }
}

} // namespace cdx
