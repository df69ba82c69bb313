#include "ui/MetricsPage.h"

#include <QClipboard>
#include <QFormLayout>
#include <QGuiApplication>
#include <QVBoxLayout>

#include "metrics/MetricsAddress.h"

namespace cdx {
namespace {

QLabel* stateLabel(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = new QLabel(QStringLiteral("Off"), parent);
    label->setObjectName(name);
    label->setAccessibleName(caption);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

} // namespace

MetricsPage::MetricsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName("MetricsPage");
    setAccessibleName("Metrics");

    m_address = new QLineEdit(this);
    m_address->setObjectName("MetricsAddressEdit");
    m_address->setAccessibleName("Metrics Address");
    m_address->setPlaceholderText("off; for example 127.0.0.1:9464");
    m_textfile = new QLineEdit(this);
    m_textfile->setObjectName("MetricsTextfileEdit");
    m_textfile->setAccessibleName("Metrics Textfile");
    m_textfile->setPlaceholderText("off; for example /var/lib/node_exporter/textfile/caldrix.prom");
    m_endpointState = stateLabel(this, "MetricsEndpointState", "Endpoint state");
    m_textfileState = stateLabel(this, "MetricsTextfileState", "Textfile state");

    m_scrapeConfig = new QPlainTextEdit(this);
    m_scrapeConfig->setObjectName("MetricsScrapeConfig");
    m_scrapeConfig->setAccessibleName("Example scrape configuration");
    m_scrapeConfig->setReadOnly(true);
    m_scrapeConfig->setTabChangesFocus(true);
    m_scrapeConfig->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_copy = new QPushButton("&Copy", this);
    m_copy->setObjectName("MetricsCopyButton");
    m_copy->setAccessibleName("Copy");

    auto* form = new QFormLayout;
    form->addRow("Metrics &Address:", m_address);
    form->addRow("Endpoint:", m_endpointState);
    form->addRow("Metrics &Textfile:", m_textfile);
    form->addRow("Textfile:", m_textfileState);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel("Example scrape configuration for prometheus.yml:", this));
    layout->addWidget(m_scrapeConfig, 1);
    layout->addWidget(m_copy, 0, Qt::AlignRight);
    setTabOrder(m_address, m_textfile);
    setTabOrder(m_textfile, m_scrapeConfig);
    setTabOrder(m_scrapeConfig, m_copy);

    connect(m_address, &QLineEdit::editingFinished, this, &MetricsPage::finishEdit);
    connect(m_textfile, &QLineEdit::editingFinished, this, &MetricsPage::finishEdit);
    connect(m_address, &QLineEdit::textChanged, this, &MetricsPage::showScrapeConfig);
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(m_scrapeConfig->toPlainText()); });
    showScrapeConfig();
}

void MetricsPage::setSettings(const QString& address, const QString& textfile)
{
    m_lastAddress = address;
    m_lastTextfile = textfile;
    m_address->setText(address);
    m_textfile->setText(textfile);
}

void MetricsPage::setEndpointState(const QString& state)
{
    m_endpointState->setText(state);
}

void MetricsPage::setTextfileState(const QString& state)
{
    m_textfileState->setText(state);
}

void MetricsPage::finishEdit()
{
    // Leaving a field unchanged is no edit.
    if (m_address->text() == m_lastAddress && m_textfile->text() == m_lastTextfile) {
        return;
    }
    m_lastAddress = m_address->text();
    m_lastTextfile = m_textfile->text();
    emit settingsEdited(m_lastAddress, m_lastTextfile);
}

void MetricsPage::showScrapeConfig()
{
    m_scrapeConfig->setPlainText(QString::fromStdString(exampleScrapeConfig(m_address->text().toStdString())));
}

} // namespace cdx
