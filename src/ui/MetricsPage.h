#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace cdx {

// The "Metrics" page: the address the /metrics endpoint listens on and the
// file written for node_exporter each poll, the state of each, and an example
// scrape configuration for prometheus.yml that can be copied.
class MetricsPage : public QWidget {
    Q_OBJECT
public:
    explicit MetricsPage(QWidget* parent = nullptr);

    // Shows the stored settings without reporting them as edited.
    void setSettings(const QString& address, const QString& textfile);
    void setEndpointState(const QString& state);
    void setTextfileState(const QString& state);

    QLineEdit& addressEdit() { return *m_address; }
    QLineEdit& textfileEdit() { return *m_textfile; }
    QLabel& endpointStateLabel() { return *m_endpointState; }
    QLabel& textfileStateLabel() { return *m_textfileState; }
    QPlainTextEdit& scrapeConfig() { return *m_scrapeConfig; }
    QPushButton& copyButton() { return *m_copy; }

signals:
    // The user finished editing either field.
    void settingsEdited(const QString& address, const QString& textfile);

private:
    void finishEdit();
    void showScrapeConfig();

    QLineEdit* m_address = nullptr;
    QLineEdit* m_textfile = nullptr;
    QLabel* m_endpointState = nullptr;
    QLabel* m_textfileState = nullptr;
    QPlainTextEdit* m_scrapeConfig = nullptr;
    QPushButton* m_copy = nullptr;
    QString m_lastAddress;
    QString m_lastTextfile;
};

} // namespace cdx
