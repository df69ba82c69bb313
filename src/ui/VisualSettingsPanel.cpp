#include "ui/VisualSettingsPanel.h"

#include <QColorDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFormLayout>
#include <QHBoxLayout>

#include "presentation/SensorNames.h"
#include "presentation/TrayColour.h"
#include "presentation/TraySettings.h"
#include "ui/TrayIcons.h"

namespace cdx {

namespace {

void paintSwatch(QPushButton& button, const QColor& colour)
{
    QPixmap swatch(24, 12);
    swatch.fill(colour);
    button.setIcon(QIcon(swatch));
    button.setIconSize(swatch.size());
}

} // namespace

VisualSettingsPanel::VisualSettingsPanel(Settings& settings, TrayIcons& tray, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_tray(tray)
{
    setObjectName("VisualSettingsPanel");
    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setVerticalSpacing(3);

    m_sensors = new QComboBox(this);
    m_sensors->setObjectName("TrayStyleSensorComboBox");
    m_sensors->addItems({"WB1", "CPU", "WB2", "WB3"});
    m_sensors->setAccessibleName("Sensor");
    layout->addRow("Sensor:", m_sensors);
    connect(m_sensors, &QComboBox::activated, this, [this](int index) { chooseSensor(index); });

    // A plain list of the installed families: the font list widget of the
    // toolkit loads icon and image plugins the program does not need at start.
    m_font = new QComboBox(this);
    m_font->addItems(QFontDatabase::families());
    m_font->setObjectName("TrayFontComboBox");
    m_font->setAccessibleName("Font");
    m_font->setMaximumWidth(170);
    layout->addRow("Font:", m_font);
    connect(m_font, &QComboBox::currentTextChanged, this, [this](const QString& family) {
        if (m_showing) {
            return;
        }
        TrayStyle changed = style();
        changed.fontName = family.toStdString();
        store(changed);
    });

    m_fontColour = new QPushButton("Font Colour", this);
    m_fontColour->setObjectName("TrayFontColourButton");
    m_background = new QPushButton("Background", this);
    m_background->setObjectName("TrayBackgroundButton");
    for (QPushButton* button : {m_fontColour, m_background}) {
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
    }
    auto* colours = new QHBoxLayout;
    colours->addWidget(m_fontColour);
    colours->addWidget(m_background);
    layout->addRow(colours);
    connect(m_fontColour, &QPushButton::clicked, this, [this] { pickColour(true); });
    connect(m_background, &QPushButton::clicked, this, [this] { pickColour(false); });

    m_size = new QSlider(Qt::Horizontal, this);
    m_size->setObjectName("TrayFontSizeTrackBar");
    m_size->setRange(MinFontSize, MaxFontSize);
    m_size->setSingleStep(1);
    m_size->setPageStep(1);
    m_size->setTickPosition(QSlider::TicksBelow);
    m_size->setAccessibleName("Font size");
    m_sizeLabel = new QLabel(this);
    auto* size = new QHBoxLayout;
    size->addWidget(m_size, 1);
    size->addWidget(m_sizeLabel);
    layout->addRow("Size:", size);
    connect(m_size, &QSlider::valueChanged, this, [this](int points) {
        m_sizeLabel->setText(QString::number(points));
        if (m_showing) {
            return;
        }
        TrayStyle changed = style();
        changed.fontSize = points;
        store(changed);
    });
    reset();
}

TemperatureSensor VisualSettingsPanel::chosenSensor() const
{
    const int index = std::max(0, m_sensors->currentIndex());
    return TraySettings::Sensors[static_cast<std::size_t>(index)];
}

void VisualSettingsPanel::chooseSensor(int index)
{
    m_sensors->setCurrentIndex(index);
    showStyle();
}

TrayStyle VisualSettingsPanel::style() const
{
    return m_settings.temperature(chosenSensor()).trayStyle;
}

void VisualSettingsPanel::store(const TrayStyle& changed)
{
    m_tray.setTrayStyle(chosenSensor(), changed);
}

void VisualSettingsPanel::showStyle()
{
    const TrayStyle current = style();
    m_showing = true;
    // A face that is not installed is shown as the face drawn instead.
    const QString family = QString::fromStdString(current.fontName);
    const int index = m_font->findText(family, Qt::MatchFixedString);
    m_font->setCurrentIndex(index >= 0 ? index : m_font->findText(QFontInfo(QFont(family)).family()));
    m_size->setValue(std::clamp(current.fontSize, MinFontSize, MaxFontSize));
    m_sizeLabel->setText(QString::number(m_size->value()));
    paintSwatch(*m_fontColour, shownColour(current.fontColour));
    paintSwatch(*m_background, shownColour(current.background));
    m_showing = false;
}

void VisualSettingsPanel::setFontColour(const QColor& colour)
{
    TrayStyle changed = style();
    changed.fontColour = storedColour(colour);
    store(changed);
    paintSwatch(*m_fontColour, colour);
}

void VisualSettingsPanel::setBackground(const QColor& colour)
{
    TrayStyle changed = style();
    changed.background = storedColour(colour);
    store(changed);
    paintSwatch(*m_background, colour);
}

void VisualSettingsPanel::pickColour(bool font)
{
    const TrayStyle current = style();
    const QColor chosen = QColorDialog::getColor(shownColour(font ? current.fontColour : current.background), this,
                                                 font ? "Font Colour" : "Background");
    if (!chosen.isValid()) {
        return;
    }
    if (font) {
        setFontColour(chosen);
    } else {
        setBackground(chosen);
    }
}

void VisualSettingsPanel::attachNames(SensorNames& names)
{
    for (TemperatureSensor sensor : TraySettings::Sensors) {
        names.attach(NamePlace::TrayStyleEntry, namedItem(sensor), [this, sensor](const std::string& caption) {
            m_sensors->setItemText(static_cast<int>(sensor), QString::fromStdString(caption));
        });
    }
}

QColor VisualSettingsPanel::shownColour(std::uint32_t colour)
{
    return QColor::fromRgb(TrayColour::toArgb(colour));
}

std::uint32_t VisualSettingsPanel::storedColour(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<std::uint32_t>(rgb.blue()) << 16U | static_cast<std::uint32_t>(rgb.green()) << 8U |
           static_cast<std::uint32_t>(rgb.red());
}

} // namespace cdx
