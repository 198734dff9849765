// The About box: product, version, licence text and credits.
#pragma once

#include <QDialog>

class QLabel;

class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    /// licencePath: the licence file to show; a missing file shows a short note instead.
    AboutDialog(const QString &licencePath, QWidget *parent = nullptr);

    /// The receiver's firmware version, once known.
    void setFirmwareVersion(const QString &version);
    QString licenceText() const;

private:
    QLabel *m_firmware;
    QString m_licenceText;
};
