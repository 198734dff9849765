// The About box: product, version, credits, licence text and the receiver's firmware.
#pragma once

#include <QDialog>

class QLabel;

class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    /// licencePath: the licence file to show; a missing file shows a short note instead.
    AboutDialog(const QString &licencePath, QWidget *parent = nullptr);

    /// The connected receiver's firmware version; an empty text hides the line, as when
    /// no receiver is connected.
    void setFirmwareVersion(const QString &version);
    QString licenceText() const;

private:
    QLabel *m_firmware;
    QString m_licenceText;
};
